#pragma once

#include "com/Guid.h"
#include "com/Types.h"

namespace qcom {

// Parses "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX" at compile time, so interface
// identifiers can be written in their registry form next to the interface.
constexpr GUID MakeGuid(const char (&s)[37]) {
  auto hex = [](char c) -> uint32_t {
    return c >= '0' && c <= '9'   ? static_cast<uint32_t>(c - '0')
           : c >= 'a' && c <= 'f' ? static_cast<uint32_t>(c - 'a' + 10)
           : c >= 'A' && c <= 'F' ? static_cast<uint32_t>(c - 'A' + 10)
                                  : throw "bad hex digit in GUID";
  };
  auto read = [&](int from, int digits) {
    uint32_t v = 0;
    for (int i = 0; i < digits; ++i) v = v * 16 + hex(s[from + i]);
    return v;
  };
  if (s[8] != '-' || s[13] != '-' || s[18] != '-' || s[23] != '-') throw "bad GUID layout";
  GUID g{read(0, 8), static_cast<uint16_t>(read(9, 4)), static_cast<uint16_t>(read(14, 4)), {}};
  g.Data4[0] = static_cast<uint8_t>(read(19, 2));
  g.Data4[1] = static_cast<uint8_t>(read(21, 2));
  for (int i = 0; i < 6; ++i) g.Data4[2 + i] = static_cast<uint8_t>(read(24 + 2 * i, 2));
  return g;
}

// Declares the identity of an interface inside its body: its IID and the
// interface it extends, which QueryInterface walks up to IUnknown.
#define QCOM_IDENTITY(base, guid) \
  using BaseInterface = base;     \
  static constexpr ::qcom::IID iid = ::qcom::MakeGuid(guid)

struct IUnknown {
  using BaseInterface = void;
  static constexpr IID iid = qcom::MakeGuid("00000000-0000-0000-C000-000000000046");

  virtual HRESULT QueryInterface(REFIID riid, void** ppv) = 0;
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  ~IUnknown() = default;
};

struct ITypeInfo;
struct VARIANT;
struct DISPPARAMS;
struct EXCEPINFO;

// Calls by name: a dual interface answers the members its declaration lists
// (Members.h); any other answers DISP_E_UNKNOWNNAME and DISP_E_MEMBERNOTFOUND.
struct IDispatch : IUnknown {
  QCOM_IDENTITY(IUnknown, "00020400-0000-0000-C000-000000000046");

  virtual HRESULT GetTypeInfoCount(unsigned* count) = 0;
  virtual HRESULT GetTypeInfo(unsigned index, LCID lcid, ITypeInfo** info) = 0;
  virtual HRESULT GetIDsOfNames(REFIID riid, char16_t** names, unsigned count, LCID lcid,
                                DISPID* ids) = 0;
  virtual HRESULT Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                         VARIANT* result, EXCEPINFO* excep, unsigned* argErr) = 0;

 protected:
  ~IDispatch() = default;
};

template <class I>
constexpr const IID& IidOf() {
  return I::iid;
}

}  // namespace qcom
