#pragma once

#include <atomic>
#include <memory>
#include <type_traits>
#include <utility>

#include "com/ComPtr.h"
#include "com/DualInterface.h"
#include "com/Unknown.h"
#include "com/WeakRef.h"

namespace qcom {

// Live objects and server locks of one shared object (component, runtime or
// program). Every shared object is built with hidden visibility, so each one
// gets its own instance; DllCanUnloadNow reads it.
struct ModuleState {
  std::atomic<int32_t> objects{0};
  std::atomic<int32_t> locks{0};
};

inline ModuleState& ThisModule() {
  static ModuleState state;
  return state;
}

namespace detail {
template <class I>
constexpr bool Answers(REFIID iid) {
  if (iid == I::iid) return true;
  if constexpr (!std::is_void_v<typename I::BaseInterface>)
    return Answers<typename I::BaseInterface>(iid);
  else
    return false;
}
}  // namespace detail

// The IUnknown boilerplate in one place: reference counting, QueryInterface over
// the listed interfaces (and every interface they extend), the object count of
// the module, and, through DualInterface, the IDispatch slots of each dual
// interface. IDispatch itself is the first listed interface that has its slots.
template <class First, class... Rest>
class ComObject : public DualInterface<First>, public DualInterface<Rest>... {
 public:
  ComObject() { ThisModule().objects.fetch_add(1); }
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT QueryInterface(REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = Find<First, Rest...>(iid);
    if (!*ppv && iid == IWeakSource::iid) {
      // Made when first asked for: few objects are ever held weakly.
      if (!weakSource_) weakSource_ = std::make_unique<WeakSource>(this);
      *ppv = weakSource_.get();
    }
    if (!*ppv) *ppv = QueryExtra(iid);
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG AddRef() { return refs_.fetch_add(1) + 1; }
  ULONG Release() {
    ULONG left = refs_.fetch_sub(1) - 1;
    if (left == 0) {
      // Weak references see the object gone before its members go.
      if (weakSource_ && weakSource_->liveness) weakSource_->liveness->alive.store(false);
      delete this;
    }
    return left;
  }

  // The object's identity pointer (what QueryInterface for IUnknown returns).
  IUnknown* Identity() { return static_cast<First*>(this); }

 protected:
  virtual ~ComObject() { ThisModule().objects.fetch_sub(1); }
  // Interfaces answered besides the listed ones (no reference taken here).
  virtual void* QueryExtra(REFIID) { return nullptr; }

 private:
  template <class I, class... More>
  void* Find(REFIID iid) {
    if (detail::Answers<I>(iid)) return static_cast<I*>(this);
    if constexpr (sizeof...(More) > 0)
      return Find<More...>(iid);
    else
      return nullptr;
  }

  // The object's IWeakSource, answered with the object's identity and count.
  struct WeakSource final : IWeakSource {
    explicit WeakSource(ComObject* owner) : owner(owner) {}
    HRESULT QueryInterface(REFIID iid, void** ppv) override {
      return owner->QueryInterface(iid, ppv);
    }
    ULONG AddRef() override { return owner->AddRef(); }
    ULONG Release() override { return owner->Release(); }
    std::shared_ptr<Liveness> LivenessToken() override {
      if (!liveness) liveness = std::make_shared<Liveness>();
      return liveness;
    }
    ComObject* owner;
    std::shared_ptr<Liveness> liveness;
  };

  std::atomic<ULONG> refs_{0};
  std::unique_ptr<WeakSource> weakSource_;
};

// Creates an object with one reference, owned by the returned pointer.
template <class T, class... Args>
ComPtr<T> Make(Args&&... args) {
  return ComPtr<T>(new T(std::forward<Args>(args)...));
}

}  // namespace qcom
