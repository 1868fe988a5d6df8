#pragma once

#include <type_traits>

#include "com/MemberInvoker.h"

namespace qcom {

// One interface of a ComObject. An interface with IDispatch's slots answers
// them for itself: by name, the members its declaration lists (see Members.h),
// so each dual interface of an object offers its own members late-bound, as it
// does through its vtable. Others pass through unchanged.
template <class I, bool = std::is_base_of_v<IDispatch, I>>
class DualInterface : public I {
 protected:
  ~DualInterface() = default;
};

template <class I>
class DualInterface<I, true> : public I {
 public:
  HRESULT GetTypeInfoCount(unsigned* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT GetTypeInfo(unsigned, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT GetIDsOfNames(REFIID riid, char16_t** names, unsigned count, LCID, DISPID* ids) override {
    return DispatchTableOf<I>().GetIDsOfNames(riid, names, count, ids);
  }
  HRESULT Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                 EXCEPINFO*, unsigned* argErr) override {
    return DispatchTableOf<I>().Invoke(static_cast<I*>(this), id, riid, flags, params, result,
                                       argErr);
  }

 protected:
  ~DualInterface() = default;
};

}  // namespace qcom
