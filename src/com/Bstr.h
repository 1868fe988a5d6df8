#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "com/Api.h"
#include "com/Types.h"

namespace qcom {

// A BSTR points at UTF-16 code units preceded by a 32-bit byte length and
// followed by a terminating zero. Only the runtime allocates and frees them,
// so a component and a host may pass them across freely. Null is the empty text.
using BSTR = char16_t*;

QCOM_API BSTR SysAllocString(const char16_t* text);
QCOM_API BSTR SysAllocStringLen(const char16_t* text, uint32_t length);
QCOM_API void SysFreeString(BSTR text);
QCOM_API uint32_t SysStringLen(BSTR text);

// Number of BSTRs allocated and not yet freed, for leak checks in tests.
QCOM_API int64_t LiveBstrCount();

QCOM_API BSTR AllocBstr(std::string_view utf8);
QCOM_API BSTR AllocBstr(std::u16string_view utf16);
QCOM_API std::string BstrToUtf8(const char16_t* text);
QCOM_API std::u16string_view BstrView(const char16_t* text);

// Hands a new BSTR holding the text to an out parameter. This and StoreText
// carry the exception barrier (com/Boundary.h): without memory for the text
// they answer E_OUTOFMEMORY, with a null out parameter or the field unchanged.
QCOM_API HRESULT ReturnText(std::string_view utf8, BSTR* out) noexcept;
// Stores a caller's text in a field as UTF-8.
QCOM_API HRESULT StoreText(const char16_t* text, std::string& field) noexcept;

// Owns one BSTR.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::string_view utf8) : s_(AllocBstr(utf8)) {}
  explicit Bstr(const char* utf8) : s_(AllocBstr(std::string_view(utf8))) {}
  explicit Bstr(std::u16string_view utf16) : s_(AllocBstr(utf16)) {}
  Bstr(const Bstr& o) : s_(o.s_ ? SysAllocStringLen(o.s_, SysStringLen(o.s_)) : nullptr) {}
  Bstr(Bstr&& o) noexcept : s_(o.s_) { o.s_ = nullptr; }
  Bstr& operator=(Bstr o) noexcept {
    std::swap(s_, o.s_);
    return *this;
  }
  ~Bstr() { SysFreeString(s_); }

  static Bstr Attach(BSTR s) {
    Bstr b;
    b.s_ = s;
    return b;
  }
  BSTR get() const { return s_; }
  BSTR detach() {
    BSTR s = s_;
    s_ = nullptr;
    return s;
  }
  // Frees the current text and returns the slot for an out parameter.
  BSTR* out() {
    SysFreeString(s_);
    s_ = nullptr;
    return &s_;
  }
  // The slot for a by-reference argument: the callee reads the text and may
  // replace it.
  BSTR* inout() { return &s_; }
  std::string utf8() const { return BstrToUtf8(s_); }
  std::u16string_view view() const { return BstrView(s_); }
  uint32_t length() const { return SysStringLen(s_); }

 private:
  BSTR s_ = nullptr;
};

}  // namespace qcom
