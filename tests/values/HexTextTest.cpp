#include "values/HexText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

namespace {

TEST(HexText, ByteAndWordToHexClampLargeValuesAndTheCallersVariable) {
  // A negative value gives its two's-complement low byte and is left as it is.
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  const std::pair<int32_t, const char*> bytes[] = {
      {10, "0A"}, {255, "FF"},  {256, "FF"},  {1000000, "FF"}, {300, "FF"}, {0, "00"},
      {-1, "FF"}, {-128, "80"}, {-129, "7F"}, {-256, "00"},    {kMin, "00"}};
  for (const auto& [value, hex] : bytes) {
    int32_t n = value;
    EXPECT_EQ(values::ByteToHex(value), hex) << value;
    EXPECT_EQ(values::ByteToHex(n), hex) << value;
    EXPECT_EQ(n, std::min(value, 255)) << value;
  }
  // Words split truncating toward zero: -1 / 256 is 0 and -1 % 256 is -1; -257 gives -1 and -1.
  const std::pair<int32_t, const char*> words[] = {{1000, "03E8"}, {65535, "FFFF"}, {70000, "FFFF"},
                                                   {-1, "00FF"},   {-257, "FFFF"},  {-256, "FF00"}};
  for (const auto& [value, hex] : words) {
    int32_t n = value;
    EXPECT_EQ(values::WordToHex(value), hex) << value;
    EXPECT_EQ(values::WordToHex(n), hex) << value;
    EXPECT_EQ(n, std::min(value, 65535)) << value;
  }
}

TEST(HexText, HexToDecimalTextReadsEitherCaseAndRejectsBadOrHugeText) {
  // Any character that is no hex digit makes the value 0, wherever it stands;
  // beyond 32 bits there is no decimal text.
  const std::pair<std::string, const char*> cases[] = {
      {"", "00"},       {"5", "05"},      {"A", "10"},        {"ff", "255"},
      {"03e8", "1000"}, {"1G", "00"},     {"G1", "00"},       {"FF ", "00"},
      {"1é", "00"},     {"80000000", ""}, {"FFFFFFFFFF", ""}, {"7FFFFFFF", "2147483647"}};
  for (const auto& [hex, decimal] : cases) EXPECT_EQ(values::HexToDecimalText(hex), decimal) << hex;
  EXPECT_EQ(values::HexToDecimalText("000000000000000F"), "15");
  EXPECT_EQ(values::HexToDecimalText(std::string(300, '0') + "1"), "");
}

}  // namespace
