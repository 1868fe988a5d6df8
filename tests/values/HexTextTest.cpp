#include "values/HexText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

TEST(HexText, ByteAndWordToHexClampLargeValuesAndTheCallersVariable) {
  // A negative value gives its two's-complement low byte and is left as it is.
  // Words split truncating toward zero: -1 / 256 is 0 and -1 % 256 is -1.
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  const std::tuple<int32_t, const char*, const char*> cases[] = {
      {10, "0A", "000A"},    {255, "FF", "00FF"}, {256, "FF", "0100"},  {65535, "FF", "FFFF"},
      {65536, "FF", "FFFF"}, {-1, "FF", "00FF"},  {-129, "7F", "007F"}, {-256, "00", "FF00"},
      {-257, "FF", "FFFF"},  {kMin, "00", "0000"}};
  for (const auto& [value, byte, word] : cases) {
    int32_t b = value, w = value;
    EXPECT_EQ(values::ByteToHex(value) + values::WordToHex(value), std::string(byte) + word)
        << value;
    EXPECT_EQ(values::ByteToHex(b) + values::WordToHex(w), std::string(byte) + word) << value;
    EXPECT_EQ(b, std::min(value, 255)) << value;
    EXPECT_EQ(w, std::min(value, 65535)) << value;
  }
}

TEST(HexText, HexToDecimalTextReadsEitherCaseAndRejectsBadOrHugeText) {
  // Any character that is no hex digit makes the value 0, wherever it stands;
  // beyond 32 bits there is no decimal text.
  const std::pair<const char*, const char*> cases[] = {
      {"", "00"},   {"5", "05"},  {"ff", "255"},    {"03e8", "1000"},
      {"G1", "00"}, {"1é", "00"}, {"80000000", ""}, {"FFFFFFFFFF", ""}};
  for (const auto& [hex, decimal] : cases) EXPECT_EQ(values::HexToDecimalText(hex), decimal) << hex;
  EXPECT_EQ(values::HexToDecimalText("7FFFFFFF"), "2147483647");
  EXPECT_EQ(values::HexToDecimalText("000000000000000F"), "15");
  EXPECT_EQ(values::HexToDecimalText(std::string(300, '0') + "1"), "");
}
