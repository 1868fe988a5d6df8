#include "values/CDBSNVTType.h"

#include "com/Boundary.h"
#include "com/OutParam.h"
#include "platform/MessageBox.h"
#include "values/DecimalSeparators.h"
#include "values/SnvtCatalogue.h"

namespace {

const std::shared_ptr<const values::SnvtFields>& EmptyRecord() {
  static const auto empty = std::make_shared<const values::SnvtFields>();
  return empty;
}

}  // namespace

CDBSNVTType::CDBSNVTType() : fields_(EmptyRecord()) {}

CDBSNVTType::CDBSNVTType(std::shared_ptr<const values::SnvtFields> fields)
    : fields_(fields ? std::move(fields) : EmptyRecord()) {}

void CDBSNVTType::LoadFromCatalogue(const std::string& id) {
  // A new object takes the record every new object of the type shares.
  if (fields_ == EmptyRecord()) {
    fields_ = LoadedRecord(id);
    return;
  }
  auto fields = std::make_shared<values::SnvtFields>(*fields_);
  const std::vector<std::string> problems = values::CatalogueReading(id).ApplyTo(*fields);
  fields_ = std::move(fields);
  for (const std::string& problem : problems) platform::ShowMessage(problem);
}

std::shared_ptr<const values::SnvtFields> CDBSNVTType::LoadedRecord(const std::string& id) {
  auto record = values::CatalogueRecord(id);
  // The entry's problems are shown at every load, as if it were read anew.
  for (const std::string& problem : record->problems) platform::ShowMessage(problem);
  return record->fields;
}

void CDBSNVTType::SetLength(int32_t length) {
  if (fields_->length == length) return;
  auto fields = std::make_shared<values::SnvtFields>(*fields_);
  fields->length = length;
  fields_ = std::move(fields);
}

std::string CDBSNVTType::DisplayMin() const {
  return values::LocaliseNumberText(fields_->min);
}
std::string CDBSNVTType::DisplayMax() const {
  return values::LocaliseNumberText(fields_->max);
}

HRESULT CDBSNVTType::get_ID(BSTR* id) {
  return qcom::ReturnText(fields_->id, id);
}
HRESULT CDBSNVTType::get_R5Region(LONG* region) {
  return qcom::ReturnValue(fields_->r5Region, region);
}
HRESULT CDBSNVTType::get_Factor(LONG* factor) {
  return qcom::ReturnValue(fields_->factor, factor);
}
HRESULT CDBSNVTType::get_ACoef(LONG* a) {
  return qcom::ReturnValue(fields_->aCoef, a);
}
HRESULT CDBSNVTType::get_BCoef(LONG* b) {
  return qcom::ReturnValue(fields_->bCoef, b);
}
HRESULT CDBSNVTType::get_CCoef(LONG* c) {
  return qcom::ReturnValue(fields_->cCoef, c);
}
HRESULT CDBSNVTType::get_GenType(BSTR* kind) {
  return qcom::ReturnText(fields_->genType, kind);
}
HRESULT CDBSNVTType::get_LUIType(BSTR* editClass) {
  return qcom::ReturnText(fields_->luiType, editClass);
}
HRESULT CDBSNVTType::get_InvalidValue(BSTR* value) {
  return qcom::ReturnText(fields_->invalidValue, value);
}
HRESULT CDBSNVTType::get_Name(BSTR* name) {
  return qcom::ReturnText(fields_->name, name);
}
HRESULT CDBSNVTType::get_Min(BSTR* min) {
  return qcom::Guarded([&] { return qcom::ReturnText(DisplayMin(), min); });
}
HRESULT CDBSNVTType::get_Max(BSTR* max) {
  return qcom::Guarded([&] { return qcom::ReturnText(DisplayMax(), max); });
}
HRESULT CDBSNVTType::get_Units(BSTR* units) {
  return qcom::ReturnText(fields_->units, units);
}
HRESULT CDBSNVTType::get_BACnetUnits(LONG* units) {
  return qcom::ReturnValue(0, units);
}
HRESULT CDBSNVTType::get_EnumDesc(BSTR* table) {
  return qcom::ReturnText(fields_->enumDesc, table);
}
HRESULT CDBSNVTType::get_Length(LONG* bytes) {
  return qcom::ReturnValue(fields_->length, bytes);
}
HRESULT CDBSNVTType::get_HasField(VARIANT_BOOL* has) {
  return qcom::ReturnBool(false, has);
}
