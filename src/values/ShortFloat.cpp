#include "values/ShortFloat.h"

#include <cmath>
#include <optional>

#include "values/HexText.h"
#include "values/NumberRules.h"

namespace values {

namespace {
constexpr int32_t kFullMantissa = 2048;  // 2^11: one past the largest 11-bit mantissa
constexpr int32_t kSignBit = 0x800;      // the top bit of the three mantissa digits
constexpr int32_t kLargestExponent = 15;
}  // namespace

std::string ShortFloatToHex(float x) {
  // |x| / 2^-11: exact in double, as are the halvings below.
  double m = std::fabs(static_cast<double>(x)) * kFullMantissa;
  int32_t exponent = 0;
  for (;;) {
    // A magnitude beyond the single range (or not finite) is far past exponent 15.
    std::optional<float> single = RoundToSingle(m);
    if (!single) return {};
    if (*single < kFullMantissa) break;
    m /= 2;
    ++exponent;
  }
  std::optional<int32_t> mantissa = RoundToInt32(m);
  if (!mantissa) return {};
  // A mantissa just below 2048 can round up to 2048, whose twelfth bit would
  // land on the sign bit. It is written as 1024 with the next exponent: the same
  // value, and the sign bit keeps its meaning.
  if (*mantissa == kFullMantissa) {
    *mantissa = kFullMantissa / 2;
    ++exponent;
  }
  if (exponent > kLargestExponent) return {};
  // The sign shares the first of the three mantissa digits (that digit plus 8).
  int32_t signAndMantissa = x < 0 ? (*mantissa | kSignBit) : *mantissa;
  return ByteToHex(exponent).substr(1) + WordToHex(signAndMantissa).substr(1);
}

}  // namespace values
