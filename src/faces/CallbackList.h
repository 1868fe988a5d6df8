#pragma once

#include <utility>
#include <vector>

#include "com/ComPtr.h"
#include "faces/Callback.h"

namespace faces {

// The host sinks registered with one object, in registration order.
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
    for (const auto& sink : sinks) announce(sink.get());
  }

 private:
  std::vector<qcom::ComPtr<IcbkAppObject>> sinks_;
};

}  // namespace faces
