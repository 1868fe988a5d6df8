#pragma once

#include "com/Bstr.h"
#include "com/ComPtr.h"
#include "com/Types.h"

namespace qcom {

// Writing out parameters: every getter checks its pointer the same way.

template <class T, class U>
HRESULT ReturnValue(U value, T* out) {
  if (!out) return E_POINTER;
  *out = static_cast<T>(value);
  return S_OK;
}

inline HRESULT ReturnBool(bool value, VARIANT_BOOL* out) {
  return ReturnValue(ToVariantBool(value), out);
}

// A new reference (or null) to the caller.
template <class I, class T>
HRESULT ReturnObject(T* object, I** out) {
  if (!out) return E_POINTER;
  *out = object;
  if (object) object->AddRef();
  return S_OK;
}

template <class I, class T>
HRESULT ReturnObject(const ComPtr<T>& object, I** out) {
  return ReturnObject<I>(object.get(), out);
}

}  // namespace qcom
