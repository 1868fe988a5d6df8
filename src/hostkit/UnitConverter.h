#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "com/ComObject.h"
#include "com/ComPtr.h"
#include "faces/UnitConverter.h"
#include "hostkit/UnitSystem.h"
#include "values/SnvtReading.h"

namespace hostkit {

// The unit service UnitManager.Converter. It answers from the SNVT catalogue
// its caller hands it (Catalogue), the very document the application object
// reads its types from, so dialog and object cannot disagree on a type. The
// unit system is the settings file's until UnitSystem is set.
class UnitConverter final : public qcom::ComObject<IUnitConverter> {
 public:
  UnitConverter();

  HRESULT ToDisplay(BSTR* snvtId, BSTR* stored, BSTR* display) override;
  HRESULT ToStored(BSTR* snvtId, BSTR* display, BSTR* stored) override;
  HRESULT get_UnitSystem(LONG* system) override;
  HRESULT put_UnitSystem(LONG system) override;
  HRESULT UnitName(BSTR* snvtId, BSTR* unit) override;
  HRESULT TextToNumber(BSTR* text, double* number) override;
  HRESULT DecimalCount(BSTR* snvtId, SHORT* decimals) override;
  HRESULT DisplayMin(BSTR* snvtId, BSTR* min) override;
  HRESULT DisplayMax(BSTR* snvtId, BSTR* max) override;
  HRESULT Resolution(BSTR* snvtId, BSTR* step) override;
  HRESULT InvalidValueText(BSTR* snvtId, BSTR* text) override;
  HRESULT put_Catalogue(IXMLDOMDocument* catalogue) override;

 private:
  // The catalogue entry of the type; null, with the error record set, when
  // there is no catalogue or it does not define the type.
  const values::SnvtFields* Type(BSTR* snvtId, const char* member);
  // Runs answer(type units) for the type named by snvtId behind the barrier.
  template <class F>
  HRESULT Answer(BSTR* snvtId, const char* member, F answer);

  UnitSystem system_;
  qcom::ComPtr<IXMLDOMDocument> catalogue_;
  // Entries read from the catalogue in the state `stamp_`, under `separator_`.
  std::map<std::string, values::SnvtFields> types_;
  uint64_t stamp_ = 0;
  std::string separator_;
};

}  // namespace hostkit
