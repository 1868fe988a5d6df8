#include "com/Guid.h"

#include <cstdio>

namespace qcom {

std::string GuidToString(const GUID& g) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
  return buf;
}

namespace {
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ReadHex(std::string_view text, size_t& pos, int digits, uint64_t& out) {
  out = 0;
  for (int i = 0; i < digits; ++i) {
    if (pos >= text.size()) return false;
    int v = HexValue(text[pos++]);
    if (v < 0) return false;
    out = out * 16 + static_cast<uint64_t>(v);
  }
  return true;
}

bool Expect(std::string_view text, size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}
}  // namespace

std::optional<GUID> GuidFromString(std::string_view text) {
  bool braced = !text.empty() && text.front() == '{';
  if (braced) {
    if (text.size() != 38 || text.back() != '}') return std::nullopt;
    text = text.substr(1, 36);
  }
  if (text.size() != 36) return std::nullopt;
  GUID g{};
  size_t pos = 0;
  uint64_t v = 0;
  if (!ReadHex(text, pos, 8, v)) return std::nullopt;
  g.Data1 = static_cast<uint32_t>(v);
  if (!Expect(text, pos, '-') || !ReadHex(text, pos, 4, v)) return std::nullopt;
  g.Data2 = static_cast<uint16_t>(v);
  if (!Expect(text, pos, '-') || !ReadHex(text, pos, 4, v)) return std::nullopt;
  g.Data3 = static_cast<uint16_t>(v);
  if (!Expect(text, pos, '-')) return std::nullopt;
  for (int i = 0; i < 8; ++i) {
    if (i == 2 && !Expect(text, pos, '-')) return std::nullopt;
    if (!ReadHex(text, pos, 2, v)) return std::nullopt;
    g.Data4[i] = static_cast<uint8_t>(v);
  }
  return g;
}

}  // namespace qcom
