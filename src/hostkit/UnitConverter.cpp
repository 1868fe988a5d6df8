#include "hostkit/UnitConverter.h"

#include "com/Boundary.h"
#include "com/OutParam.h"
#include "hostkit/TypeUnits.h"
#include "hostkit/UnitSettings.h"
#include "values/DecimalSeparators.h"
#include "values/MMain.h"
#include "values/SnvtCatalogue.h"
#include "xml/Dom.h"

namespace hostkit {

namespace {
constexpr const char* kSource = "UnitManager.Converter";
}  // namespace

UnitConverter::UnitConverter() : system_(DefaultUnitSystem()) {}

const values::SnvtFields* UnitConverter::Type(BSTR* snvtId, const char* member) {
  if (!snvtId) {
    qcom::RecordError(E_POINTER, kSource, std::string(member) + ": no SNVT ID");
    return nullptr;
  }
  if (!catalogue_) {
    qcom::RecordError(E_UNEXPECTED, kSource,
                      std::string(member) + ": no SNVT catalogue has been handed over");
    return nullptr;
  }
  // Texts follow the user's decimal separator as it is now.
  values::InitDecimalSeparators();
  const std::string& separator = values::Shared().localeDecimalSeparator;
  const uint64_t stamp = qxml::ContentStamp(catalogue_.get());
  if (stamp == 0 || stamp != stamp_ || separator != separator_) types_.clear();
  stamp_ = stamp;
  separator_ = separator;
  const std::string id = qcom::BstrToUtf8(*snvtId);
  auto found = types_.find(id);
  if (found == types_.end()) {
    values::SnvtFields fields;
    values::ReadSnvtEntry(catalogue_.get(), id).ApplyTo(fields);
    found = types_.emplace(id, std::move(fields)).first;
  }
  if (found->second.genType.empty()) {
    qcom::RecordError(E_INVALIDARG, kSource,
                      std::string(member) + ": the SNVT catalogue defines no type SNVT_" + id);
    return nullptr;
  }
  return &found->second;
}

template <class F>
HRESULT UnitConverter::Answer(BSTR* snvtId, const char* member, F answer) {
  return qcom::Guarded(kSource, member, [&]() -> HRESULT {
    const values::SnvtFields* fields = Type(snvtId, member);
    if (!fields) return qcom::PeekErrorRecord()->number;
    return answer(TypeUnits(*fields, system_), *fields);
  });
}

HRESULT UnitConverter::ToDisplay(BSTR* snvtId, BSTR* stored, BSTR* display) {
  if (!stored) return E_POINTER;
  return Answer(snvtId, "ToDisplay", [&](const TypeUnits& units, const values::SnvtFields&) {
    return qcom::ReturnText(units.ToDisplay(qcom::BstrToUtf8(*stored)), display);
  });
}

HRESULT UnitConverter::ToStored(BSTR* snvtId, BSTR* display, BSTR* stored) {
  if (!display) return E_POINTER;
  return Answer(snvtId, "ToStored", [&](const TypeUnits& units, const values::SnvtFields&) {
    return qcom::ReturnText(units.ToStored(qcom::BstrToUtf8(*display)), stored);
  });
}

HRESULT UnitConverter::get_UnitSystem(LONG* system) {
  return qcom::ReturnValue(static_cast<int>(system_), system);
}

HRESULT UnitConverter::put_UnitSystem(LONG system) {
  if (system != static_cast<LONG>(UnitSystem::kSI) && system != static_cast<LONG>(UnitSystem::kUS))
    return qcom::RecordError(E_INVALIDARG, kSource,
                             "UnitSystem: " + std::to_string(system) +
                                 " is no unit system (0 is SI, 1 is US customary)");
  system_ = static_cast<UnitSystem>(system);
  return S_OK;
}

HRESULT UnitConverter::UnitName(BSTR* snvtId, BSTR* unit) {
  return Answer(snvtId, "UnitName", [&](const TypeUnits& units, const values::SnvtFields&) {
    return qcom::ReturnText(units.Unit(), unit);
  });
}

HRESULT UnitConverter::TextToNumber(BSTR* text, double* number) {
  if (!text || !number) return E_POINTER;
  return qcom::Guarded(kSource, "TextToNumber", [&]() -> HRESULT {
    values::InitDecimalSeparators();
    const std::string utf8 = qcom::BstrToUtf8(*text);
    auto value = TypeUnits::ReadNumber(utf8);
    if (!value)
      return qcom::RecordError(E_INVALIDARG, kSource,
                               "TextToNumber: '" + utf8 + "' is not a number");
    *number = *value;
    return S_OK;
  });
}

HRESULT UnitConverter::DecimalCount(BSTR* snvtId, SHORT* decimals) {
  return Answer(snvtId, "DecimalCount", [&](const TypeUnits& units, const values::SnvtFields&) {
    return qcom::ReturnValue(units.Decimals(), decimals);
  });
}

HRESULT UnitConverter::DisplayMin(BSTR* snvtId, BSTR* min) {
  return Answer(snvtId, "DisplayMin", [&](const TypeUnits& units, const values::SnvtFields& type) {
    return qcom::ReturnText(units.DisplayOf(type.min), min);
  });
}

HRESULT UnitConverter::DisplayMax(BSTR* snvtId, BSTR* max) {
  return Answer(snvtId, "DisplayMax", [&](const TypeUnits& units, const values::SnvtFields& type) {
    return qcom::ReturnText(units.DisplayOf(type.max), max);
  });
}

HRESULT UnitConverter::Resolution(BSTR* snvtId, BSTR* step) {
  return Answer(snvtId, "Resolution", [&](const TypeUnits& units, const values::SnvtFields&) {
    return qcom::ReturnText(units.Resolution(), step);
  });
}

HRESULT UnitConverter::InvalidValueText(BSTR* snvtId, BSTR* text) {
  return Answer(snvtId, "InvalidValueText",
                [&](const TypeUnits& units, const values::SnvtFields& type) {
                  return qcom::ReturnText(units.DisplayOf(type.invalidValue), text);
                });
}

HRESULT UnitConverter::put_Catalogue(IXMLDOMDocument* catalogue) {
  if (!catalogue) return qcom::RecordError(E_POINTER, kSource, "Catalogue: no document");
  catalogue_ = qcom::ComPtr<IXMLDOMDocument>(catalogue);
  types_.clear();
  return S_OK;
}

}  // namespace hostkit
