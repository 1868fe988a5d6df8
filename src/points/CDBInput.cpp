#include "points/CDBInput.h"

#include "com/Boundary.h"
#include "com/OutParam.h"
#include "com/TextRules.h"
#include "values/MacroSearch.h"

using qcom::Guarded;
using qcom::ReturnBool;
using qcom::ReturnText;
using qcom::ReturnValue;

CDBInput::CDBInput() : compatibles_(qcom::Make<CDBCompatibleSNVTs>()) {}

void CDBInput::SetChannel(IChannelLink* channel) {
  channel_ = qcom::WeakRef<IChannelLink>(channel);
  if (!channel_) return;
  extended_ = qcom::text::Upper(qcom::text::Left(channel_->LinkName(), 6)) != "BINARY";
  value_ = extended_ ? "000000" : "0000";
}

std::string CDBInput::GetChannelGlobalKey() {
  return channel_ ? channel_->LinkGlobalKey() : std::string();
}

std::string CDBInput::ValueOrDefault() const {
  if (!value_.empty()) return value_;
  return extended_ ? "000000" : "0000";
}

// ---- IInput ----

HRESULT CDBInput::put_changeType(BSTR) {
  return S_OK;
}
HRESULT CDBInput::put_CallBack(IcbkAppObject* sink) {
  if (!sink) return E_POINTER;
  return Guarded([&] { callBacks_.Add(sink); });
}
HRESULT CDBInput::get_NodeType(LONG* type) {
  return ReturnValue(7, type);
}
HRESULT CDBInput::get_IsConnected(VARIANT_BOOL* connected) {
  return ReturnBool(connection_.IsConnected(), connected);
}
HRESULT CDBInput::get_ConnectedType(IDispatch** type) {
  return qcom::ReturnObject(connectedType_, type);
}
HRESULT CDBInput::get_Visible(VARIANT_BOOL* visible) {
  return ReturnBool(true, visible);
}
HRESULT CDBInput::get_Mandatory(VARIANT_BOOL* mandatory) {
  return ReturnBool(false, mandatory);
}
HRESULT CDBInput::get_Value(BSTR* value) {
  return ReturnText(value_, value);
}
HRESULT CDBInput::put_Value(BSTR value) {
  return qcom::StoreText(value, value_);
}
HRESULT CDBInput::get_Name(BSTR* name) {
  return ReturnText(name_, name);
}
HRESULT CDBInput::get_GlobalKey(BSTR* key) {
  return ReturnText(globalKey_, key);
}
HRESULT CDBInput::get_Extended(VARIANT_BOOL* extended) {
  return ReturnBool(extended_, extended);
}
HRESULT CDBInput::get_Index(LONG* index) {
  return ReturnValue(index_, index);
}
HRESULT CDBInput::get_CDBPosition(LONG* position) {
  return ReturnValue(0, position);
}
HRESULT CDBInput::get_SNVTCompatibles(ICompatibleSNVTs** list) {
  return qcom::ReturnObject<ICompatibleSNVTs>(compatibles_, list);
}
HRESULT CDBInput::get_Parent(IDispatch** appObject) {
  return qcom::ReturnObject(parent_.get(), appObject);
}
HRESULT CDBInput::get_ExtendedKey(BSTR* key) {
  return ReturnText(extendedKey_, key);
}
HRESULT CDBInput::get_IsMacroConnected(VARIANT_BOOL* connected) {
  return Guarded([&] {
    return ReturnBool(values::MacroInputReferences(parent_.get(), globalKey_), connected);
  });
}

// ---- ISubItemConnable ----

HRESULT CDBInput::put_IsConnected(VARIANT_BOOL connected) {
  return Guarded([&] {
    connection_.Report(connected != VARIANT_FALSE, channel_.get(), parent_.get(),
                       ports::ChannelKind::AO, ports::ChannelKind::DO);
  });
}
HRESULT CDBInput::put_HasPriority(VARIANT_BOOL) {
  return S_OK;
}
HRESULT CDBInput::put_IncrementalConnIndex(LONG) {
  return S_OK;
}
HRESULT CDBInput::put_ConnectedType(IDispatch* type) {
  connectedType_ = qcom::ComPtr<IDispatch>(type);
  return S_OK;
}
HRESULT CDBInput::get_ItemType(LONG* type) {
  return ReturnValue(7, type);
}
HRESULT CDBInput::get_SNVTType(ISNVType** type) {
  return qcom::ReturnObject<ISNVType, ISNVType>(nullptr, type);
}
HRESULT CDBInput::IsSNVTCompatible(ISNVType*, VARIANT_BOOL* compatible) {
  return ReturnBool(false, compatible);
}
