#pragma once

#include <utility>
#include <vector>

#include "com/ComPtr.h"
#include "com/WeakRef.h"
#include "faces/Callback.h"

namespace qcom {

// Marks a sink that the object it listens to owns, such as a component's own
// editor window: the object holds the window, and the window registers with
// the object. Such a sink is registered without a reference, so that the two
// do not keep each other alive. It declares no members of its own.
struct IOwnedSink : IUnknown {
  QCOM_IDENTITY(IUnknown, "7A9D3C56-1763-4D91-91DE-7E754B66C818");

 protected:
  ~IOwnedSink() = default;
};

}  // namespace qcom

namespace faces {
using ::qcom::ComPtr;
using ::qcom::IcbkAppObject;
using ::qcom::IOwnedSink;
using ::qcom::IUnknown;
using ::qcom::WeakRef;

// The host sinks registered with one object, in registration order. A sink is
// held as COM holds every interface pointer it keeps: the list takes a
// reference, so a host may register a sink it does not keep itself, and lets
// go of it when the list is cleared or goes. A sink that answers IOwnedSink is
// held without one, and skipped once it has gone.
class CallbackList {
 public:
  // Null is not registered.
  void Add(IcbkAppObject* sink) {
    if (!sink) return;
    if (qcom::QueryAs<IOwnedSink>(sink))
      sinks_.push_back({nullptr, qcom::WeakRef<IcbkAppObject>(sink)});
    else
      sinks_.push_back({qcom::ComPtr<IcbkAppObject>(sink), nullptr});
  }
  void Clear() { sinks_.clear(); }
  size_t Count() const { return sinks_.size(); }

  // Calls `announce(sink)` on every sink in order. The list is copied first, as
  // a sink may register further sinks while it is being told; those hear the
  // next announcement.
  template <class Announce>
  void ForEach(Announce announce) const {
    auto sinks = sinks_;
    for (const Entry& entry : sinks) {
      if (entry.held) {
        announce(entry.held.get());
      } else if (auto sink = entry.owned.Lock()) {
        announce(sink.get());
      }
    }
  }

 private:
  struct Entry {
    qcom::ComPtr<IcbkAppObject> held;
    qcom::WeakRef<IcbkAppObject> owned;
  };
  std::vector<Entry> sinks_;
};

}  // namespace faces
