#include "values/HexText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

TEST(HexText, ByteToHexClampsLargeValuesAndTheCallersVariable) {
  int32_t n = 10;
  EXPECT_EQ(values::ByteToHex(n), "0A");
  n = 255;
  EXPECT_EQ(values::ByteToHex(n), "FF");
  n = 256;
  EXPECT_EQ(values::ByteToHex(n), "FF");
  EXPECT_EQ(n, 255);
  n = 1000000;
  EXPECT_EQ(values::ByteToHex(n), "FF");
  EXPECT_EQ(n, 255);
  const int32_t fixed = 300;
  EXPECT_EQ(values::ByteToHex(fixed), "FF");
  EXPECT_EQ(values::ByteToHex(0), "00");
}

TEST(HexText, ByteToHexOfANegativeValueIsItsTwosComplementLowByte) {
  int32_t n = -1;
  EXPECT_EQ(values::ByteToHex(n), "FF");
  EXPECT_EQ(n, -1);  // only large values are clamped
  EXPECT_EQ(values::ByteToHex(-128), "80");
  EXPECT_EQ(values::ByteToHex(-129), "7F");
  EXPECT_EQ(values::ByteToHex(-256), "00");
  EXPECT_EQ(values::ByteToHex(std::numeric_limits<int32_t>::min()), "00");
}

TEST(HexText, WordToHexSplitsTruncatingTowardZero) {
  int32_t n = 1000;
  EXPECT_EQ(values::WordToHex(n), "03E8");
  EXPECT_EQ(values::WordToHex(65535), "FFFF");
  n = 70000;
  EXPECT_EQ(values::WordToHex(n), "FFFF");
  EXPECT_EQ(n, 65535);
  // -1 / 256 is 0 and -1 % 256 is -1; -257 gives -1 and -1.
  EXPECT_EQ(values::WordToHex(-1), "00FF");
  EXPECT_EQ(values::WordToHex(-257), "FFFF");
  EXPECT_EQ(values::WordToHex(-256), "FF00");
}

TEST(HexText, HexToDecimalTextReadsUpperAndLowerCase) {
  EXPECT_EQ(values::HexToDecimalText(""), "00");
  EXPECT_EQ(values::HexToDecimalText("5"), "05");
  EXPECT_EQ(values::HexToDecimalText("A"), "10");
  EXPECT_EQ(values::HexToDecimalText("ff"), "255");
  EXPECT_EQ(values::HexToDecimalText("03e8"), "1000");
  EXPECT_EQ(values::HexToDecimalText("7FFFFFFF"), "2147483647");
  EXPECT_EQ(values::HexToDecimalText("000000000000000F"), "15");
}

TEST(HexText, HexToDecimalTextOfBadOrHugeText) {
  // Any character that is no hex digit makes the value 0, wherever it stands.
  EXPECT_EQ(values::HexToDecimalText("1G"), "00");
  EXPECT_EQ(values::HexToDecimalText("G1"), "00");
  EXPECT_EQ(values::HexToDecimalText("FF "), "00");
  EXPECT_EQ(values::HexToDecimalText("1é"), "00");
  // Beyond 32 bits there is no decimal text.
  EXPECT_EQ(values::HexToDecimalText("80000000"), "");
  EXPECT_EQ(values::HexToDecimalText("FFFFFFFFFF"), "");
  EXPECT_EQ(values::HexToDecimalText(std::string(300, '0') + "1"), "");
}

}  // namespace
