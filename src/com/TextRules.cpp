#include "com/TextRules.h"

#include "com/Utf.h"

namespace qcom::text {

char16_t UpperUnit(char16_t c) {
  if (c < 0x80) return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 0x20) : c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x17F) {
    // Latin Extended-A pairs capitals and small letters; the run 0x139..0x148 and
    // 0x179..0x17E puts the capital on the odd code.
    bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
    if (oddCapitals) return (c % 2 == 0) ? static_cast<char16_t>(c - 1) : c;
    return (c % 2 == 1) ? static_cast<char16_t>(c - 1) : c;
  }
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return static_cast<char16_t>(c - 0x20);
  if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 0x20);
  if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 0x50);
  return c;
}

namespace {
char16_t LowerUnit(char16_t c) {
  if (c < 0x80) return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 0x20) : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 0x20);
  if (c == 0x178) return 0xFF;
  if (c >= 0x100 && c <= 0x17F) {
    if (c == 0x130 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
    bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (oddCapitals) return (c % 2 == 1) ? static_cast<char16_t>(c + 1) : c;
    return (c % 2 == 0) ? static_cast<char16_t>(c + 1) : c;
  }
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return static_cast<char16_t>(c + 0x20);
  if (c >= 0x410 && c <= 0x42F) return static_cast<char16_t>(c + 0x20);
  if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 0x50);
  return c;
}

template <class F>
std::string MapUnits(std::string_view s, F f) {
  bool ascii = true;
  for (char ch : s) ascii = ascii && static_cast<unsigned char>(ch) < 0x80;
  if (ascii) {
    std::string out(s);
    for (char& ch : out) ch = static_cast<char>(f(static_cast<char16_t>(ch)));
    return out;
  }
  std::u16string u = ToUtf16(s);
  for (char16_t& c : u) c = f(c);
  return ToUtf8(u);
}
}  // namespace

std::string Upper(std::string_view s) {
  return MapUnits(s, UpperUnit);
}
std::string Lower(std::string_view s) {
  return MapUnits(s, LowerUnit);
}

int CompareNoCase(std::string_view a, std::string_view b) {
  auto ascii = [](std::string_view s) {
    for (char ch : s)
      if (static_cast<unsigned char>(ch) >= 0x80) return false;
    return true;
  };
  if (ascii(a) && ascii(b)) {
    // One byte is one unit: the same order without converting.
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
      char16_t ca = UpperUnit(static_cast<char16_t>(a[i])),
               cb = UpperUnit(static_cast<char16_t>(b[i]));
      if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
  }
  std::u16string ua = ToUtf16(a), ub = ToUtf16(b);
  size_t n = ua.size() < ub.size() ? ua.size() : ub.size();
  for (size_t i = 0; i < n; ++i) {
    char16_t ca = UpperUnit(ua[i]), cb = UpperUnit(ub[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return ua.size() == ub.size() ? 0 : (ua.size() < ub.size() ? -1 : 1);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return CompareNoCase(a, b) == 0;
}

size_t Length(std::string_view s) {
  return ToUtf16(s).size();
}

std::string Left(std::string_view s, size_t n) {
  return Mid(s, 0, n);
}

std::string Mid(std::string_view s, size_t start, size_t n) {
  std::u16string u = ToUtf16(s);
  if (start >= u.size()) return {};
  return ToUtf8(std::u16string_view(u).substr(start, n));
}

std::string Trim(std::string_view s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  size_t e = s.find_last_not_of(' ');
  return std::string(s.substr(b, e - b + 1));
}

namespace {
// The 0x80..0x9F block of Windows-1252; 0x81, 0x8D, 0x8F, 0x90, 0x9D are unassigned.
constexpr char16_t k1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

uint8_t AnsiByte(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<uint8_t>(c);
  for (int i = 0; i < 32; ++i)
    if (k1252[i] != 0 && k1252[i] == c) return static_cast<uint8_t>(0x80 + i);
  return '?';
}

char16_t AnsiCharacter(uint8_t byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  const char16_t c = k1252[byte - 0x80];
  return c != 0 ? c : u'?';
}

namespace {
bool MatchFrom(const std::u16string& n, size_t i, const std::u16string& p, size_t j) {
  while (j < p.size()) {
    if (p[j] == u'*') {
      while (j < p.size() && p[j] == u'*') ++j;
      if (j == p.size()) return true;
      for (size_t k = i; k <= n.size(); ++k)
        if (MatchFrom(n, k, p, j)) return true;
      return false;
    }
    if (i >= n.size()) return false;
    if (p[j] != u'?' && UpperUnit(p[j]) != UpperUnit(n[i])) return false;
    ++i;
    ++j;
  }
  return i == n.size();
}
}  // namespace

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  return MatchFrom(ToUtf16(name), 0, ToUtf16(pattern), 0);
}

}  // namespace qcom::text
