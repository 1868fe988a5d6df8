#include "com/Bstr.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

#include "com/Boundary.h"
#include "com/Utf.h"

namespace {
std::atomic<int64_t> g_liveBstrs{0};
}

namespace qcom {

BSTR SysAllocStringLen(const char16_t* text, uint32_t length) {
  // The byte length must fit the 32-bit prefix.
  if (length > UINT32_MAX / sizeof(char16_t)) return nullptr;
  // Byte length prefix, the units, and a terminating zero unit.
  size_t bytes = sizeof(uint32_t) + (static_cast<size_t>(length) + 1) * sizeof(char16_t);
  auto* block = static_cast<unsigned char*>(std::malloc(bytes));
  if (!block) return nullptr;
  uint32_t byteLength = length * static_cast<uint32_t>(sizeof(char16_t));
  std::memcpy(block, &byteLength, sizeof byteLength);
  auto* units = reinterpret_cast<char16_t*>(block + sizeof(uint32_t));
  if (text && length)
    std::memcpy(units, text, length * sizeof(char16_t));
  else if (length)
    std::memset(units, 0, length * sizeof(char16_t));
  units[length] = 0;
  g_liveBstrs.fetch_add(1, std::memory_order_relaxed);
  return units;
}

BSTR SysAllocString(const char16_t* text) {
  if (!text) return nullptr;
  uint32_t n = 0;
  while (text[n]) ++n;
  return SysAllocStringLen(text, n);
}

void SysFreeString(BSTR text) {
  if (!text) return;
  g_liveBstrs.fetch_sub(1, std::memory_order_relaxed);
  std::free(reinterpret_cast<unsigned char*>(text) - sizeof(uint32_t));
}

uint32_t SysStringLen(BSTR text) {
  if (!text) return 0;
  uint32_t byteLength;
  std::memcpy(&byteLength, reinterpret_cast<unsigned char*>(text) - sizeof(uint32_t),
              sizeof byteLength);
  return byteLength / sizeof(char16_t);
}
}  // namespace qcom

namespace qcom {

int64_t LiveBstrCount() {
  return g_liveBstrs.load(std::memory_order_relaxed);
}

BSTR AllocBstr(std::u16string_view utf16) {
  return SysAllocStringLen(utf16.data(), static_cast<uint32_t>(utf16.size()));
}

BSTR AllocBstr(std::string_view utf8) {
  if (AsciiPrefixLength(utf8) != utf8.size() || utf8.size() > UINT32_MAX)
    return AllocBstr(std::u16string_view(ToUtf16(utf8)));
  // Plain ASCII, the common case: widened straight into the string.
  BSTR text = SysAllocStringLen(nullptr, static_cast<uint32_t>(utf8.size()));
  if (text)
    for (size_t i = 0; i < utf8.size(); ++i) text[i] = static_cast<unsigned char>(utf8[i]);
  return text;
}

std::u16string_view BstrView(const char16_t* text) {
  if (!text) return {};
  return std::u16string_view(text, SysStringLen(const_cast<BSTR>(text)));
}

std::string BstrToUtf8(const char16_t* text) {
  return ToUtf8(BstrView(text));
}

HRESULT ReturnText(std::string_view utf8, BSTR* out) noexcept {
  if (!out) return E_POINTER;
  *out = nullptr;
  return Guarded([&] {
    BSTR text = AllocBstr(utf8);
    // The runtime answers null for a text only when it has no memory for it.
    if (!text && !utf8.empty()) return E_OUTOFMEMORY;
    *out = text;
    return S_OK;
  });
}

HRESULT StoreText(const char16_t* text, std::string& field) noexcept {
  return Guarded([&] {
    field = BstrToUtf8(text);
    return S_OK;
  });
}

}  // namespace qcom
