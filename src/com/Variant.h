#pragma once

#include <string>
#include <string_view>

#include "com/Api.h"
#include "com/Bstr.h"
#include "com/Dispatch.h"
#include "com/Unknown.h"

namespace qcom {

enum : VARTYPE {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_R8 = 5,
  VT_BSTR = 8,
  VT_DISPATCH = 9,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_VARIANT = 12,
  VT_UNKNOWN = 13,
  VT_UI4 = 19,
  // Combined with a type: the variant points at a value of that type owned by
  // whoever passed it (an [in,out] argument); VT_BYREF | VT_VARIANT points at a VARIANT.
  VT_BYREF = 0x4000,
};

// The variant types that cross the system's interfaces. A VARIANT owns its
// BSTR and holds one reference on its object; a by-reference VARIANT owns nothing.
struct VARIANT {
  VARTYPE vt;
  WORD wReserved1, wReserved2, wReserved3;
  union {
    int16_t iVal;
    int32_t lVal;
    uint32_t ulVal;
    double dblVal;
    VARIANT_BOOL boolVal;
    HRESULT scode;
    BSTR bstrVal;
    IUnknown* punkVal;
    IDispatch* pdispVal;
    int16_t* piVal;
    int32_t* plVal;
    uint32_t* pulVal;
    double* pdblVal;
    VARIANT_BOOL* pboolVal;
    HRESULT* pscode;
    BSTR* pbstrVal;
    IUnknown** ppunkVal;
    IDispatch** ppdispVal;
    VARIANT* pvarVal;
    void* byref;
  };
};

QCOM_API void VariantInit(VARIANT* v);
QCOM_API HRESULT VariantClear(VARIANT* v);
// Deep copy: a new BSTR, one more reference on an object. DISP_E_BADVARTYPE-like
// failures (an unknown type tag) answer DISP_E_TYPEMISMATCH.
QCOM_API HRESULT VariantCopy(VARIANT* dest, const VARIANT* src);
// The same, but a by-reference source is copied as the value it points at.
QCOM_API HRESULT VariantCopyInd(VARIANT* dest, const VARIANT* src);

// Moves value, of the type a by-reference variant points at, to where it
// points; what was there is freed. DISP_E_TYPEMISMATCH for a value of another type.
QCOM_API HRESULT StoreThroughReference(const VARIANT& reference, VARIANT& value);

// Owns one VARIANT.
class Variant {
 public:
  Variant() { VariantInit(&v_); }
  Variant(int16_t i) : Variant() { v_.vt = VT_I2, v_.iVal = i; }
  Variant(int32_t i) : Variant() { v_.vt = VT_I4, v_.lVal = i; }
  Variant(double d) : Variant() { v_.vt = VT_R8, v_.dblVal = d; }
  Variant(bool b) : Variant() { v_.vt = VT_BOOL, v_.boolVal = ToVariantBool(b); }
  Variant(VARIANT_BOOL b) : Variant() { v_.vt = VT_BOOL, v_.boolVal = b; }
  Variant(std::string_view text) : Variant() { v_.vt = VT_BSTR, v_.bstrVal = AllocBstr(text); }
  Variant(const char* text) : Variant(std::string_view(text)) {}
  Variant(IUnknown* p) : Variant() {
    v_.vt = VT_UNKNOWN, v_.punkVal = p;
    if (p) p->AddRef();
  }
  Variant(IDispatch* p) : Variant() {
    v_.vt = VT_DISPATCH, v_.pdispVal = p;
    if (p) p->AddRef();
  }
  Variant(const Variant& o) : Variant() { VariantCopy(&v_, &o.v_); }
  Variant(Variant&& o) noexcept : v_(o.v_) { VariantInit(&o.v_); }
  Variant& operator=(Variant o) noexcept {
    std::swap(v_, o.v_);
    return *this;
  }
  ~Variant() { VariantClear(&v_); }

  // Takes over the contents of a VARIANT that the caller owned.
  static Variant Attach(VARIANT& v) {
    Variant r;
    r.v_ = v;
    VariantInit(&v);
    return r;
  }

  VARTYPE type() const { return v_.vt; }
  const VARIANT& raw() const { return v_; }
  VARIANT* out() {
    VariantClear(&v_);
    return &v_;
  }
  // Copies into a caller's VARIANT (an out parameter).
  HRESULT CopyTo(VARIANT* dest) const {
    if (!dest) return E_POINTER;
    VariantInit(dest);
    return VariantCopy(dest, &v_);
  }

  // The text of a BSTR variant, empty for any other type.
  std::string text() const { return v_.vt == VT_BSTR ? BstrToUtf8(v_.bstrVal) : std::string(); }
  // The object of an UNKNOWN or DISPATCH variant, null otherwise (no new reference).
  IUnknown* object() const {
    return v_.vt == VT_UNKNOWN    ? v_.punkVal
           : v_.vt == VT_DISPATCH ? static_cast<IUnknown*>(v_.pdispVal)
                                  : nullptr;
  }

 private:
  VARIANT v_;
};

}  // namespace qcom
