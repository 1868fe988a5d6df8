#pragma once

#include <string>
#include <string_view>

#include "com/ComObject.h"
#include "com/Members.h"
#include "faces/CallbackList.h"
#include "faces/Points.h"
#include "points/CDBCompatibleSNVTs.h"
#include "points/PointConnection.h"
#include "ports/ChannelLink.h"

// Default interface of CDBInput: the input is used through IInput and ISubItemConnable.
struct _CDBInput : IDispatch {
  QCOM_IDENTITY(IDispatch, "5DCC4367-4E8F-4B5C-91BC-7A610FC736AB");

 protected:
  ~_CDBInput() = default;
};

// A connection point through which the application object receives a value
// for one output channel (AO or DO). It accepts the SNVTs of its compatible
// list. It refers to its channel and to the application object (its Parent)
// without holding them: both own it.
class CDBInput final : public qcom::ComObject<_CDBInput, IInput, ISubItemConnable> {
 public:
  CDBInput();

  void SetName(std::string name) { name_ = std::move(name); }
  void SetGlobalKey(std::string key) { globalKey_ = std::move(key); }
  void SetExtendedKey(std::string key) { extendedKey_ = std::move(key); }
  void SetIndex(int32_t index) { index_ = index; }
  void SetParent(IDispatch* appObject) { parent_ = qcom::WeakRef<IDispatch>(appObject); }
  void AddCompatibles(std::string_view ids) { compatibles_->Add(ids); }
  // Binds the channel. A binary channel's input carries a 2-byte value, any
  // other channel's a 3-byte one; the preset value follows.
  void SetChannel(IChannelLink* channel);
  // The key of the bound channel; empty without one.
  std::string GetChannelGlobalKey();
  // The value for the configuration stream: the stored value, or zeros of the
  // input's width when none is stored.
  std::string ValueOrDefault() const;

  const std::string& NameText() const { return name_; }
  const std::string& GlobalKeyText() const { return globalKey_; }
  const std::string& ExtendedKeyText() const { return extendedKey_; }
  bool IsExtended() const { return extended_; }
  const std::string& ValueText() const { return value_; }
  int32_t IndexValue() const { return index_; }
  int32_t ConnectionCount() const { return connection_.Count(); }
  CDBCompatibleSNVTs& Compatibles() const { return *compatibles_; }
  IChannelLink* Channel() const { return channel_.get(); }

  // IInput, in slot order (get_GlobalKey and get_Name also serve ISubItemConnable)
  HRESULT put_changeType(BSTR type) override;
  HRESULT put_CallBack(IcbkAppObject* sink) override;
  HRESULT get_NodeType(LONG* type) override;
  HRESULT get_IsConnected(VARIANT_BOOL* connected) override;
  HRESULT get_ConnectedType(IDispatch** type) override;
  HRESULT get_Visible(VARIANT_BOOL* visible) override;
  HRESULT get_Mandatory(VARIANT_BOOL* mandatory) override;
  HRESULT get_Value(BSTR* value) override;
  HRESULT put_Value(BSTR value) override;
  HRESULT get_Name(BSTR* name) override;
  HRESULT get_GlobalKey(BSTR* key) override;
  HRESULT get_Extended(VARIANT_BOOL* extended) override;
  HRESULT get_Index(LONG* index) override;
  HRESULT get_CDBPosition(LONG* position) override;
  HRESULT get_SNVTCompatibles(ICompatibleSNVTs** list) override;
  HRESULT get_Parent(IDispatch** appObject) override;
  HRESULT get_ExtendedKey(BSTR* key) override;
  HRESULT get_IsMacroConnected(VARIANT_BOOL* connected) override;

  // ISubItemConnable, in slot order
  HRESULT put_IsConnected(VARIANT_BOOL connected) override;
  HRESULT put_HasPriority(VARIANT_BOOL priority) override;
  HRESULT put_IncrementalConnIndex(LONG index) override;
  HRESULT put_ConnectedType(IDispatch* type) override;
  HRESULT get_ItemType(LONG* type) override;
  HRESULT get_SNVTType(ISNVType** type) override;
  HRESULT IsSNVTCompatible(ISNVType* type, VARIANT_BOOL* compatible) override;

 private:
  ~CDBInput() override = default;

  qcom::ComPtr<IDispatch> connectedType_;
  points::PointConnection connection_;
  int32_t index_ = 0;
  std::string globalKey_;
  std::string extendedKey_;
  std::string name_;
  qcom::WeakRef<IDispatch> parent_;
  std::string value_;
  qcom::ComPtr<CDBCompatibleSNVTs> compatibles_;
  faces::CallbackList callBacks_;
  qcom::WeakRef<IChannelLink> channel_;
  bool extended_ = false;
};
