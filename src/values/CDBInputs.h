#pragma once

#include <string>

#include "com/ComObject.h"
#include "faces/Callback.h"
#include "faces/Points.h"
#include "values/CDBInput.h"
#include "values/CallbackList.h"
#include "values/ChannelLink.h"
#include "values/KeyedCollection.h"

// Default interface of CDBInputs: the collection is used through IInputs.
struct _CDBInputs : IDispatch {
  QCOM_IDENTITY(IDispatch, "6DDF35E7-4B31-418D-B779-C154DE5B2B3B");

 protected:
  ~_CDBInputs() = default;
};

// The inputs of an application object, in creation order, keyed by name. It
// announces every input it adds or removes to the host's callback sinks, in
// the order they were registered.
class CDBInputs final : public qcom::ComObject<_CDBInputs, IInputs> {
 public:
  // Creates the input `name` of a channel, accepting the SNVTs of the
  // ","-separated list `ids`, and announces it. Null, with nothing added or
  // announced, for an empty name, a name already taken or no channel.
  qcom::ComPtr<CDBInput> AddInput(const std::string& name, const std::string& ids,
                                  IDispatch* parent, IChannelLink* channel);
  // Removes and announces every input of the channel.
  void RemoveByChannel(IChannelLink* channel);
  // Store the key and give every input the key & "\" & its name.
  void SetGlobalKey(std::string key);
  void SetExtendedKey(std::string key);
  // Registers a host sink for the announcements; null is ignored.
  void CallBack(IcbkAppObject* sink);

  size_t Count() const { return items_.Count(); }
  const values::KeyedCollection<CDBInput>& Items() const { return items_; }
  const std::string& GlobalKeyText() const { return globalKey_; }
  const std::string& ExtendedKeyText() const { return extendedKey_; }

  // IInputs, in slot order
  HRESULT put_CallBack(IcbkAppObject* sink) override;
  HRESULT get_Count(LONG* count) override;
  HRESULT get_Item(VARIANT key, IInput** item) override;
  HRESULT get__NewEnum(IUnknown** enumerator) override;
  HRESULT get_GlobalKey(BSTR* key) override;
  HRESULT get_ExtendedKey(BSTR* key) override;

 private:
  std::string globalKey_;
  std::string extendedKey_;
  values::KeyedCollection<CDBInput> items_;
  values::CallbackList callBacks_;
};
