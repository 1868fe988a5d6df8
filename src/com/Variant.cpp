#include "com/Variant.h"

#include <cstring>

extern "C" {

void VariantInit(VARIANT* v) {
  if (!v) return;
  std::memset(v, 0, sizeof *v);
  v->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANT* v) {
  if (!v) return E_POINTER;
  switch (v->vt) {
    case VT_BSTR:
      SysFreeString(v->bstrVal);
      break;
    case VT_UNKNOWN:
      if (v->punkVal) v->punkVal->Release();
      break;
    case VT_DISPATCH:
      if (v->pdispVal) v->pdispVal->Release();
      break;
    default:
      break;
  }
  VariantInit(v);
  return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* src) {
  if (!dest || !src) return E_POINTER;
  if (dest == src) return S_OK;
  switch (src->vt) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I2:
    case VT_I4:
    case VT_R8:
    case VT_BOOL:
    case VT_BSTR:
    case VT_UNKNOWN:
    case VT_DISPATCH:
      break;
    default:
      return DISP_E_TYPEMISMATCH;
  }
  VariantClear(dest);
  *dest = *src;
  if (src->vt == VT_BSTR && src->bstrVal)
    dest->bstrVal = SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal));
  else if (src->vt == VT_UNKNOWN && src->punkVal)
    src->punkVal->AddRef();
  else if (src->vt == VT_DISPATCH && src->pdispVal)
    src->pdispVal->AddRef();
  return S_OK;
}
}
