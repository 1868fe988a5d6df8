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

  std::string ToStored(const values::ParameterDefinition& definition,
                       const std::string& display) override;
  std::string ToDisplay(const values::ParameterDefinition& definition,
                        const std::string& stored) override;
  std::string DisplayMin(const values::ParameterDefinition& definition) override;
  std::string DisplayMax(const values::ParameterDefinition& definition) override;
  std::optional<double> ReadNumber(const std::string& text) override;

 private:
  explicit ServiceUnits(qcom::ComPtr<IUnitConverter> converter)
      : converter_(std::move(converter)) {}
  std::string Convert(HRESULT (IUnitConverter::*member)(BSTR*, BSTR*, BSTR*), const std::string& id,
                      const std::string& text);
  std::string Limit(HRESULT (IUnitConverter::*member)(BSTR*, BSTR*), const std::string& id);

  qcom::ComPtr<IUnitConverter> converter_;
};

}  // namespace plugin
