#include "values/ShortFloat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(ShortFloat, WritesExponentSignAndMantissa) {
  EXPECT_EQ(values::ShortFloatToHex(0.0f), "0000");
  EXPECT_EQ(values::ShortFloatToHex(0.5f), "0400");
  EXPECT_EQ(values::ShortFloatToHex(1.0f), "1400");
  EXPECT_EQ(values::ShortFloatToHex(-1.0f), "1C00");
  EXPECT_EQ(values::ShortFloatToHex(100.0f), "7640");
  EXPECT_EQ(values::ShortFloatToHex(-100.0f), "7E40");
  EXPECT_EQ(values::ShortFloatToHex(3.0f), "2600");
  EXPECT_EQ(values::ShortFloatToHex(1000.0f), "A7D0");
  EXPECT_EQ(values::ShortFloatToHex(0.1f), "00CD");  // 204.8 rounds to 205
  EXPECT_EQ(values::ShortFloatToHex(2047.0f / 2048), "07FF");
  EXPECT_EQ(values::ShortFloatToHex(-2047.0f / 2048), "0FFF");
  // The largest value that fits, with either sign.
  EXPECT_EQ(values::ShortFloatToHex(32752.0f), "F7FF");
  EXPECT_EQ(values::ShortFloatToHex(-32752.0f), "FFFF");
}

TEST(ShortFloat, MantissaRoundsHalfToEven) {
  EXPECT_EQ(values::ShortFloatToHex(2.5f / 2048), "0002");
  EXPECT_EQ(values::ShortFloatToHex(3.5f / 2048), "0004");
  // Below half of the smallest step the value is a zero that keeps its sign.
  EXPECT_EQ(values::ShortFloatToHex(1e-10f), "0000");
  EXPECT_EQ(values::ShortFloatToHex(-1e-10f), "0800");
}

TEST(ShortFloat, MantissaRoundingUpTo2048MovesToTheNextExponent) {
  // 4095/4096 * 2048 = 2047.5, which rounds to 2048: written as 1024 * 2^1, the
  // same as 1, never with the twelfth bit in the sign's place.
  EXPECT_EQ(values::ShortFloatToHex(4095.0f / 4096), "1400");
  EXPECT_EQ(values::ShortFloatToHex(-4095.0f / 4096), "1C00");
  EXPECT_EQ(values::ShortFloatToHex(4095.0f / 8), "A400");  // 511.875 -> 512 = 1024 * 2^(10 - 11)
}

TEST(ShortFloat, ValuesBeyondExponent15HaveNoShortFloat) {
  // 32760 would need a mantissa of 2048 at exponent 15, i.e. exponent 16.
  EXPECT_EQ(values::ShortFloatToHex(32760.0f), "");
  EXPECT_EQ(values::ShortFloatToHex(-32768.0f), "");
  EXPECT_EQ(values::ShortFloatToHex(1e30f), "");
  EXPECT_EQ(values::ShortFloatToHex(std::numeric_limits<float>::max()), "");
  EXPECT_EQ(values::ShortFloatToHex(std::numeric_limits<float>::infinity()), "");
  EXPECT_EQ(values::ShortFloatToHex(-std::numeric_limits<float>::infinity()), "");
  EXPECT_EQ(values::ShortFloatToHex(std::nanf("")), "");
}

}  // namespace
