#pragma once

#include <string>

#include "com/ComObject.h"
#include "faces/Callback.h"
#include "faces/Points.h"
#include "values/CDBOutput.h"
#include "values/CallbackList.h"
#include "values/ChannelLink.h"
#include "values/KeyedCollection.h"

// Own interface of CDBOutputs.
struct _CDBOutputs : IDispatch {
  QCOM_IDENTITY(IDispatch, "7FCF9E5D-3772-481D-9C1D-FD63EBF943C0");
  virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;

 protected:
  ~_CDBOutputs() = default;
};

// The outputs of an application object, keyed by name. An analog input's
// alarm status output sits before its value output and a counter's output
// after the counter of the next lower number, so the host lists them in that
// order. Every output added or removed is announced to the host's callback
// sinks, in the order they were registered.
class CDBOutputs final : public qcom::ComObject<_CDBOutputs, IOutputs> {
 public:
  // Creates one output of a channel and announces it. Some names stand for a
  // pair of outputs: the call then rewrites `name` and `typeNumber` to what the
  // caller has to add next, and the caller calls again while `name` is not
  // empty. An output whose name is taken, or whose predecessor is missing,
  // stays out of the collection but is still announced and returned. Null
  // (and the texts untouched) for an empty name.
  qcom::ComPtr<CDBOutput> AddOutput(std::string& name, std::string& typeNumber, IDispatch* parent,
                                    IChannelLink* channel);
  // Gives the output named `name` (exact letter case) and every output after
  // it its 0-based position as Index.
  void Renumber(const std::string& name);
  // Removes and announces every output of the channel.
  void RemoveByChannel(IChannelLink* channel);
  // Removes and announces the first output, if any.
  void RemoveFirst();
  // Store the key and give every output the key & "\" & its name.
  void SetGlobalKey(std::string key);
  void SetExtendedKey(std::string key);
  // Registers a host sink for the announcements; null is ignored.
  void CallBack(IcbkAppObject* sink);

  size_t Count() const { return items_.Count(); }
  const values::KeyedCollection<CDBOutput>& Items() const { return items_; }
  const std::string& GlobalKeyText() const { return globalKey_; }
  const std::string& ExtendedKeyText() const { return extendedKey_; }

  // IOutputs, in slot order (get__NewEnum also serves the own interface)
  HRESULT get_Count(LONG* count) override;
  HRESULT get_Item(VARIANT key, IOutput** item) override;
  HRESULT get__NewEnum(IUnknown** enumerator) override;
  HRESULT get_GlobalKey(BSTR* key) override;
  HRESULT put_CallBack(IcbkAppObject* sink) override;
  HRESULT get_ExtendedKey(BSTR* key) override;

 private:
  std::string KeyOf(const std::string& name) const { return globalKey_ + "\\" + name; }
  void AnnounceRemoved(const std::string& name);

  std::string globalKey_;
  std::string extendedKey_;
  values::KeyedCollection<CDBOutput> items_;
  values::CallbackList callBacks_;
};
