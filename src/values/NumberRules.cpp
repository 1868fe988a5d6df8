#include "values/NumberRules.h"

#include <cmath>
#include <charconv>
#include <limits>

namespace values {

double PlainParse(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    size_t expDigits = 0;
    while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j, ++expDigits;
    if (expDigits > 0) end = j;
  }
  // from_chars is locale-independent and correctly rounded; it takes no leading "+".
  std::string_view prefix = text.substr(start, end - start);
  bool negative = !prefix.empty() && prefix.front() == '-';
  if (!prefix.empty() && (prefix.front() == '+' || prefix.front() == '-')) prefix.remove_prefix(1);
  double v = 0.0;
  auto result = std::from_chars(prefix.data(), prefix.data() + prefix.size(), v);
  if (result.ec == std::errc::result_out_of_range) {
    // Too small underflows to 0, too large becomes infinite (an overflow when rounded).
    size_t e = prefix.find_first_of("eE");
    v = (e != std::string_view::npos && prefix[e + 1] == '-') ? 0.0 : HUGE_VAL;
  }
  return negative ? -v : v;
}

namespace {
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

std::optional<int32_t> RoundToInt32(double value) { return RoundTo<int32_t>(value); }
std::optional<int16_t> RoundToInt16(double value) { return RoundTo<int16_t>(value); }

}  // namespace values
