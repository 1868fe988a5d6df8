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
#include "xml/Elements.h"

using qcom::Guarded;
using qcom::ReturnBool;
using qcom::ReturnText;
using qcom::ReturnValue;

namespace {

// The dialog a parameter of the given SNVT kind is edited with.
ports::DialogKind DialogKindFor(std::string_view genType) {
  using ports::DialogKind;
  if (genType == "SignedNumeric" || genType == "UnsignedNumeric" || genType == "Float")
    return DialogKind::Numeric;
  if (genType == "Enum") return DialogKind::Enumeration;
  if (genType == "Bitfield") return DialogKind::BitField;
  if (genType == "Textual") return DialogKind::Text;
  return DialogKind::None;
}

}  // namespace

CDBAttribute::CDBAttribute() : snvtType_(qcom::Make<CDBSNVTType>()) {}

CDBAttribute::~CDBAttribute() {
  snvtType_ = nullptr;
  parent_ = nullptr;
  callBacks_.Clear();
  editDialog_.reset();
}

void CDBAttribute::Warn(const char* what) const {
  platform::ShowMessage(name_ + what, platform::kMessageCritical, "Warning");
}

bool CDBAttribute::IsNumericKind() const {
  const std::string& kind = snvtType_->GenType();
  return kind == "Float" || kind == "SignedNumeric" || kind == "UnsignedNumeric";
}

void CDBAttribute::LoadFromXML(IXMLDOMNode* node) {
  const auto fields = qxml::Fields(node);
  for (const auto& field : fields) {
    std::string name = qcom::text::Upper(field.name);
    // A child without text reads as the empty text.
    std::string text = field.text.value_or("");
    if (name == "DESCRIPTION") {
      description_ = text;
    } else if (name == "CDBORDERINPOSITION") {
      if (text.empty()) Warn(": CDBOrderingPosition not defined into the XML file of the object.");
      orderPosition_ = values::RoundToInt32(values::PlainParse(text)).value_or(orderPosition_);
    } else if (name == "VISIBLE") {
      visible_ = values::PlainParse(text) != 0;
    } else if (name == "SNVTTYPE") {
      snvtTypeId_ = text;
      if (text.empty()) Warn(": SNVTType not defined into the XML file of the object.");
    } else if (name == "DEFAULTVALUE") {
      value_ = text.empty() ? "0" : text;
      defaultValue_ = value_;
      if (text.empty()) Warn(": Default value not defined into the XML file of the object.");
    }
  }

  snvtType_->LoadFromCatalogue(snvtTypeId_);
  if (!IsNumericKind()) return;

  // Numeric kinds: the exactly spelled elements override the default and the type's limits.
  auto lastExactly = [&](std::string_view spelled) -> std::optional<std::string> {
    std::optional<std::string> found;
    for (const auto& field : fields)
      if (field.name == spelled) found = field.text.value_or("");
    return found;
  };
  defaultValue_ = values::LocaliseNumberText(lastExactly("DefaultValue").value_or(""));
  if (auto min = lastExactly("Min"); min && !min->empty())
    snvtType_->SetMin(values::LocaliseNumberText(*min));
  min_ = snvtType_->DisplayMin();
  if (auto max = lastExactly("Max"); max && !max->empty())
    snvtType_->SetMax(values::LocaliseNumberText(*max));
  max_ = snvtType_->DisplayMax();
}

void CDBAttribute::CreateEditDialog() {
  dialogKind_ = DialogKindFor(snvtType_->GenType());
  editDialog_ = ports::MakeEditDialog(dialogKind_);
}

void CDBAttribute::Edit() {
  if (!editDialog_) return;
  editDialog_->SetDataPoint(this);
  editDialog_->ShowModal();
}

std::optional<std::string> CDBAttribute::StreamValue() const {
  auto a = values::RoundToInt16(snvtType_->ACoef());
  auto b = values::RoundToInt16(snvtType_->BCoef());
  auto c = values::RoundToInt16(snvtType_->CCoef());
  if (!a || !b || !c) return std::nullopt;
  return values::ValueToStreamHex(value_, snvtType_->GenType(), snvtType_->Length(), *a, *b, *c);
}

