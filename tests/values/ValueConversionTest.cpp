#include <gtest/gtest.h>

#include <string>

#include "SharedStateFixture.h"
#include "values/DecimalSeparators.h"
#include "values/StreamHex.h"

namespace {

using values::EncodeStreamHex;
using values::ValueToStreamHex;
using values_test::Local;
using values_test::SeparatorSource;

// Every case here runs with each separator source; numbers are written with
// the user's separator through Local().
class ValueConversion : public values_test::LocaleDependentTest {};

TEST_P(ValueConversion, EncodesOneByteKinds) {
  EXPECT_EQ(EncodeStreamHex("3", 1, "Enum"), "03");
  EXPECT_EQ(EncodeStreamHex("300", 1, "UnsignedNumeric"), "FF");
  EXPECT_EQ(EncodeStreamHex("255", 1, "Bitfield"), "FF");
  EXPECT_EQ(EncodeStreamHex("-1", 1, "SignedNumeric"), "FF");
  EXPECT_EQ(EncodeStreamHex("-128", 1, "SignedNumeric"), "80");
  EXPECT_EQ(EncodeStreamHex("-129", 1, "SignedNumeric"), "7F");
  EXPECT_EQ(EncodeStreamHex("-256", 1, "SignedNumeric"), "00");
  EXPECT_EQ(EncodeStreamHex("-2", 1, "Enum"), "FE");
  EXPECT_EQ(EncodeStreamHex(Local("2.5"), 1, "UnsignedNumeric"), "02");
  EXPECT_EQ(EncodeStreamHex(Local("3.5"), 1, "Enum"), "04");
  EXPECT_EQ(EncodeStreamHex(Local("1.5e1"), 1, "UnsignedNumeric"), "0F");
  // Beyond 32 bits the integer is 0.
  EXPECT_EQ(EncodeStreamHex("1e10", 1, "UnsignedNumeric"), "00");
}

TEST_P(ValueConversion, EncodesTwoByteKinds) {
  EXPECT_EQ(EncodeStreamHex("1000", 2, "UnsignedNumeric"), "03E8");
  EXPECT_EQ(EncodeStreamHex("65535", 2, "UnsignedNumeric"), "FFFF");
  EXPECT_EQ(EncodeStreamHex("65536", 2, "UnsignedNumeric"), "");
  EXPECT_EQ(EncodeStreamHex("70000", 2, "UnsignedNumeric"), "");
  EXPECT_EQ(EncodeStreamHex("-1", 2, "UnsignedNumeric"), "");
  EXPECT_EQ(EncodeStreamHex("258", 2, "Bitfield"), "0102");
  EXPECT_EQ(EncodeStreamHex("-1", 2, "SignedNumeric"), "FFFF");
  EXPECT_EQ(EncodeStreamHex("-32768", 2, "SignedNumeric"), "8000");
  EXPECT_EQ(EncodeStreamHex("32767", 2, "SignedNumeric"), "7FFF");
  EXPECT_EQ(EncodeStreamHex("32768", 2, "SignedNumeric"), "");
  EXPECT_EQ(EncodeStreamHex("-32769", 2, "SignedNumeric"), "");
  EXPECT_EQ(EncodeStreamHex(Local("32767.5"), 2, "SignedNumeric"), "");  // rounds to 32768
  EXPECT_EQ(EncodeStreamHex(Local("-32768.5"), 2, "SignedNumeric"), "8000");
  EXPECT_EQ(EncodeStreamHex("300", 2, "SignedNumeric"), "012C");
}

TEST_P(ValueConversion, EncodesFourBytesAsTheSinglesBits) {
  EXPECT_EQ(EncodeStreamHex("1", 4, "SignedNumeric"), "3F800000");  // not the integer 1
  EXPECT_EQ(EncodeStreamHex("-1", 4, "SignedNumeric"), "BF800000");
  EXPECT_EQ(EncodeStreamHex(Local("0.1"), 4, "UnsignedNumeric"), "3DCCCCCD");
  EXPECT_EQ(EncodeStreamHex(Local("1.5"), 4, "Bitfield"), "3FC00000");
  EXPECT_EQ(EncodeStreamHex("1e10", 4, "UnsignedNumeric"), "501502F9");
  // Other widths have no encoding.
  EXPECT_EQ(EncodeStreamHex("1", 0, "UnsignedNumeric"), "");
  EXPECT_EQ(EncodeStreamHex("1", 3, "SignedNumeric"), "");
  EXPECT_EQ(EncodeStreamHex("1", 8, "Bitfield"), "");
}

TEST_P(ValueConversion, EncodesFloatsAsShortFloatsAndIgnoresUnknownKinds) {
  EXPECT_EQ(EncodeStreamHex(Local("0.5"), 2, "Float"), "0400");
  EXPECT_EQ(EncodeStreamHex("-1", 4, "Float"), "1C00");
  EXPECT_EQ(EncodeStreamHex("100", 2, "Float"), "7640");
  EXPECT_EQ(EncodeStreamHex("40000", 2, "Float"), "");
  EXPECT_EQ(EncodeStreamHex("1", 2, "float"), "");  // kinds compare exactly
  EXPECT_EQ(EncodeStreamHex("1", 2, "Struct"), "");
  EXPECT_EQ(EncodeStreamHex("1", 2, ""), "");
  // A value that is not a number at all encodes as 0.
  EXPECT_EQ(EncodeStreamHex("abc", 1, "Enum"), "00");
  EXPECT_EQ(EncodeStreamHex("", 2, "Float"), "0000");
  EXPECT_EQ(EncodeStreamHex("1e39", 4, "SignedNumeric"), "00000000");
}

TEST_P(ValueConversion, TextualValuesArePaddedOrCutInAnsiBytes) {
  EXPECT_EQ(ValueToStreamHex("AB", "Textual", 4, 1, 0, 0), "41422020");
  EXPECT_EQ(ValueToStreamHex("ABCDEF", "Textual", 4, 1, 0, 0), "41424344");
  EXPECT_EQ(ValueToStreamHex("AB", "Textual", 0, 1, 0, 0), "");
  EXPECT_EQ(ValueToStreamHex("", "Textual", 2, 1, 0, 0), "2020");
  EXPECT_EQ(ValueToStreamHex(Local("1.5"), "Textual", 3, 1, 0, 0),
            Local("1.5") == "1.5" ? "312E35" : "312C35");
  // Characters count once each; outside the code page they become "?".
  EXPECT_EQ(ValueToStreamHex("é", "Textual", 2, 1, 0, 0), "E920");
  EXPECT_EQ(ValueToStreamHex("€x", "Textual", 2, 1, 0, 0), "8078");
  EXPECT_EQ(ValueToStreamHex("中", "Textual", 1, 1, 0, 0), "3F");
  EXPECT_EQ(ValueToStreamHex("é€中", "Textual", 5, 1, 0, 0), "E9803F2020");
  // A character beyond 16 bits is two UTF-16 units, and two bytes.
  EXPECT_EQ(ValueToStreamHex("\U0001F600", "Textual", 3, 1, 0, 0), "3F3F20");
  // The text itself, not padded, when encoded directly.
  EXPECT_EQ(EncodeStreamHex("AB", 4, "Textual"), "4142");
}

TEST_P(ValueConversion, ScalesNumericKindsToTheirRawValue) {
  EXPECT_EQ(ValueToStreamHex("25", "UnsignedNumeric", 2, 1, -1, 0), "00FA");
  EXPECT_EQ(ValueToStreamHex(Local("2.5"), "UnsignedNumeric", 2, 1, -2, 0), "00FA");
  EXPECT_EQ(ValueToStreamHex("250", "UnsignedNumeric", 2, 1, 1, 0), "0019");
  EXPECT_EQ(ValueToStreamHex("100", "UnsignedNumeric", 2, 4, 0, 0), "0019");
  EXPECT_EQ(ValueToStreamHex("100", "SignedNumeric", 2, -4, 0, 0), "FFE7");
  EXPECT_EQ(ValueToStreamHex("10", "UnsignedNumeric", 1, 1, 0, 5), "05");
  EXPECT_EQ(ValueToStreamHex("10", "UnsignedNumeric", 1, 1, 0, -5), "0F");
  EXPECT_EQ(ValueToStreamHex("0", "SignedNumeric", 2, 1, 0, 1), "FFFF");
  // (v * 10^-b) / a - c in that order: (3 * 10) / 2 - 1 = 14.
  EXPECT_EQ(ValueToStreamHex("3", "UnsignedNumeric", 1, 2, -1, 1), "0E");
  EXPECT_EQ(ValueToStreamHex(Local("21.5"), "SignedNumeric", 2, 1, -1, 0), "00D7");
  // A raw value exactly between two integers goes to the even one.
  EXPECT_EQ(ValueToStreamHex(Local("0.25"), "UnsignedNumeric", 1, 1, -1, 0), "02");
  EXPECT_EQ(ValueToStreamHex(Local("0.75"), "UnsignedNumeric", 1, 1, -1, 0), "08");
  EXPECT_EQ(ValueToStreamHex("5", "UnsignedNumeric", 1, 2, 0, 0), "02");
  EXPECT_EQ(ValueToStreamHex("7", "UnsignedNumeric", 1, 2, 0, 0), "04");
  // Scaled values are written as single texts and read again: 7 significant digits.
  EXPECT_EQ(ValueToStreamHex("123456789", "SignedNumeric", 4, 1, 0, 0), "4CEB79A4");
  EXPECT_EQ(ValueToStreamHex("1", "UnsignedNumeric", 4, 1, -10, 0), "501502F9");
  EXPECT_EQ(ValueToStreamHex(Local("0.00001"), "SignedNumeric", 4, 1, 0, 0), "3727C5AC");
  // A scaled zero is plain 0, not -0.
  EXPECT_EQ(ValueToStreamHex("0", "SignedNumeric", 4, -1, 0, 0), "00000000");
}

TEST_P(ValueConversion, ScalingAppliesOnlyToNumericKinds) {
  // a = 0 makes every numeric value 0, even one that is no number.
  EXPECT_EQ(ValueToStreamHex("1234", "UnsignedNumeric", 2, 0, -1, 7), "0000");
  EXPECT_EQ(ValueToStreamHex("abc", "SignedNumeric", 1, 0, 0, 0), "00");
  EXPECT_EQ(ValueToStreamHex("1", "Float", 2, 0, 3, 7), "1400");
  EXPECT_EQ(ValueToStreamHex(Local("0.5"), "Float", 2, 2, -1, 1), "0400");
  EXPECT_EQ(ValueToStreamHex("3", "Enum", 1, 2, -1, 1), "03");
  EXPECT_EQ(ValueToStreamHex("3", "Bitfield", 1, 0, 0, 0), "03");
  // The value may carry either separator; it is localised first.
  EXPECT_EQ(ValueToStreamHex("0.5", "Float", 2, 1, 0, 0), "0400");
  EXPECT_EQ(ValueToStreamHex("0,5", "Float", 2, 1, 0, 0), "0400");
  EXPECT_EQ(ValueToStreamHex("2,5", "UnsignedNumeric", 1, 1, -1, 0), "19");
}

TEST_P(ValueConversion, FailuresGiveAnEmptyText) {
  EXPECT_EQ(ValueToStreamHex("1", "UnsignedNumeric", 256, 1, 0, 0), "");
  EXPECT_EQ(ValueToStreamHex("AB", "Textual", 256, 1, 0, 0), "");
  EXPECT_EQ(ValueToStreamHex("AB", "Textual", -1, 1, 0, 0), "");
  EXPECT_EQ(ValueToStreamHex("1", "Enum", 1 << 30, 1, 0, 0), "");
  // A raw value beyond the single range, or an infinite scale.
  EXPECT_EQ(ValueToStreamHex("1", "UnsignedNumeric", 4, 1, -39, 0), "");
  EXPECT_EQ(ValueToStreamHex("1", "UnsignedNumeric", 4, 1, -32768, 0), "");
  EXPECT_EQ(ValueToStreamHex("0", "UnsignedNumeric", 4, 1, -32768, 0), "");
  // A vanishing scale is a zero.
  EXPECT_EQ(ValueToStreamHex("1", "UnsignedNumeric", 4, 1, 32767, 0), "00000000");
}

INSTANTIATE_TEST_SUITE_P(Separators, ValueConversion,
                         ::testing::Values(SeparatorSource::kPointSet, SeparatorSource::kCommaSet,
                                           SeparatorSource::kCLocale,
                                           SeparatorSource::kGermanLocale),
                         values_test::SourceName);

// How a number that is only partly one is read depends on the user's
// separator: with "." its numeric prefix counts, with "," it is no number.
class ValueReading : public values_test::SharedStateTest {};

TEST_F(ValueReading, PointLocaleReadsTheNumericPrefix) {
  UsePoint();
  EXPECT_EQ(EncodeStreamHex("12abc", 1, "Enum"), "0C");
  EXPECT_EQ(EncodeStreamHex("12,5", 2, "Float"), "4600");  // 12
  EXPECT_EQ(ValueToStreamHex("12abc", "UnsignedNumeric", 1, 1, 0, 0), "0C");
  EXPECT_EQ(ValueToStreamHex("", "UnsignedNumeric", 1, 1, 0, 3), "FD");
}

TEST_F(ValueReading, CommaLocaleRejectsWhatIsNotANumber) {
  UseComma();
  // The stream encoding reads it as 0 ...
  EXPECT_EQ(EncodeStreamHex("12abc", 1, "Enum"), "00");
  EXPECT_EQ(EncodeStreamHex("12.5", 2, "Float"), "0000");
  EXPECT_EQ(EncodeStreamHex("12,5", 2, "Float"), "4640");
  // ... while scaling needs a number and gives nothing without one.
  EXPECT_EQ(ValueToStreamHex("12abc", "UnsignedNumeric", 1, 1, 0, 0), "");
  EXPECT_EQ(ValueToStreamHex("", "UnsignedNumeric", 1, 1, 0, 3), "");
  EXPECT_EQ(ValueToStreamHex("12abc", "Float", 2, 1, 0, 0), "0000");
}

}  // namespace
