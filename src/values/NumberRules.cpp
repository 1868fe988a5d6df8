#include "values/NumberRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "values/MMain.h"

namespace values {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Which side of the double range a number that from_chars could not hold lies
// on: the power of ten of its leading digit is positive for an overflow and
// negative for an underflow (both are hundreds away from zero by then).
bool IsHugeMagnitude(std::string_view unsignedNumber) {
  size_t e = unsignedNumber.find_first_of("eE");
  std::string_view mantissa = unsignedNumber.substr(0, e);
  int64_t exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = unsignedNumber.substr(e + 1);
    bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
      digits.remove_prefix(1);
    for (char c : digits) exponent = std::min<int64_t>(exponent * 10 + (c - '0'), 1'000'000'000);
    if (negative) exponent = -exponent;
  }
  size_t point = mantissa.find('.');
  int64_t integerDigits =
      static_cast<int64_t>(point == std::string_view::npos ? mantissa.size() : point);
  int64_t leadingZeros = 0;
  for (char c : mantissa) {
    if (c == '.') continue;
    if (c != '0') break;
    ++leadingZeros;
  }
  // The leading non-zero digit stands for 10^(integerDigits - leadingZeros - 1).
  return integerDigits - leadingZeros - 1 + exponent >= 0;
}

// The value of a checked ASCII number "[-]digits[.digits][e[sign]digits]",
// correctly rounded and independent of the process locale.
double DecimalValue(std::string_view number) {
  bool negative = !number.empty() && number.front() == '-';
  if (negative) number.remove_prefix(1);
  double v = 0.0;
  auto result = std::from_chars(number.data(), number.data() + number.size(), v);
  if (result.ec == std::errc::result_out_of_range) v = IsHugeMagnitude(number) ? HUGE_VAL : 0.0;
  return negative ? -v : v;
}

// Scans an optional exponent at text[i]; returns the end of the number, or
// npos when an "E" is not followed by digits. `out` receives the exponent.
size_t ScanExponent(std::string_view text, size_t i, std::string& out) {
  if (i >= text.size() || (text[i] != 'e' && text[i] != 'E')) return i;
  size_t j = i + 1;
  std::string exponent = "e";
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
  size_t digits = 0;
  while (j < text.size() && IsDigit(text[j])) exponent += text[j++], ++digits;
  if (digits == 0) return std::string_view::npos;
  out += exponent;
  return j;
}

// Scans "[sign]digits[<separator>digits]" from text[i] into `out` (with "-" for
// a minus and "." for the separator); returns the digits it took.
size_t ScanMantissa(std::string_view text, size_t& i, std::string_view separator,
                    std::string& out) {
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') out += '-';
    ++i;
  }
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) out += text[i++], ++digits;
  if (!separator.empty() && text.substr(i).starts_with(separator)) {
    out += '.';
    i += separator.size();
    while (i < text.size() && IsDigit(text[i])) out += text[i++], ++digits;
  }
  return digits;
}

template <class T>
std::optional<T> RoundTo(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double r = std::nearbyint(value);  // default rounding mode: to nearest, ties to even
  if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
      r > static_cast<double>(std::numeric_limits<T>::max()))
    return std::nullopt;
  return static_cast<T>(r);
}

}  // namespace

double PlainParse(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  std::string number;
  const size_t digits = ScanMantissa(text, i, ".", number);
  if (digits == 0) return 0.0;
  // A prefix ends before an "E" without exponent digits.
  ScanExponent(text, i, number);
  return DecimalValue(number);
}

std::optional<float> LocaleParse(std::string_view text) {
  auto value = LocaleParseDouble(text);
  return value ? RoundToSingle(*value) : std::nullopt;
}

std::optional<double> ReadUserNumber(std::string_view text) {
  if (Shared().localeDecimalSeparator == ".") return PlainParse(text);
  return LocaleParseDouble(text);
}

std::optional<double> ReadFiniteUserNumber(std::string_view text) {
  auto value = ReadUserNumber(text);
  return value && std::isfinite(*value) ? value : std::nullopt;
}

namespace {
// The whole text (blanks around it allowed) as a number with that separator.
std::optional<double> ParseWhole(std::string_view text, std::string_view separator) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  size_t i = 0;
  std::string number;
  const size_t digits = ScanMantissa(text, i, separator, number);
  if (digits == 0) return std::nullopt;
  i = ScanExponent(text, i, number);
  if (i != text.size()) return std::nullopt;
  double value = DecimalValue(number);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}
}  // namespace

std::optional<double> LocaleParseDouble(std::string_view text) {
  return ParseWhole(text, Shared().localeDecimalSeparator);
}

std::optional<double> ReadNumberText(std::string_view text) {
  // The first "." (else the first ",") is the decimal point, as the user's
  // separator takes its place when a value is stored.
  std::string pointed(text);
  size_t at = pointed.find('.');
  if (at == std::string::npos) at = pointed.find(',');
  if (at != std::string::npos) pointed[at] = '.';
  return ParseWhole(pointed, ".");
}

std::optional<int32_t> RoundToInt32(double value) {
  return RoundTo<int32_t>(value);
}
std::optional<int16_t> RoundToInt16(double value) {
  return RoundTo<int16_t>(value);
}

std::optional<float> RoundToSingle(double value) {
  // Halfway between the largest single and 2^128 is where rounding reaches infinity.
  constexpr double kOverflow = 0x1.ffffffp127;
  if (!std::isfinite(value) || std::fabs(value) >= kOverflow) return std::nullopt;
  return static_cast<float>(value);
}

