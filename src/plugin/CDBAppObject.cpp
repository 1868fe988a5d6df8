#include "plugin/CDBAppObject.h"

#include <functional>
#include <utility>

#include "com/Boundary.h"
#include "com/OutParam.h"
#include "com/TextRules.h"
#include "modules/ComponentLocation.h"
#include "platform/MessagePump.h"
#include "platform/Picture.h"
#include "platform/ResourceIcons.h"
#include "plugin/PropertyRules.h"
#include "values/MMain.h"
#include "values/SnvtDataConversion.h"

using qcom::BstrToUtf8;
using qcom::Guarded;
using qcom::ReturnBool;
using qcom::ReturnText;
using qcom::ReturnValue;
using qcom::StoreText;

namespace {
constexpr const char* kInitialTag = "000000";

// A dimension the formulas could not fit in 32 bits is an overflow, not a number.
HRESULT ReturnDimension(const std::function<std::optional<int32_t>()>& dimension, LONG* bytes) {
  if (!bytes) return E_POINTER;
  return qcom::Guarded([&] {
    auto value = dimension();
    if (!value) return DISP_E_OVERFLOW;
    *bytes = *value;
    return S_OK;
  });
}
}  // namespace

CDBAppObject::CDBAppObject() {
  values::InitDecimalSeparators();
  mapTypModTags_.emplace();
  AddMapTypModTag(kInitialTag);
  shortFloatSetting_ = true;
}

CDBAppObject::~CDBAppObject() {
  // Final release, in the object's documented order.
  outputs_ = nullptr;
  inputs_ = nullptr;
  parent_ = nullptr;
  definitionDoc_ = nullptr;
  callBacks_.Clear();
  mapTypModTags_.reset();
  ownerDeviceXml_ = nullptr;
  editor_ = nullptr;
  templates_ = nullptr;
  modules_ = nullptr;
  attributes_ = nullptr;
  usUnits_.reset();
}

// ---- internal operations ----

void CDBAppObject::NotifyCDBChanged() {
  callBacks_.ForEach([](IcbkAppObject* sink) { sink->CDBChanged(0, 0, 0); });
}

void CDBAppObject::AddMapTypModTag(const std::string& tag) {
  if (mapTypModTags_) mapTypModTags_->push_back(qcom::Make<CDBMapTypMod>(tag));
}

void CDBAppObject::RemoveLastMapTypModTag() {
  if (mapTypModTags_ && !mapTypModTags_->empty()) mapTypModTags_->pop_back();
}

std::string CDBAppObject::MapTypMod() const {
  if (!mapTypModTags_ || mapTypModTags_->empty()) return {};
  return mapTypModTags_->back()->Tag();
}

std::vector<plugin::ModuleCounts> CDBAppObject::PlacedModules() const {
  std::vector<plugin::ModuleCounts> placed;
  if (!modules_) return placed;
  for (const auto& entry : modules_->Modules()) {
    const CDBEBModule& m = *entry.item;
    placed.push_back({.slot = m.Slot(),
                      .ai = m.AICount(),
                      .ao = m.AOCount(),
                      .di = m.DICount(),
                      .dO = m.DOCount(),
                      .counters = m.DICount() > 0 ? m.CounterCount() : 0,
                      .hasDICollection = m.DIs() != nullptr,
                      .hasDOCollection = m.DOs() != nullptr});
  }
  return placed;
}

// ---- _CDBAppObject ----

HRESULT CDBAppObject::get_MapTypMod(BSTR* tag) {
  return Guarded([&] { return ReturnText(MapTypMod(), tag); });
}

// ---- identity and plain properties ----

HRESULT CDBAppObject::get_IsPlugInActive(VARIANT_BOOL* active) {
  return ReturnBool(isPlugInActive_, active);
}
HRESULT CDBAppObject::put_Path(BSTR filename) {
  return Guarded([&] {
    path_ = plugin::FolderOfPath(BstrToUtf8(filename));
    return S_OK;
  });
}
HRESULT CDBAppObject::get_Path(BSTR* path) {
  return ReturnText(path_, path);
}
HRESULT CDBAppObject::get_ExecTime(LONG* time) {
  return ReturnValue(execTime_, time);
}
HRESULT CDBAppObject::get_MaxInstances(LONG* count) {
  return ReturnValue(maxInstances_, count);
}

HRESULT CDBAppObject::get_Color(LONG* color) {
  return Guarded([&] { return ReturnValue(plugin::ColorNumberOf(colorName_), color); });
}
HRESULT CDBAppObject::put_Color(LONG color) {
  return Guarded([&] {
    colorName_ = plugin::ColorNameOf(color);
    return S_OK;
  });
}
HRESULT CDBAppObject::SetColor(BSTR name) {
  return StoreText(name, colorName_);
}

