#include "plugin/ServiceUnits.h"

#include "com/Creation.h"
#include "com/ErrorRecord.h"
#include "values/MMain.h"

namespace plugin {

std::unique_ptr<ServiceUnits> ServiceUnits::Open(LONG unitSystem, HRESULT& hr) {
  qcom::ClearErrorRecord();
  qcom::ComPtr<IUnitConverter> converter;
  hr = qcom::CreateByProgId(kProgId, IUnitConverter::iid, converter.put_void());
  qcom::ComPtr<IXMLDOMDocument> catalogue = values::Shared().snvtDocument;
  if (SUCCEEDED(hr) && converter) hr = converter->put_Catalogue(catalogue.get());
  if (SUCCEEDED(hr) && converter) hr = converter->put_UnitSystem(unitSystem);
  if (SUCCEEDED(hr) && converter)
    return std::unique_ptr<ServiceUnits>(new ServiceUnits(converter, catalogue));
  if (SUCCEEDED(hr)) hr = E_NOINTERFACE;
  auto record = qcom::TakeErrorRecord();
  const std::string why = record && !record->description.empty() ? record->description
                                                                 : "error " + qcom::HresultText(hr);
  qcom::SetErrorRecord(hr, kProgId,
                       std::string("the unit service ") + kProgId + " is not available: " + why);
  return nullptr;
}

std::string ServiceUnits::Convert(HRESULT (IUnitConverter::*member)(BSTR*, BSTR*, BSTR*),
                                  const std::string& id, const std::string& text) {
  qcom::Bstr snvtId(id), argument(text), answer;
  if (FAILED((converter_.get()->*member)(snvtId.inout(), argument.inout(), answer.out())))
    return text;
  return answer.utf8();
}

std::string ServiceUnits::Limit(HRESULT (IUnitConverter::*member)(BSTR*, BSTR*),
                                const std::string& id) {
  qcom::Bstr snvtId(id), limit;
  (converter_.get()->*member)(snvtId.inout(), limit.out());
  return limit.utf8();
}

std::string ServiceUnits::ToStored(const values::ParameterDefinition& definition,
                                   const std::string& display) {
  return Convert(&IUnitConverter::ToStored, definition.snvtTypeId, display);
}

std::string ServiceUnits::ToDisplay(const values::ParameterDefinition& definition,
                                    const std::string& stored) {
  return Convert(&IUnitConverter::ToDisplay, definition.snvtTypeId, stored);
}

std::string ServiceUnits::DisplayMin(const values::ParameterDefinition& definition) {
  return Limit(&IUnitConverter::DisplayMin, definition.snvtTypeId);
}

std::string ServiceUnits::DisplayMax(const values::ParameterDefinition& definition) {
  return Limit(&IUnitConverter::DisplayMax, definition.snvtTypeId);
}

std::optional<double> ServiceUnits::ReadNumber(const std::string& text) {
  qcom::Bstr argument(text);
  double number = 0;
  if (SUCCEEDED(converter_->TextToNumber(argument.inout(), &number))) return number;
  // Not a number is an answer here, not a failure the caller should find recorded.
  qcom::ClearErrorRecord();
  return std::nullopt;
}

}  // namespace plugin