namespace {
// Locale-independent general format with `digits` significant digits (as
// printf's %G), written with that separator and a capital E.
template <class T>
std::string GeneralText(T value, int digits, std::string_view separator) {
  // The system's value texts know no signed zero: -0 is written as 0, so a
  // scaled zero encodes like any other zero.
  if (value == 0) return "0";
  char buffer[64];
  auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  std::string text;
  for (const char* p = buffer; p != result.ptr; ++p) {
    if (*p == '.')
      text += separator;
    else
      text += (*p >= 'a' && *p <= 'z') ? static_cast<char>(*p - 'a' + 'A') : *p;
  }
  return text;
}
template <class T>
std::string GeneralText(T value, int digits) {
  return GeneralText(value, digits, Shared().localeDecimalSeparator);
}
}  // namespace

std::string PointNumberText(double value, int digits) {
  // Infinities and NaN are no value texts, but a read-back may be one.
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  return GeneralText(value, digits, ".");
}

std::string SignificantText(double value, int digits) {
  return GeneralText(value, digits);
}

std::string DecimalText(double value, int decimals) {
  char buffer[400];  // the largest double has 309 integer digits
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                              std::clamp(decimals, 0, 20));
  std::string text(buffer, result.ptr);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  // As in the other value texts, a value rounded to zero has no sign.
  if (text == "-0") text = "0";
  if (size_t point = text.find('.'); point != std::string::npos)
    text.replace(point, 1, Shared().localeDecimalSeparator);
  return text;
}

namespace {
// A decimal number as digits and a scale: value = sign x digits x 10^-scale.
struct Decimal {
  bool negative = false;
  std::string digits;  // no leading zeros; empty for zero
  int64_t scale = 0;
};

std::string StripLeadingZeros(std::string digits) {
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  return digits;
}

// Whether a >= b for digit strings without leading zeros.
bool AtLeast(const std::string& a, const std::string& b) {
  return a.size() != b.size() ? a.size() > b.size() : a >= b;
}

// The sum (or, with subtract, the difference a - b, a >= b) of digit strings of one scale.
std::string AddDigits(const std::string& a, const std::string& b, bool subtract) {
  std::string out;
  int carry = 0;
  for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
    int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
    int d = subtract ? x - y - carry : x + y + carry;
    carry = subtract ? (d < 0) : (d > 9);
    out.push_back(static_cast<char>('0' + (subtract ? (d + 10) % 10 : d % 10)));
  }
  if (carry) out.push_back('1');
  std::reverse(out.begin(), out.end());
  return StripLeadingZeros(out);
}
}  // namespace

std::optional<std::string> ExactSum(std::string_view number, int64_t integer) {
  auto value = LocaleParseDouble(number);
  if (!value) return std::nullopt;
  // The number as "[-]digits[.digits][e[sign]digits]", then as digits and scale.
  while (!number.empty() && IsBlank(number.front())) number.remove_prefix(1);
  std::string plain;
  size_t i = 0;
  ScanMantissa(number, i, Shared().localeDecimalSeparator, plain);
  std::string exponent;
  ScanExponent(number, i, exponent);
  Decimal a;
  a.negative = !plain.empty() && plain.front() == '-';
  if (a.negative) plain.erase(0, 1);
  size_t point = plain.find('.');
  a.scale = point == std::string::npos ? 0 : static_cast<int64_t>(plain.size() - point - 1);
  if (point != std::string::npos) plain.erase(point, 1);
  if (!exponent.empty()) a.scale -= std::stoll(exponent.substr(1));
  a.digits = StripLeadingZeros(plain);
  // Digits far below the smallest double are nothing a value text holds.
  if (a.scale > 1100) return DoubleText(*value + static_cast<double>(integer));
  const uint64_t magnitude =
      integer < 0 ? 0 - static_cast<uint64_t>(integer) : static_cast<uint64_t>(integer);
  Decimal b{integer < 0, StripLeadingZeros(std::to_string(magnitude)), 0};
  // One scale for both, at least 0, so both are whole numbers of that unit.
  const int64_t scale = std::max<int64_t>({a.scale, 0});
  for (Decimal* d : {&a, &b}) {
    if (!d->digits.empty()) d->digits.append(static_cast<size_t>(scale - d->scale), '0');
    d->scale = scale;
  }
  Decimal sum{a.negative, {}, scale};
  if (a.negative == b.negative) {
    sum.digits = AddDigits(a.digits, b.digits, false);
  } else if (AtLeast(a.digits, b.digits)) {
    sum.digits = AddDigits(a.digits, b.digits, true);
  } else {
    sum = {b.negative, AddDigits(b.digits, a.digits, true), scale};
  }
  if (sum.digits.empty()) return "0";
  // Positional notation: the point `scale` digits from the right, trailing zeros dropped.
  std::string digits = sum.digits;
  if (static_cast<int64_t>(digits.size()) <= scale)
    digits.insert(0, static_cast<size_t>(scale) - digits.size() + 1, '0');
  std::string text = digits.substr(0, digits.size() - static_cast<size_t>(scale));
  std::string fraction = digits.substr(digits.size() - static_cast<size_t>(scale));
  fraction.erase(fraction.find_last_not_of('0') + 1);
  if (!fraction.empty()) text += Shared().localeDecimalSeparator + fraction;
  return (sum.negative ? "-" : "") + text;
}

std::string SingleText(float value) {
  return GeneralText(value, 7);
}

std::string DoubleText(double value) {
  return GeneralText(value, 15);
}

bool ProcessLocaleUsesDecimalComma() {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(0.5f));
  return std::strchr(buffer, ',') != nullptr;
}

}  // namespace values