void CDBAttribute::ForceShortFloat() {
  if (snvtType_->GenType() == "Float") snvtType_->SetLength(2);
}

void CDBAttribute::SetValueText(std::string_view value) {
  value_ =
      snvtType_->GenType() == "Textual" ? std::string(value) : values::LocaliseNumberText(value);
}

std::string CDBAttribute::DisplayText(const std::string& text) const {
  const std::string& kind = snvtType_->GenType();
  if (kind == "Textual" || kind == "Bitfield") return qcom::text::Trim(text);
  if (kind == "Enum")
    return values::EnumNameOf(values::LocaliseNumberText(text), snvtType_->EnumDesc());
  if (IsNumericKind()) return values::LocaliseNumberText(text) + " " + snvtType_->Units();
  return values::LocaliseNumberText(text);
}

std::string CDBAttribute::DisplayLimit(const std::string& limit) const {
  if (IsNumericKind()) return values::LocaliseNumberText(limit) + " " + snvtType_->Units();
  return values::LocaliseNumberText(limit);
}

bool CDBAttribute::SearchMacros() const {
  return values::MacroParameterReferences(parent_.get(), globalKey_);
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
  return qcom::ReturnObject(parent_.get(), appObject);
}
HRESULT CDBAttribute::get_Visible(VARIANT_BOOL* visible) {
  return ReturnBool(visible_, visible);
}
HRESULT CDBAttribute::SetValue() {
  return Guarded([&] { Edit(); });
}
HRESULT CDBAttribute::get_IsUnit(VARIANT_BOOL* is) {
  return ReturnBool(false, is);
}
HRESULT CDBAttribute::get_Description(BSTR* text) {
  return ReturnText(description_, text);
}
HRESULT CDBAttribute::get_Value(BSTR* value) {
  return Guarded([&] { return ReturnText(values::LocaliseNumberText(value_), value); });
}
HRESULT CDBAttribute::get_DispValue(BSTR* text) {
  return Guarded([&] { return ReturnText(DisplayText(value_), text); });
}
HRESULT CDBAttribute::get_DispMin(BSTR* text) {
  return Guarded([&] { return ReturnText(DisplayLimit(min_), text); });
}
HRESULT CDBAttribute::get_DispMax(BSTR* text) {
  return Guarded([&] { return ReturnText(DisplayLimit(max_), text); });
}
HRESULT CDBAttribute::get_DispDefault(BSTR* text) {
  return Guarded([&] { return ReturnText(DisplayText(defaultValue_), text); });
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
  return ReturnText(globalKey_, key);
}
HRESULT CDBAttribute::get_SNVTType(ISNVType** type) {
  return qcom::ReturnObject(snvtType_, type);
}
HRESULT CDBAttribute::BackToDefault() {
  return Guarded([&] { value_ = defaultValue_; });
}
HRESULT CDBAttribute::get_DefaultValue(BSTR* value) {
  return ReturnText(defaultValue_, value);
}
HRESULT CDBAttribute::get_Tag(BSTR* tag) {
  return ReturnText(tag_, tag);
}
HRESULT CDBAttribute::put_Tag(BSTR tag) {
  return qcom::StoreText(tag, tag_);
}
HRESULT CDBAttribute::get_Fields(IDispatch** fields) {
  return qcom::ReturnObject<IDispatch, IDispatch>(nullptr, fields);
}
HRESULT CDBAttribute::put_CallBack(IcbkAppObject* sink) {
  return Guarded([&] { callBacks_.Add(sink); });
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
  return ReturnText(min_, min);
}
HRESULT CDBAttribute::get_Max(BSTR* max) {
  return ReturnText(max_, max);
}
HRESULT CDBAttribute::get_ExtendedKey(BSTR* key) {
  return ReturnText(extendedKey_, key);
}
HRESULT CDBAttribute::get_IsMacroConnected(VARIANT_BOOL* connected) {
  return Guarded([&] { return ReturnBool(SearchMacros(), connected); });
}
