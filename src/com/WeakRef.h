#pragma once

#include <atomic>
#include <memory>

#include "com/ComPtr.h"
#include "com/Unknown.h"

namespace qcom {

// Shared between an object and the weak references to it; cleared when the
// object's last reference goes.
struct Liveness {
  std::atomic<bool> alive{true};
};

// Offered by every object of the runtime's ComObject: the token weak
// references watch. Internal to the runtime's users, not a host interface.
struct IWeakSource : IUnknown {
  QCOM_IDENTITY(IUnknown, "6E1F4C1B-94A2-4C37-8F0C-3B1D2E5A7C90");
  virtual std::shared_ptr<Liveness> LivenessToken() = 0;

 protected:
  ~IWeakSource() = default;
};

// A reference that does not keep its object alive: what a part holds of its
// owner (a module of its application object, a point of its channel, a list
// of its registered sinks), so that an owner its host releases is freed even
// when nobody called Destroy. Lock() gives a reference while the object lives,
// null after. An object that offers no IWeakSource (one of another runtime)
// cannot be watched and is held as a normal reference.
template <class T>
class WeakRef {
 public:
  WeakRef() = default;
  WeakRef(std::nullptr_t) {}
  explicit WeakRef(T* p) {
    if (!p) return;
    if (auto source = QueryAs<IWeakSource>(p)) {
      token_ = source->LivenessToken();
      raw_ = p;
    } else {
      strong_ = ComPtr<T>(p);
    }
  }

  ComPtr<T> Lock() const {
    if (strong_) return strong_;
    return token_ && token_->alive.load() ? ComPtr<T>(raw_) : nullptr;
  }
  // The object while it lives, without a new reference; for a call made right
  // away, during which the caller's own reference keeps the owner alive.
  T* get() const {
    if (strong_) return strong_.get();
    return token_ && token_->alive.load() ? raw_ : nullptr;
  }
  T* operator->() const { return get(); }
  explicit operator bool() const { return get() != nullptr; }
  void reset() { *this = WeakRef(); }

 private:
  T* raw_ = nullptr;
  std::shared_ptr<Liveness> token_;
  ComPtr<T> strong_;
};

}  // namespace qcom