HRESULT CDBAppObject::get_Width(LONG* width) {
  return ReturnValue(width_, width);
}
HRESULT CDBAppObject::get_InputWidth(LONG* width) {
  return ReturnValue(0, width);
}
HRESULT CDBAppObject::get_SDBDimension(LONG* bytes) {
  return ReturnValue(0, bytes);
}

HRESULT CDBAppObject::get_CDBDimension(LONG* bytes) {
  return ReturnDimension([&] { return plugin::CdbDimension(PlacedModules()); }, bytes);
}

HRESULT CDBAppObject::get_DDBDimension(LONG* bytes) {
  return ReturnDimension(
      [&] { return plugin::DdbDimension(fixedDDB_, fixedSHDB_, PlacedModules()); }, bytes);
}

HRESULT CDBAppObject::get_DatasheetAvailable(VARIANT_BOOL* available) {
  return ReturnBool(datasheetAvailable_, available);
}
HRESULT CDBAppObject::get_PlugInAvailable(VARIANT_BOOL* available) {
  return ReturnBool(true, available);
}
HRESULT CDBAppObject::get_UserName(BSTR* name) {
  return ReturnText(userName_, name);
}
HRESULT CDBAppObject::get_UniqueIDString(BSTR* name) {
  return ReturnText(uniqueIdString_, name);
}

HRESULT CDBAppObject::put_OwnerDeviceXML(IXMLDOMDocument* document) {
  ownerDeviceXml_ = qcom::ComPtr<IXMLDOMDocument>(document);
  return S_OK;
}
HRESULT CDBAppObject::get_OwnerDeviceXML(IXMLDOMDocument** document) {
  return qcom::ReturnObject(ownerDeviceXml_, document);
}

HRESULT CDBAppObject::put_UserName(BSTR name) {
  return Guarded([&] {
    userName_ = BstrToUtf8(name);
    width_ = static_cast<int32_t>(qcom::text::Length(userName_)) + 5;
    if (editor_) editor_->ShowUserName(userName_);
    return S_OK;
  });
}

HRESULT CDBAppObject::get_Name(BSTR* name) {
  return ReturnText(name_, name);
}
HRESULT CDBAppObject::get_NodeType(LONG* type) {
  return ReturnValue(6, type);
}
HRESULT CDBAppObject::get_Tag(BSTR* tag) {
  return ReturnText(tag_, tag);
}
HRESULT CDBAppObject::put_Tag(BSTR tag) {
  return StoreText(tag, tag_);
}
HRESULT CDBAppObject::get_GlobalKey(BSTR* key) {
  return ReturnText(globalKey_, key);
}
HRESULT CDBAppObject::put_GlobalKey(BSTR key) {
  return Guarded([&] {
    globalKey_ = BstrToUtf8(key);
    if (inputs_) inputs_->SetGlobalKey(globalKey_ + "\\RIN");
    if (outputs_) outputs_->SetGlobalKey(globalKey_ + "\\ROU");
    return S_OK;
  });
}
HRESULT CDBAppObject::get_Key(BSTR* key) {
  return ReturnText(key_, key);
}
HRESULT CDBAppObject::put_Key(BSTR key) {
  return StoreText(key, key_);
}
HRESULT CDBAppObject::get_ID(BSTR* id) {
  return ReturnText(id_, id);
}
HRESULT CDBAppObject::get_UniqueID(BSTR* id) {
  return ReturnText(uniqueId_, id);
}
HRESULT CDBAppObject::put_UniqueID(BSTR id) {
  return StoreText(id, uniqueId_);
}
HRESULT CDBAppObject::get_Description(BSTR* text) {
  return ReturnText(description_, text);
}

HRESULT CDBAppObject::get_Icon(IPicture** picture) {
  return Guarded(
      [&] { return qcom::ReturnObject(platform::LoadResourcePicture("TQEB"), picture); });
}

HRESULT CDBAppObject::get_Category(BSTR* category) {
  return ReturnText(category_, category);
}

HRESULT CDBAppObject::Create() {
  return Guarded([&] {
    inputs_ = qcom::Make<CDBInputs>();
    RegisterSinksWith(*inputs_);
    outputs_ = qcom::Make<CDBOutputs>();
    RegisterSinksWith(*outputs_);
    LoadFixedAttributes();
    if (modules_) modules_->SetAppObject(this);
    UpdateAddableTemplates();
    return S_OK;
  });
}

