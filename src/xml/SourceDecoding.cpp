#include "xml/SourceDecoding.h"

#include <array>
#include <cstdio>

#include "com/TextRules.h"
#include "com/Utf.h"
#include "xml/XmlParser.h"

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

// Takes text that must already be UTF-8 as it is.
bool TakeUtf8(std::string_view bytes, std::string& utf8, ParseErrorInfo& error) {
  utf8.assign(bytes);
  size_t valid = qcom::ValidUtf8Length(utf8);
  if (valid == utf8.size()) return true;
  char byte[8];
  std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(utf8[valid]));
  error.code = XML_E_PARSE;
  error.reason = std::string("Invalid UTF-8 (byte ") + byte +
                 "); a file in another encoding must name it in its XML declaration.";
  LocateError(utf8, valid, error);
  return false;
}

}  // namespace

bool DecodeXmlBytes(std::string_view bytes, std::string& utf8, ParseErrorInfo& error) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return TakeUtf8(bytes.substr(3), utf8, error);
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
      encoding == "ascii")
    return TakeUtf8(bytes, utf8, error);
  if (encoding == "iso-8859-1" || encoding == "latin1" || encoding == "iso_8859-1" ||
      encoding == "windows-1252" || encoding == "cp1252") {
    utf8 = FromWindows1252(bytes);
    return true;
  }
  error.code = XML_E_PARSE;
  error.reason = "The encoding '" + DeclaredEncoding(bytes) + "' of the document is not supported.";
  return false;
}

}  // namespace qxml
