#pragma once

#include <string>
#include <utility>
#include <vector>

#include "com/Boundary.h"
#include "com/Bstr.h"
#include "com/ComObject.h"
#include "com/EnumVariant.h"
#include "com/OutParam.h"
#include "faces/CallbackList.h"
#include "ports/ChannelLink.h"
#include "values/KeyedCollection.h"

namespace points {

// What the input and the output collections share: the points in order, keyed
// by name; the collection's keys, which every point's keys extend with "\" and
// its name; the host sinks its announcements go to; and the collection face
// the host reads. `Point` is the point class, `PointFace` the interface the
// host sees it through, `Face` the collection's host interface and `Default`
// its own default interface.
template <class Point, class PointFace, class Default, class Face>
class PointCollection : public qcom::ComObject<Default, Face> {
 public:
  // Store the key and give every point the key & "\" & its name. Points are
  // keyed so when they are added, and their names never change, so the same
  // key again (set before every point a channel creates) leaves them alone.
  void SetGlobalKey(std::string key) {
    if (key == globalKey_) return;
    globalKey_ = std::move(key);
    for (const auto& entry : items_) entry.item->SetGlobalKey(KeyOf(entry.item->NameText()));
  }
  void SetExtendedKey(std::string key) {
    if (key == extendedKey_) return;
    extendedKey_ = std::move(key);
    for (const auto& entry : items_)
      entry.item->SetExtendedKey(extendedKey_ + "\\" + entry.item->NameText());
  }
  // Registers a host sink for the announcements; null is ignored.
  void CallBack(IcbkAppObject* sink) { callBacks_.Add(sink); }

  size_t Count() const { return items_.Count(); }
  const values::KeyedCollection<Point>& Items() const { return items_; }
  const std::string& GlobalKeyText() const { return globalKey_; }
  const std::string& ExtendedKeyText() const { return extendedKey_; }

  // The members both collection faces have, under the same names.
  HRESULT put_CallBack(IcbkAppObject* sink) override {
    if (!sink) return E_POINTER;
    return qcom::Guarded([&] {
      CallBack(sink);
      return S_OK;
    });
  }
  HRESULT get_Count(LONG* count) override {
    return qcom::ReturnValue(static_cast<LONG>(items_.Count()), count);
  }
  HRESULT get_Item(VARIANT key, PointFace** item) override {
    return qcom::Guarded([&] { return qcom::ReturnObject<PointFace>(items_.Item(key), item); });
  }
  HRESULT get__NewEnum(IUnknown** enumerator) override {
    if (!enumerator) return E_POINTER;
    return qcom::Guarded([&] {
      std::vector<qcom::Variant> all;
      for (const auto& entry : items_)
        all.emplace_back(static_cast<IDispatch*>(static_cast<PointFace*>(entry.item.get())));
      *enumerator = qcom::MakeVariantEnumerator(std::move(all)).detach();
      return S_OK;
    });
  }
  HRESULT get_GlobalKey(BSTR* key) override { return qcom::ReturnText(globalKey_, key); }
  HRESULT get_ExtendedKey(BSTR* key) override { return qcom::ReturnText(extendedKey_, key); }

 protected:
  ~PointCollection() override = default;

  std::string KeyOf(const std::string& name) const { return globalKey_ + "\\" + name; }

  // Removes every point of `channel`, first to last, and hands each removed
  // point to `removed`. Points are matched by their channel's key (exact
  // letter case); a point without a channel belongs to none.
  template <class Removed>
  void RemoveChannelPoints(IChannelLink* channel, Removed removed) {
    if (!channel) return;
    const std::string channelKey = channel->LinkGlobalKey();
    // Searched again from the start after every removal: the announcement of
    // a removal may reach code that changes the collection.
    for (;;) {
      qcom::ComPtr<Point> found;
      for (const auto& entry : items_) {
        if (entry.item->Channel() && entry.item->GetChannelGlobalKey() == channelKey) {
          found = entry.item;
          break;
        }
      }
      if (!found) return;
      items_.Remove(found->NameText());
      removed(*found);
    }
  }

  std::string globalKey_;
  std::string extendedKey_;
  values::KeyedCollection<Point> items_;
  faces::CallbackList callBacks_;
};

}  // namespace points
