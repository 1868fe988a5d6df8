#pragma once

#include <memory>
#include <optional>
#include <string>

#include "com/ComPtr.h"
#include "faces/UnitConverter.h"
#include "values/ValueCheck.h"

namespace plugin {

// The host's unit service, asked as the numeric edit dialog asks it: created
// by its ProgID, handed the catalogue the object was given, set to a unit
// system.
class ServiceUnits final : public values::ValueUnits {
 public:
  static constexpr const char* kProgId = "UnitManager.Converter";

  // Null when the service cannot be created or does not take the unit
  // system; the error record then says why, in one line.
  static std::unique_ptr<ServiceUnits> Open(LONG unitSystem, HRESULT& hr);

  // Whether the service was handed that catalogue.
  bool Serves(IXMLDOMDocument* catalogue) const { return catalogue == catalogue_.get(); }

  std::string ToStored(const values::ParameterDefinition& definition,
                       const std::string& display) override;
  std::string ToDisplay(const values::ParameterDefinition& definition,
                        const std::string& stored) override;
  std::string DisplayMin(const values::ParameterDefinition& definition) override;
  std::string DisplayMax(const values::ParameterDefinition& definition) override;
  std::optional<double> ReadNumber(const std::string& text) override;

 private:
  ServiceUnits(qcom::ComPtr<IUnitConverter> converter, qcom::ComPtr<IXMLDOMDocument> catalogue)
      : converter_(std::move(converter)), catalogue_(std::move(catalogue)) {}
  std::string Convert(HRESULT (IUnitConverter::*member)(BSTR*, BSTR*, BSTR*), const std::string& id,
                      const std::string& text);
  std::string Limit(HRESULT (IUnitConverter::*member)(BSTR*, BSTR*), const std::string& id);

  qcom::ComPtr<IUnitConverter> converter_;
  qcom::ComPtr<IXMLDOMDocument> catalogue_;
};

}  // namespace plugin
