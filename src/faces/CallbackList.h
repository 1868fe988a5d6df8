#pragma once

#include <utility>
#include <vector>

#include "com/WeakRef.h"
#include "faces/Callback.h"

namespace faces {

// The host sinks registered with one object, in registration order. The list
// does not keep a sink alive: a sink often holds the object it listens to (the
// editor window does), and the pair must still go when its host lets go. A
// sink that has gone is skipped.
class CallbackList {
 public:
  // Null is not registered.
  void Add(IcbkAppObject* sink) {
    if (sink) sinks_.emplace_back(sink);
  }
  void Clear() { sinks_.clear(); }
  size_t Count() const { return sinks_.size(); }

  // Calls `announce(sink)` on every sink in order. The list is copied first, as
  // a sink may register further sinks while it is being told; those hear the
  // next announcement.
  template <class Announce>
  void ForEach(Announce announce) const {
    auto sinks = sinks_;
    for (const auto& entry : sinks)
      if (auto sink = entry.Lock()) announce(sink.get());
  }

 private:
  std::vector<qcom::WeakRef<IcbkAppObject>> sinks_;
};

}  // namespace faces
