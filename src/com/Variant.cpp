#include "com/Variant.h"

#include <cstring>

namespace {

bool Carried(VARTYPE vt) {
  switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I2:
    case VT_I4:
    case VT_UI4:
    case VT_R8:
    case VT_BOOL:
    case VT_ERROR:
    case VT_BSTR:
    case VT_UNKNOWN:
    case VT_DISPATCH:
      return true;
    default:
      return false;
  }
}

// Bytes of a value of a type a by-reference variant points at; 0 for any other.
size_t ValueSize(VARTYPE type) {
  switch (type) {
    case VT_I2:
    case VT_BOOL:
      return 2;
    case VT_I4:
    case VT_UI4:
    case VT_ERROR:
      return 4;
    case VT_R8:
      return 8;
    case VT_BSTR:
    case VT_UNKNOWN:
    case VT_DISPATCH:
      return sizeof(void*);
    default:
      return 0;
  }
}

// The value a by-reference variant points at, as a variant that borrows it.
HRESULT Dereference(const VARIANT& src, VARIANT& value) {
  VariantInit(&value);
  const VARTYPE type = src.vt & ~VT_BYREF;
  if (!src.byref) return E_POINTER;
  if (type == VT_VARIANT) {
    if (src.pvarVal->vt & VT_BYREF) return DISP_E_TYPEMISMATCH;
    value = *src.pvarVal;
    return S_OK;
  }
  const size_t size = ValueSize(type);
  if (!size) return DISP_E_TYPEMISMATCH;
  value.vt = type;
  std::memcpy(&value.iVal, src.byref, size);  // every field starts where iVal does
  return S_OK;
}

}  // namespace

namespace qcom {

void VariantInit(VARIANT* v) {
  if (!v) return;
  std::memset(v, 0, sizeof *v);
  v->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANT* v) {
  if (!v) return E_POINTER;
  // A by-reference variant owns nothing; the VT_BYREF bit keeps it out of the cases.
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
  // A by-reference variant copies as the same reference.
  if (!Carried(src->vt & ~VT_BYREF) && src->vt != (VT_BYREF | VT_VARIANT))
    return DISP_E_TYPEMISMATCH;
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

HRESULT VariantCopyInd(VARIANT* dest, const VARIANT* src) {
  if (!dest || !src) return E_POINTER;
  if (!(src->vt & VT_BYREF)) return VariantCopy(dest, src);
  VARIANT value, copy;
  VariantInit(&copy);
  if (HRESULT hr = Dereference(*src, value); FAILED(hr)) return hr;
  // Copied aside first: dest may be the source itself or the value it points at.
  if (HRESULT hr = VariantCopy(&copy, &value); FAILED(hr)) return hr;
  VariantClear(dest);
  *dest = copy;
  return S_OK;
}
}  // namespace qcom

namespace qcom {

HRESULT StoreThroughReference(const VARIANT& reference, VARIANT& value) {
  if (!(reference.vt & VT_BYREF) || !reference.byref) return E_INVALIDARG;
  const size_t size = ValueSize(value.vt);
  if (value.vt != (reference.vt & ~VT_BYREF) || !size) return DISP_E_TYPEMISMATCH;
  if (value.vt == VT_BSTR)
    SysFreeString(*reference.pbstrVal);
  else if ((value.vt == VT_UNKNOWN || value.vt == VT_DISPATCH) && *reference.ppunkVal)
    (*reference.ppunkVal)->Release();
  std::memcpy(reference.byref, &value.iVal, size);
  VariantInit(&value);  // what it held now belongs to the reference
  return S_OK;
}

}  // namespace qcom
