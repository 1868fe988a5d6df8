#include "values/CDBAttribute.h"

#include "com/Boundary.h"
#include "com/OutParam.h"
#include "com/TextRules.h"
#include "faces/AppObject.h"
#include "faces/HostObjects.h"
#include "platform/MessageBox.h"
#include "values/MacroSearch.h"
#include "values/NumberRules.h"
#include "values/SnvtDataConversion.h"
#include "values/SnvtKinds.h"
#include "xml/Elements.h"

using qcom::Guarded;
using qcom::ReturnBool;
using qcom::ReturnText;
using qcom::ReturnValue;

namespace {

// The definition of a parameter read from no element: no type, no limits.
const std::shared_ptr<const values::ParameterDefinition>& NoDefinition() {
  static const auto none = [] {
    values::ParameterDefinition definition;
    definition.type = std::make_shared<const values::SnvtFields>();
    return std::make_shared<const values::ParameterDefinition>(std::move(definition));
  }();
  return none;
}

}  // namespace

CDBAttribute::CDBAttribute() : definition_(NoDefinition()) {}

CDBAttribute::~CDBAttribute() {
  if (!extras_) return;
  extras_->snvtType = nullptr;
  extras_->parent = nullptr;
  extras_->callBacks.Clear();
  extras_->editDialog.reset();
}

CDBAttribute::Extras& CDBAttribute::More() const {
  if (!extras_) extras_ = std::make_unique<Extras>();
  return *extras_;
}

const std::string& CDBAttribute::GlobalKeyText() const {
  static const std::string none;
  return extras_ ? extras_->globalKey : none;
}

bool CDBAttribute::IsNumericKind() const {
  return values::IsNumericKind(TypeFields().genType);
}

void CDBAttribute::LoadFromXML(IXMLDOMNode* node) {
  Define(*values::ReadParameterDefinition(name_, node));
}

void CDBAttribute::Define(const values::ParameterReading& reading) {
  for (const auto& message : reading.messages)
    platform::ShowMessage(message.text, message.style, message.title);
  definition_ = reading.definition;
  value_ = definition_->initialValue;
  if (extras_ && extras_->snvtType) extras_->snvtType->Share(definition_->type);
}

CDBSNVTType& CDBAttribute::Type() const {
  auto& type = More().snvtType;
  if (!type) type = qcom::Make<CDBSNVTType>(definition_->type);
  return *type;
}

void CDBAttribute::CreateEditDialog() {
  More().editDialog = ports::MakeEditDialog(definition_->dialogKind);
}

void CDBAttribute::Edit() {
  if (!extras_ || !extras_->editDialog) CreateEditDialog();
  auto& dialog = extras_->editDialog;
  if (!dialog) return;
  dialog->SetDataPoint(this);
  dialog->ShowModal();
}

std::optional<std::string> CDBAttribute::StreamValue() const {
  const values::SnvtFields& type = TypeFields();
  auto a = values::RoundToInt16(type.aCoef);
  auto b = values::RoundToInt16(type.bCoef);
  auto c = values::RoundToInt16(type.cCoef);
  if (!a || !b || !c) return std::nullopt;
  return values::ValueToStreamHex(value_, type.genType, type.length, *a, *b, *c);
}

void CDBAttribute::ForceShortFloat() {
  if (TypeFields().genType != "Float") return;
  // A float definition without a shortened form is already 2 bytes long.
  if (!definition_->shortFloat) return;
  definition_ = definition_->shortFloat;
  if (extras_ && extras_->snvtType) extras_->snvtType->Share(definition_->type);
}

std::string CDBAttribute::ValueText() const {
  return values::LocaliseNumberText(value_);
}

void CDBAttribute::SetValueText(std::string_view value) {
  value_ =
      TypeFields().genType == "Textual" ? std::string(value) : values::LocaliseNumberText(value);
}

std::string CDBAttribute::DisplayText(const std::string& text) const {
  const values::SnvtFields& type = TypeFields();
  const std::string& kind = type.genType;
  if (kind == "Textual" || kind == "Bitfield") return qcom::text::Trim(text);
  if (kind == "Enum") return values::EnumNameOf(values::LocaliseNumberText(text), type.enumDesc);
  if (IsNumericKind()) return values::LocaliseNumberText(text) + " " + type.units;
  return values::LocaliseNumberText(text);
}

std::string CDBAttribute::DisplayLimit(const std::string& limit) const {
  if (IsNumericKind()) return values::LocaliseNumberText(limit) + " " + TypeFields().units;
  return values::LocaliseNumberText(limit);
}

bool CDBAttribute::SearchMacros() const {
  return values::MacroParameterReferences(extras_ ? extras_->parent.get() : nullptr,
                                          GlobalKeyText());
}

// ---- interfaces ----

