#include "xml/SourceDecoding.h"

#include <array>

#include "com/TextRules.h"
#include "com/Utf.h"

namespace qxml {

namespace {

enum class Utf16Order { kLittle, kBig };

std::string FromUtf16(std::string_view bytes, Utf16Order order) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    auto lo = static_cast<unsigned char>(bytes[order == Utf16Order::kLittle ? i : i + 1]);
    auto hi = static_cast<unsigned char>(bytes[order == Utf16Order::kLittle ? i + 1 : i]);
    units += static_cast<char16_t>(lo | (hi << 8));
  }
  return qcom::ToUtf8(units);
}

// Windows-1252 to Unicode, taken from the system's own code page rule (which
// maps the other way) so the two cannot disagree. Unassigned bytes keep their
// ISO-8859-1 meaning.
const std::array<char16_t, 256>& Windows1252() {
  static const std::array<char16_t, 256> table = [] {
    std::array<char16_t, 256> t{};
    for (unsigned b = 0; b < 256; ++b) t[b] = static_cast<char16_t>(b);
    for (unsigned c = 0x100; c <= 0xFFFF; ++c) {
      uint8_t b = qcom::text::AnsiByte(static_cast<char16_t>(c));
      if (b >= 0x80 && b <= 0x9F) t[b] = static_cast<char16_t>(c);
    }
    return t;
  }();
  return table;
}

std::string FromWindows1252(std::string_view bytes) {
  const auto& table = Windows1252();
  std::u16string units;
  units.reserve(bytes.size());
  for (char c : bytes) units += table[static_cast<unsigned char>(c)];
  return qcom::ToUtf8(units);
}

// The value of encoding="..." in a leading XML declaration, empty without one.
std::string DeclaredEncoding(std::string_view text) {
  if (!text.starts_with("<?xml")) return {};
  std::string_view decl = text.substr(0, text.find("?>"));
  size_t at = decl.find("encoding");
  if (at == std::string_view::npos) return {};
  at = decl.find_first_of("\"'", at);
  if (at == std::string_view::npos) return {};
  size_t end = decl.find(decl[at], at + 1);
  if (end == std::string_view::npos) return {};
  return std::string(decl.substr(at + 1, end - at - 1));
}

}  // namespace

bool DecodeXmlBytes(std::string_view bytes, std::string& utf8, std::string& reason) {
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    utf8.assign(bytes.substr(3));
    return true;
  }
  if (bytes.starts_with("\xFF\xFE")) {
    utf8 = FromUtf16(bytes.substr(2), Utf16Order::kLittle);
    return true;
  }
  if (bytes.starts_with("\xFE\xFF")) {
    utf8 = FromUtf16(bytes.substr(2), Utf16Order::kBig);
    return true;
  }
  if (bytes.starts_with(std::string_view("<\0?\0", 4))) {
    utf8 = FromUtf16(bytes, Utf16Order::kLittle);
    return true;
  }
  if (bytes.starts_with(std::string_view("\0<\0?", 4))) {
    utf8 = FromUtf16(bytes, Utf16Order::kBig);
    return true;
  }

  std::string encoding = qcom::text::Lower(DeclaredEncoding(bytes));
  if (encoding.empty() || encoding == "utf-8" || encoding == "utf8" || encoding == "us-ascii" ||
      encoding == "ascii") {
    utf8.assign(bytes);
    return true;
  }
  if (encoding == "iso-8859-1" || encoding == "latin1" || encoding == "iso_8859-1" ||
      encoding == "windows-1252" || encoding == "cp1252") {
    utf8 = FromWindows1252(bytes);
    return true;
  }
  reason = "The encoding '" + DeclaredEncoding(bytes) + "' of the document is not supported.";
  return false;
}

}  // namespace qxml
