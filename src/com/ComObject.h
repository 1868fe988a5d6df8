#pragma once

#include <atomic>
#include <type_traits>
#include <utility>

#include "com/ComPtr.h"
#include "com/Unknown.h"

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
// the module, and the IDispatch slots of dual interfaces.
template <class First, class... Rest>
class ComObject : public First, public Rest... {
 public:
  ComObject() { ThisModule().objects.fetch_add(1); }
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT QueryInterface(REFIID iid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = Find<First, Rest...>(iid);
    if (!*ppv) *ppv = QueryExtra(iid);
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG AddRef() { return refs_.fetch_add(1) + 1; }
  ULONG Release() {
    ULONG left = refs_.fetch_sub(1) - 1;
    if (left == 0) delete this;
    return left;
  }

  HRESULT GetTypeInfoCount(unsigned* count) {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT GetTypeInfo(unsigned, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT GetIDsOfNames(REFIID, char16_t**, unsigned, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }
  HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, unsigned*) {
    return DISP_E_UNKNOWNNAME;
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

  std::atomic<ULONG> refs_{0};
};

// Creates an object with one reference, owned by the returned pointer.
template <class T, class... Args>
ComPtr<T> Make(Args&&... args) {
  return ComPtr<T>(new T(std::forward<Args>(args)...));
}

}  // namespace qcom
