#pragma once

#include <memory>
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
// It decides how a value of the type is edited, displayed and encoded. The
// record itself is shared, unchanged, by every object of the same reading.
class CDBSNVTType final : public qcom::ComObject<_CDBSNVTType, ISNVType> {
 public:
  CDBSNVTType();
  explicit CDBSNVTType(std::shared_ptr<const values::SnvtFields> fields);

  // Loads the type numbered id from the current catalogue (the shared SNVT
  // document); problems are shown as messages, never passed to the caller.
  void LoadFromCatalogue(const std::string& id);
  // The record a new object of type id takes from the current catalogue; the
  // entry's problems are shown as loading it would show them.
  static std::shared_ptr<const values::SnvtFields> LoadedRecord(const std::string& id);
  // Takes another shared record.
  void Share(std::shared_ptr<const values::SnvtFields> fields) { fields_ = std::move(fields); }
  void SetLength(int32_t length);

  const values::SnvtFields& Fields() const { return *fields_; }
  const std::string& Id() const { return fields_->id; }
  const std::string& GenType() const { return fields_->genType; }
  const std::string& EnumDesc() const { return fields_->enumDesc; }
  int32_t Length() const { return fields_->length; }
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
  std::shared_ptr<const values::SnvtFields> fields_;
};