HRESULT CDBAttribute::put_Name(BSTR name) {
  return qcom::StoreText(name, name_);
}
HRESULT CDBAttribute::ResetValue() {
  value_.clear();
  return S_OK;
}
HRESULT CDBAttribute::get_Parent(IDispatch** appObject) {
  return qcom::ReturnObject(extras_ ? extras_->parent.get() : nullptr, appObject);
}
HRESULT CDBAttribute::get_Visible(VARIANT_BOOL* visible) {
  return ReturnBool(definition_->visible, visible);
}
HRESULT CDBAttribute::SetValue() {
  return Guarded([&] { Edit(); });
}
HRESULT CDBAttribute::get_IsUnit(VARIANT_BOOL* is) {
  return ReturnBool(false, is);
}
HRESULT CDBAttribute::get_Description(BSTR* text) {
  return ReturnText(definition_->description, text);
}
HRESULT CDBAttribute::get_Value(BSTR* value) {
  return Guarded([&] { return ReturnText(ValueText(), value); });
}
HRESULT CDBAttribute::get_DispValue(BSTR* text) {
  return Guarded([&] { return ReturnText(DisplayText(value_), text); });
}
HRESULT CDBAttribute::get_DispMin(BSTR* text) {
  return Guarded([&] { return ReturnText(DisplayLimit(definition_->min), text); });
}
HRESULT CDBAttribute::get_DispMax(BSTR* text) {
  return Guarded([&] { return ReturnText(DisplayLimit(definition_->max), text); });
}
HRESULT CDBAttribute::get_DispDefault(BSTR* text) {
  return Guarded([&] { return ReturnText(DisplayText(definition_->defaultValue), text); });
}
HRESULT CDBAttribute::put_Value(BSTR value) {
  return Guarded([&] { SetValueText(qcom::BstrToUtf8(value)); });
}
HRESULT CDBAttribute::get_Name(BSTR* name) {
  return ReturnText(name_, name);
}
HRESULT CDBAttribute::get_NodeType(LONG* type) {
  return ReturnValue(9, type);
}
HRESULT CDBAttribute::get_GlobalKey(BSTR* key) {
  return ReturnText(GlobalKeyText(), key);
}
HRESULT CDBAttribute::get_SNVTType(ISNVType** type) {
  return Guarded([&] { return qcom::ReturnObject(&Type(), type); });
}
HRESULT CDBAttribute::BackToDefault() {
  return Guarded([&] { value_ = definition_->defaultValue; });
}
HRESULT CDBAttribute::get_DefaultValue(BSTR* value) {
  return ReturnText(definition_->defaultValue, value);
}
HRESULT CDBAttribute::get_Tag(BSTR* tag) {
  return ReturnText(extras_ ? extras_->tag : std::string(), tag);
}
HRESULT CDBAttribute::put_Tag(BSTR tag) {
  return Guarded([&] { return qcom::StoreText(tag, More().tag); });
}
HRESULT CDBAttribute::get_Fields(IDispatch** fields) {
  return qcom::ReturnObject<IDispatch, IDispatch>(nullptr, fields);
}
HRESULT CDBAttribute::put_CallBack(IcbkAppObject* sink) {
  return Guarded([&] { More().callBacks.Add(sink); });
}
HRESULT CDBAttribute::get_CDBPosition(LONG* position) {
  return ReturnValue(0, position);
}
HRESULT CDBAttribute::get_ToolOnly(VARIANT_BOOL* only) {
  return ReturnBool(false, only);
}
HRESULT CDBAttribute::get_IsDeviceDependent(VARIANT_BOOL* is) {
  return ReturnBool(false, is);
}
HRESULT CDBAttribute::get_IsUnitDependent(VARIANT_BOOL* is) {
  return ReturnBool(false, is);
}
HRESULT CDBAttribute::get_DeviceKey(BSTR* key) {
  return ReturnText("", key);
}
HRESULT CDBAttribute::get_IsKeepFloatStandard(VARIANT_BOOL* is) {
  return ReturnBool(false, is);
}
HRESULT CDBAttribute::get_DividedBy(LONG* divisor) {
  return ReturnValue(1, divisor);
}
HRESULT CDBAttribute::get_IsType(VARIANT_BOOL* is) {
  return ReturnBool(false, is);
}
HRESULT CDBAttribute::get_Min(BSTR* min) {
  return ReturnText(definition_->min, min);
}
HRESULT CDBAttribute::get_Max(BSTR* max) {
  return ReturnText(definition_->max, max);
}
HRESULT CDBAttribute::get_ExtendedKey(BSTR* key) {
  return ReturnText(extras_ ? extras_->extendedKey : std::string(), key);
}
HRESULT CDBAttribute::get_IsMacroConnected(VARIANT_BOOL* connected) {
  return Guarded([&] { return ReturnBool(SearchMacros(), connected); });
}
