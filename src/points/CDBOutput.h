#pragma once

#include <string>

#include "com/ComObject.h"
#include "com/Members.h"
#include "faces/CallbackList.h"
#include "faces/Points.h"
#include "points/CDBCompatibleSNVT.h"
#include "points/PointConnection.h"
#include "ports/ChannelLink.h"
#include "values/CDBSNVTType.h"

// Default interface of CDBOutput: the output is used through IOutput,
// ISubItemConnable and IDisplayItem.
struct _CDBOutput : IDispatch {
  QCOM_IDENTITY(IDispatch, "F5136728-563B-4B19-A23E-9E3517AA46F5");

 protected:
  ~_CDBOutput() = default;
};

namespace points::detail {

// IOutput and IDisplayItem both have an IsConnected getter with different
// answers; these give each slot its own name in the implementing class.
struct OutputFace : IOutput {
  HRESULT get_IsConnected(VARIANT_BOOL* connected) final { return OutputIsConnected(connected); }
  virtual HRESULT OutputIsConnected(VARIANT_BOOL* connected) = 0;

 protected:
  ~OutputFace() = default;
};

struct DisplayItemFace : IDisplayItem {
  HRESULT get_IsConnected(VARIANT_BOOL* connected) final { return DisplayIsConnected(connected); }
  virtual HRESULT DisplayIsConnected(VARIANT_BOOL* connected) = 0;

 protected:
  ~DisplayItemFace() = default;
};

}  // namespace points::detail

// A connection point through which the application object sends the value of
// one input channel (AI or DI) to the network, typed with one SNVT. The host's
// display views show it too. It refers to its channel and to the application
// object (its Parent) without holding them: both own it.
class CDBOutput final : public qcom::ComObject<_CDBOutput, points::detail::OutputFace,
                                               ISubItemConnable, points::detail::DisplayItemFace> {
 public:
  CDBOutput();

  void SetName(std::string name) { name_ = std::move(name); }
  void SetGlobalKey(std::string key) { globalKey_ = std::move(key); }
  void SetExtendedKey(std::string key) { extendedKey_ = std::move(key); }
  void SetIndex(int32_t index) { index_ = index; }
  void SetParent(IDispatch* appObject) { parent_ = qcom::WeakRef<IDispatch>(appObject); }
  void SetDisplayWritable(bool writable) { displayWritable_ = writable; }
  void SetChannel(IChannelLink* channel) { channel_ = qcom::WeakRef<IChannelLink>(channel); }
  // Stores the SNVT number and loads its type record from the catalogue.
  void SetType(const std::string& id);
  const std::string& NameText() const { return name_; }
  // The key of the bound channel; empty without one.
  std::string GetChannelGlobalKey();

  const std::string& GlobalKeyText() const { return globalKey_; }
  const std::string& ExtendedKeyText() const { return extendedKey_; }
  int32_t IndexValue() const { return index_; }
  bool IsDisplayableFlag() const { return isDisplayable_; }
  bool IsDisplayWritable() const { return displayWritable_; }
  bool IsConnectedFlag() const { return connection_.IsConnected(); }
  int32_t ConnectionCount() const { return connection_.Count(); }
  const std::string& SnvtId() const { return snvtId_; }
  IChannelLink* Channel() const { return channel_.get(); }

  // IOutput, in slot order (get_Name, get_GlobalKey, get_SNVTType and
  // get_IsDisplayable also serve the other interfaces)
  HRESULT OutputIsConnected(VARIANT_BOOL* connected) override;
  HRESULT put_CallBack(IcbkAppObject* sink) override;
  HRESULT put_changeType(BSTR type) override;
  HRESULT get_NodeType(LONG* type) override;
  HRESULT get_Visible(VARIANT_BOOL* visible) override;
  HRESULT get_Name(BSTR* name) override;
  HRESULT get_GlobalKey(BSTR* key) override;
  HRESULT get_Index(LONG* index) override;
  HRESULT get_SNVTCompatible(ICompatibleSNVT** type) override;
  HRESULT get_SNVTType(ISNVType** type) override;
  HRESULT get_Parent(IDispatch** appObject) override;
  HRESULT get_DisplayWritable(VARIANT_BOOL* writable) override;
  HRESULT get_IsTypeDependent(VARIANT_BOOL* dependent) override;
  HRESULT get_ExtendedKey(BSTR* key) override;
  HRESULT get_IsMacroConnected(VARIANT_BOOL* connected) override;
  HRESULT get_IsDisplayable(VARIANT_BOOL* displayable) override;
  HRESULT put_IsDisplayable(VARIANT_BOOL displayable) override;

  // ISubItemConnable, in slot order
  HRESULT put_IsConnected(VARIANT_BOOL connected) override;
  HRESULT put_HasPriority(VARIANT_BOOL priority) override;
  HRESULT put_IncrementalConnIndex(LONG index) override;
  HRESULT put_ConnectedType(IDispatch* type) override;
  HRESULT get_ItemType(LONG* type) override;
  HRESULT IsSNVTCompatible(ISNVType* type, VARIANT_BOOL* compatible) override;

  // IDisplayItem, in slot order
  HRESULT get_DisplayText(BSTR* text) override;
  HRESULT put_DisplayText(BSTR text) override;
  HRESULT get_Key(BSTR* key) override;
  HRESULT get_itemType(LONG* type) override;
  HRESULT get_Icon(LONG* icon) override;
  HRESULT get_IsWritable(VARIANT_BOOL* writable) override;
  HRESULT get_IsTrendable(VARIANT_BOOL* trendable) override;
  HRESULT get_Reference(BSTR* reference) override;
  HRESULT DisplayIsConnected(VARIANT_BOOL* connected) override;
  HRESULT get_Fields(IDispatch** fields) override;

 private:
  ~CDBOutput() override = default;
  // 16384 + 256 * Index + the application object's export index, as four hex digits.
  std::string Reference() const;

  points::PointConnection connection_;
  std::string globalKey_;
  std::string extendedKey_;
  std::string name_;
  // The type as its number and its shared record; the objects a host asks for
  // are made when first asked for (most outputs are never asked).
  std::string snvtId_;
  std::shared_ptr<const values::SnvtFields> typeRecord_;
  qcom::ComPtr<CDBCompatibleSNVT> compatible_;
  qcom::ComPtr<CDBSNVTType> snvtType_;
  bool displayWritable_ = false;
  int32_t index_ = 0;
  qcom::WeakRef<IDispatch> parent_;
  faces::CallbackList callBacks_;
  qcom::WeakRef<IChannelLink> channel_;
  bool isDisplayable_ = false;
  std::string displayText_;
};
