#include "points/CDBOutput.h"

#include "com/Boundary.h"
#include "com/OutParam.h"
#include "faces/AppObject.h"
#include "values/MacroSearch.h"
#include "values/SnvtDataConversion.h"

using qcom::Guarded;
using qcom::ReturnBool;
using qcom::ReturnText;
using qcom::ReturnValue;

CDBOutput::CDBOutput() = default;

void CDBOutput::SetType(const std::string& id) {
  snvtId_ = id;
  typeRecord_ = CDBSNVTType::LoadedRecord(id);
  if (compatible_) compatible_->SetID(id);
  if (snvtType_) snvtType_->Share(typeRecord_);
}

std::string CDBOutput::GetChannelGlobalKey() {
  return channel_ ? channel_->LinkGlobalKey() : std::string();
}

std::string CDBOutput::Reference() const {
  // Without an application object that tells its export index, the index is 0.
  SHORT exportIndex = 0;
  if (auto app = qcom::QueryAs<IAppObject>(parent_.get())) {
    SHORT read = 0;
    if (SUCCEEDED(app->get_ExportIndex(&read))) exportIndex = read;
  }
  return values::WordToHex(values::MakeDisplayReference(exportIndex, index_));
}

// ---- IOutput ----

HRESULT CDBOutput::OutputIsConnected(VARIANT_BOOL* connected) {
  return ReturnBool(connection_.IsConnected(), connected);
}
HRESULT CDBOutput::put_CallBack(IcbkAppObject* sink) {
  if (!sink) return E_POINTER;
  return Guarded([&] { callBacks_.Add(sink); });
}
HRESULT CDBOutput::put_changeType(BSTR) {
  return S_OK;
}
HRESULT CDBOutput::get_NodeType(LONG* type) {
  return ReturnValue(8, type);
}
HRESULT CDBOutput::get_Visible(VARIANT_BOOL* visible) {
  return ReturnBool(true, visible);
}
HRESULT CDBOutput::get_Name(BSTR* name) {
  return ReturnText(name_, name);
}
HRESULT CDBOutput::get_GlobalKey(BSTR* key) {
  return ReturnText(globalKey_, key);
}
HRESULT CDBOutput::get_Index(LONG* index) {
  return ReturnValue(index_, index);
}
HRESULT CDBOutput::get_SNVTCompatible(ICompatibleSNVT** type) {
  return Guarded([&] {
    if (!compatible_) {
      compatible_ = qcom::Make<CDBCompatibleSNVT>();
      compatible_->SetID(snvtId_);
    }
    return qcom::ReturnObject<ICompatibleSNVT>(compatible_, type);
  });
}
HRESULT CDBOutput::get_SNVTType(ISNVType** type) {
  return Guarded([&] {
    if (!snvtType_) snvtType_ = qcom::Make<CDBSNVTType>(typeRecord_);
    return qcom::ReturnObject<ISNVType>(snvtType_, type);
  });
}
HRESULT CDBOutput::get_Parent(IDispatch** appObject) {
  return qcom::ReturnObject(parent_.get(), appObject);
}
HRESULT CDBOutput::get_DisplayWritable(VARIANT_BOOL* writable) {
  return ReturnBool(displayWritable_, writable);
}
HRESULT CDBOutput::get_IsTypeDependent(VARIANT_BOOL* dependent) {
  return ReturnBool(false, dependent);
}
HRESULT CDBOutput::get_ExtendedKey(BSTR* key) {
  return ReturnText(extendedKey_, key);
}
HRESULT CDBOutput::get_IsMacroConnected(VARIANT_BOOL* connected) {
  return Guarded([&] {
    return ReturnBool(values::MacroOutputReferences(parent_.get(), globalKey_), connected);
  });
}
HRESULT CDBOutput::get_IsDisplayable(VARIANT_BOOL* displayable) {
  return ReturnBool(isDisplayable_, displayable);
}
HRESULT CDBOutput::put_IsDisplayable(VARIANT_BOOL displayable) {
  isDisplayable_ = displayable != VARIANT_FALSE;
  return S_OK;
}

// ---- ISubItemConnable ----

HRESULT CDBOutput::put_IsConnected(VARIANT_BOOL connected) {
  return Guarded([&] {
    connection_.Report(connected != VARIANT_FALSE, channel_.get(), parent_.get(),
                       ports::ChannelKind::AI, ports::ChannelKind::DI);
  });
}
HRESULT CDBOutput::put_HasPriority(VARIANT_BOOL) {
  return S_OK;
}
HRESULT CDBOutput::put_IncrementalConnIndex(LONG) {
  return S_OK;
}
HRESULT CDBOutput::put_ConnectedType(IDispatch*) {
  return S_OK;
}
HRESULT CDBOutput::get_ItemType(LONG* type) {
  return ReturnValue(8, type);
}
HRESULT CDBOutput::IsSNVTCompatible(ISNVType*, VARIANT_BOOL* compatible) {
  return ReturnBool(false, compatible);
}

// ---- IDisplayItem ----

HRESULT CDBOutput::get_DisplayText(BSTR* text) {
  return Guarded([&] {
    displayText_ = name_;
    return ReturnText(displayText_, text);
  });
}
HRESULT CDBOutput::put_DisplayText(BSTR text) {
  return qcom::StoreText(text, displayText_);
}
HRESULT CDBOutput::get_Key(BSTR* key) {
  return ReturnText(extendedKey_, key);
}
HRESULT CDBOutput::get_itemType(LONG* type) {
  return ReturnValue(10, type);
}
HRESULT CDBOutput::get_Icon(LONG* icon) {
  return ReturnValue(0, icon);
}
HRESULT CDBOutput::get_IsWritable(VARIANT_BOOL* writable) {
  return ReturnBool(displayWritable_, writable);
}
HRESULT CDBOutput::get_IsTrendable(VARIANT_BOOL* trendable) {
  return ReturnBool(false, trendable);
}
HRESULT CDBOutput::get_Reference(BSTR* reference) {
  return Guarded([&] { return ReturnText(Reference(), reference); });
}
// The display views show the value only; connections are shown elsewhere.
HRESULT CDBOutput::DisplayIsConnected(VARIANT_BOOL* connected) {
  return ReturnBool(false, connected);
}
HRESULT CDBOutput::get_Fields(IDispatch** fields) {
  return qcom::ReturnObject<IDispatch, IDispatch>(nullptr, fields);
}
