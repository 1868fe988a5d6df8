#pragma once

#include <string>
#include <vector>

#include "com/Utf.h"
#include "com/VariantCoercion.h"

namespace testing_support {

// What a late-bound call answered.
struct Answer {
  HRESULT hr;
  qcom::Variant result;
  unsigned argErr = ~0u;
  // The result as a scripting client prints it.
  std::string text() const {
    qcom::Variant text;
    VariantChangeType(text.out(), &result.raw(), 0, VT_BSTR);
    return text.text();
  }
};

// Calls a member by name as a scripting client does: arguments in the order the
// script writes them, a put's value as the named argument DISPID_PROPERTYPUT.
inline Answer CallByName(IDispatch* target, const std::string& name, WORD flags,
                         std::vector<qcom::Variant> args = {}) {
  std::u16string wide = qcom::ToUtf16(name);
  char16_t* names[] = {wide.data()};
  DISPID id = 0;
  Answer answer{target->GetIDsOfNames(GUID_NULL, names, 1, 0, &id), {}};
  if (FAILED(answer.hr)) return answer;
  std::vector<VARIANT> raw;
  for (auto it = args.rbegin(); it != args.rend(); ++it) raw.push_back(it->raw());
  DISPID put = DISPID_PROPERTYPUT;
  const bool isPut = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
  DISPPARAMS params{raw.data(), &put, static_cast<unsigned>(raw.size()), isPut ? 1u : 0u};
  answer.hr = target->Invoke(id, GUID_NULL, 0, flags, &params, answer.result.out(), nullptr,
                             &answer.argErr);
  return answer;
}

constexpr WORD kGet = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

// A by-reference argument: the member reads and writes the caller's value.
template <class T>
qcom::Variant ByRef(VARTYPE type, T* target) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | type;
  v.byref = target;
  return qcom::Variant::Attach(v);
}

}  // namespace testing_support
