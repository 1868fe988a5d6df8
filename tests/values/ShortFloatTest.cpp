#include "values/ShortFloat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

TEST(ShortFloat, WritesExponentSignAndMantissaRoundingHalfToEven) {
  // 0.1 is 204.8 steps, rounded to 205; 32752 is the largest value that fits,
  // with either sign; below half of the smallest step the value is a zero that
  // keeps its sign. Mantissas round half to even: 4095/4096 * 2048 = 2047.5
  // rounds to 2048, written as 1024 * 2^1, the same as 1, never with the
  // twelfth bit in the sign's place; likewise 511.875 -> 512 = 1024 * 2^(10 - 11).
  const std::pair<float, const char*> cases[] = {
      {0.0f, "0000"},           {0.5f, "0400"},
      {-1.0f, "1C00"},          {-100.0f, "7E40"},
      {3.0f, "2600"},           {1000.0f, "A7D0"},
      {0.1f, "00CD"},           {32752.0f, "F7FF"},
      {-32752.0f, "FFFF"},      {1e-10f, "0000"},
      {-1e-10f, "0800"},        {2047.0f / 2048, "07FF"},
      {2.5f / 2048, "0002"},    {3.5f / 2048, "0004"},
      {4095.0f / 4096, "1400"}, {-4095.0f / 4096, "1C00"},
      {4095.0f / 8, "A400"}};
  for (auto [value, hex] : cases) EXPECT_EQ(values::ShortFloatToHex(value), hex) << value;
  // 32760 would need a mantissa of 2048 at exponent 15, i.e. exponent 16.
  constexpr float kInf = std::numeric_limits<float>::infinity();
  for (float value : {32760.0f, -32768.0f, 1e30f, kInf, -kInf, std::nanf("")})
    EXPECT_EQ(values::ShortFloatToHex(value), "") << value;
}