HRESULT CDBAppObject::ObjectDebug() {
  return S_OK;
}
HRESULT CDBAppObject::Save(VARIANT) {
  return S_OK;
}
HRESULT CDBAppObject::Load(VARIANT) {
  return S_OK;
}
HRESULT CDBAppObject::get_IntelStream(BSTR* stream) {
  return ReturnText("", stream);
}
HRESULT CDBAppObject::put_Stream(BSTR) {
  return S_OK;
}

HRESULT CDBAppObject::get_Inputs(IInputs** inputs) {
  return qcom::ReturnObject<IInputs>(inputs_, inputs);
}
HRESULT CDBAppObject::get_Outputs(IOutputs** outputs) {
  return qcom::ReturnObject<IOutputs>(outputs_, outputs);
}
HRESULT CDBAppObject::get_Attributes(IAttributes** attributes) {
  return qcom::ReturnObject<IAttributes>(attributes_, attributes);
}

HRESULT CDBAppObject::get_Language(LONG* language) {
  return ReturnValue(language_, language);
}
HRESULT CDBAppObject::put_Language(LONG language) {
  language_ = language;
  return S_OK;
}

HRESULT CDBAppObject::Destroy() {
  parent_ = nullptr;
  inputs_ = nullptr;
  outputs_ = nullptr;
  callBacks_.Clear();
  mapTypModTags_.reset();
  templates_ = nullptr;
  modules_ = nullptr;
  usUnits_.reset();
  if (auto editor = std::exchange(editor_, nullptr)) editor->CloseByOwner();
  return S_OK;
}

HRESULT CDBAppObject::get_ProgrammaticId(BSTR* progId) {
  return Guarded(
      [&] { return ReturnText(modules::ComponentModuleName() + ".CAppObject", progId); });
}

HRESULT CDBAppObject::XmlSNVTDoc(IXMLDOMDocument* catalogue) {
  // An empty document (also what a failed load leaves) keeps the current catalogue.
  VARIANT_BOOL hasChildren = VARIANT_FALSE;
  if (catalogue && SUCCEEDED(catalogue->hasChildNodes(&hasChildren)) && hasChildren)
    values::Shared().snvtDocument = qcom::ComPtr<IXMLDOMDocument>(catalogue);
  return S_OK;
}

HRESULT CDBAppObject::get_Parent(IDispatch** parent) {
  return qcom::ReturnObject(parent_.get(), parent);
}
HRESULT CDBAppObject::put_Parent(IDispatch* parent) {
  return Guarded([&] {
    parent_ = qcom::WeakRef<IDispatch>(parent);
    return S_OK;
  });
}
HRESULT CDBAppObject::get_XPosition(double* x) {
  return ReturnValue(xPosition_, x);
}
HRESULT CDBAppObject::put_XPosition(double x) {
  xPosition_ = x;
  return S_OK;
}
HRESULT CDBAppObject::get_YPosition(double* y) {
  return ReturnValue(yPosition_, y);
}
HRESULT CDBAppObject::put_YPosition(double y) {
  yPosition_ = y;
  return S_OK;
}
HRESULT CDBAppObject::put_ManageShortFloat(VARIANT_BOOL) {
  return S_OK;
}

HRESULT CDBAppObject::get_ExportIndex(SHORT* index) {
  return ReturnValue(exportIndex_, index);
}
HRESULT CDBAppObject::put_ExportIndex(SHORT index) {
  exportIndex_ = index;
  return S_OK;
}
HRESULT CDBAppObject::get_NumObjects(LONG* count) {
  return ReturnValue(1, count);
}
HRESULT CDBAppObject::get_ExtendedKey(BSTR* key) {
  return ReturnText(extendedKey_, key);
}
HRESULT CDBAppObject::put_ExtendedKey(BSTR key) {
  return Guarded([&] {
    extendedKey_ = BstrToUtf8(key);
    if (inputs_) inputs_->SetExtendedKey(extendedKey_ + "\\RIN");
    if (outputs_) outputs_->SetExtendedKey(extendedKey_ + "\\ROU");
    if (attributes_) attributes_->SetExtendedKey(extendedKey_ + "\\ATT");
    return S_OK;
  });
}
HRESULT CDBAppObject::get_IsDeviceDependent(VARIANT_BOOL* is) {
  return ReturnBool(false, is);
}
HRESULT CDBAppObject::get_UsesDeviceClock(VARIANT_BOOL* uses) {
  return ReturnBool(false, uses);
}
HRESULT CDBAppObject::get_IsHidden(VARIANT_BOOL* hidden) {
  return ReturnBool(false, hidden);
}
HRESULT CDBAppObject::get_IsVirtual(VARIANT_BOOL* isVirtual) {
  return ReturnBool(false, isVirtual);
}
