#pragma once

#include <string>

#include "com/ComObject.h"
#include "com/Members.h"
#include "faces/SnvType.h"
#include "values/SnvtReading.h"
#include "xml/Dom.h"

// Default interface of CDBSNVTType: the record is read through ISNVType.
struct _CDBSNVTType : IDispatch {
  QCOM_IDENTITY(IDispatch, "45C29354-8102-4759-94F1-C703A933F6EE");

 protected:
  ~_CDBSNVTType() = default;
};

// The record of one network variable type, read from the host's SNVT catalogue.
// It decides how a value of the type is edited, displayed and encoded.
class CDBSNVTType final : public qcom::ComObject<_CDBSNVTType, ISNVType> {
 public:
  // Loads the type numbered id from the current catalogue (the shared SNVT
  // document); problems are shown as messages, never passed to the caller.
  void LoadFromCatalogue(const std::string& id);
  void SetLength(int32_t length) { fields_.length = length; }
  void SetMin(std::string min) { fields_.min = std::move(min); }
  void SetMax(std::string max) { fields_.max = std::move(max); }

  const std::string& Id() const { return fields_.id; }
  const std::string& GenType() const { return fields_.genType; }
  const std::string& LuiType() const { return fields_.luiType; }
  const std::string& EnumDesc() const { return fields_.enumDesc; }
  const std::string& Units() const { return fields_.units; }
  const std::string& Name() const { return fields_.name; }
  int32_t Length() const { return fields_.length; }
  int32_t ACoef() const { return fields_.aCoef; }
  int32_t BCoef() const { return fields_.bCoef; }
  int32_t CCoef() const { return fields_.cCoef; }
  // The limits in display form (the user's decimal separator).
  std::string DisplayMin() const;
  std::string DisplayMax() const;

  // ISNVType
  HRESULT get_ID(BSTR* id) override;
  HRESULT get_R5Region(LONG* region) override;
  HRESULT get_Factor(LONG* factor) override;
  HRESULT get_ACoef(LONG* a) override;
  HRESULT get_BCoef(LONG* b) override;
  HRESULT get_CCoef(LONG* c) override;
  HRESULT get_GenType(BSTR* kind) override;
  HRESULT get_LUIType(BSTR* editClass) override;
  HRESULT get_InvalidValue(BSTR* value) override;
  HRESULT get_Name(BSTR* name) override;
  HRESULT get_Min(BSTR* min) override;
  HRESULT get_Max(BSTR* max) override;
  HRESULT get_Units(BSTR* units) override;
  HRESULT get_BACnetUnits(LONG* units) override;
  HRESULT get_EnumDesc(BSTR* table) override;
  HRESULT get_Length(LONG* bytes) override;
  HRESULT get_HasField(VARIANT_BOOL* has) override;

 private:
  values::SnvtFields fields_;
};
