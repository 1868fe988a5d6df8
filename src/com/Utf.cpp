#include "com/Utf.h"

namespace qcom {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out += static_cast<char16_t>(c);
  } else {
    c -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (c >> 10));
    out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
  }
}

// The length of the well-formed sequence starting at s[i], with its character
// in c; 0 when the bytes there start no character (a stray or missing
// continuation byte, an overlong form, a surrogate, beyond U+10FFFF).
size_t SequenceAt(std::string_view s, size_t i, char32_t& c) {
  unsigned char b = static_cast<unsigned char>(s[i]);
  if (b < 0x80) {
    c = b;
    return 1;
  }
  size_t extra = 0;
  if (b >= 0xC2 && b < 0xE0)
    extra = 1;
  else if (b >= 0xE0 && b < 0xF0)
    extra = 2;
  else if (b >= 0xF0 && b < 0xF5)
    extra = 3;
  if (extra == 0 || i + extra >= s.size()) return 0;
  c = b & (0x3F >> extra);
  for (size_t k = 1; k <= extra; ++k) {
    unsigned char cont = static_cast<unsigned char>(s[i + k]);
    if ((cont & 0xC0) != 0x80) return 0;
    c = (c << 6) | (cont & 0x3F);
  }
  bool overlong = (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000);
  if (overlong || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return 0;
  return extra + 1;
}

}  // namespace

size_t AsciiPrefixLength(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
  return i;
}

std::u16string ToUtf16(std::string_view s) {
  // Names and numbers are plain ASCII: widen them unit by unit.
  size_t i = AsciiPrefixLength(s);
  std::u16string out(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(i));
  if (i == s.size()) return out;
  out.reserve(s.size());
  while (i < s.size()) {
    char32_t c = kReplacement;
    size_t length = SequenceAt(s, i, c);
    AppendUtf16(out, length ? c : kReplacement);
    i += length ? length : 1;
  }
  return out;
}

size_t ValidUtf8Length(std::string_view s) {
  size_t i = 0;
  char32_t c;
  while (i < s.size()) {
    if (static_cast<unsigned char>(s[i]) < 0x80) {
      ++i;
      continue;
    }
    size_t length = SequenceAt(s, i, c);
    if (!length) break;
    i += length;
  }
  return i;
}

std::string ToUtf8(std::u16string_view s) {
  size_t ascii = 0;
  while (ascii < s.size() && s[ascii] < 0x80) ++ascii;
  std::string out(ascii, '\0');
  for (size_t k = 0; k < ascii; ++k) out[k] = static_cast<char>(s[k]);
  if (ascii == s.size()) return out;
  out.reserve(s.size() + s.size() / 2);
  for (size_t i = ascii; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c < 0xDC00) {
      if (i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
        ++i;
      } else {
        c = kReplacement;
      }
    } else if (c >= 0xDC00 && c < 0xE000) {
      c = kReplacement;
    }
    AppendUtf8(out, c);
  }
  return out;
}

}  // namespace qcom
