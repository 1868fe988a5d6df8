#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "SharedStateFixture.h"
#include "values/DecimalSeparators.h"
#include "values/StreamHex.h"

namespace {

using values::EncodeStreamHex;
using values::ValueToStreamHex;
using values_test::Local;
using values_test::SeparatorSource;

// value (its "." is the user's separator), length, stream hex
using Encoding = std::tuple<const char*, int, const char*>;
// value (likewise), length, a, b, c, stream hex
using Scaling = std::tuple<const char*, int, int16_t, int16_t, int16_t, const char*>;

template <size_t N>
void ExpectEncodings(const char* kind, const Encoding (&cases)[N]) {
  for (const auto& [value, length, hex] : cases)
    EXPECT_EQ(EncodeStreamHex(Local(value), length, kind), hex)
        << kind << " " << value << "/" << length;
}

template <size_t N>
void ExpectScalings(const char* kind, const Scaling (&cases)[N]) {
  for (const auto& [value, length, a, b, c, hex] : cases)
    EXPECT_EQ(ValueToStreamHex(Local(value), kind, length, a, b, c), hex)
        << kind << " " << value << "/" << length << " a=" << a << " b=" << b << " c=" << c;
}

// Every case here runs with each separator source.
class ValueConversion : public values_test::LocaleDependentTest {};

TEST_P(ValueConversion, EncodesIntegerKindsByLengthAndFloatsAsShortFloats) {
  // One byte takes the integer's low byte (an unsigned one is clamped to 255);
  // beyond 32 bits the integer is 0. Two bytes must fit the kind's range;
  // 32767.5 rounds to 32768. Four bytes are the single's bits, so 1 is not the
  // integer 1. Other widths have no encoding.
  const Encoding signedCases[] = {
      {"-1", 1, "FF"},        {"-128", 1, "80"},       {"-129", 1, "7F"},
      {"-256", 1, "00"},      {"-1", 2, "FFFF"},       {"-32768", 2, "8000"},
      {"32767", 2, "7FFF"},   {"32768", 2, ""},        {"-32769", 2, ""},
      {"32767.5", 2, ""},     {"-32768.5", 2, "8000"}, {"300", 2, "012C"},
      {"1", 4, "3F800000"},   {"-1", 4, "BF800000"},   {"1", 3, ""},
      {"1e39", 4, "00000000"}};
  const Encoding unsignedCases[] = {
      {"300", 1, "FF"},    {"2.5", 1, "02"},       {"1.5e1", 1, "0F"},      {"1e10", 1, "00"},
      {"1000", 2, "03E8"}, {"65535", 2, "FFFF"},   {"65536", 2, ""},        {"70000", 2, ""},
      {"-1", 2, ""},       {"0.1", 4, "3DCCCCCD"}, {"1e10", 4, "501502F9"}, {"1", 0, ""}};
  // A value that is not a number at all encodes as 0.
  const Encoding enumCases[] = {
      {"3", 1, "03"}, {"-2", 1, "FE"}, {"3.5", 1, "04"}, {"abc", 1, "00"}};
  const Encoding bitfieldCases[] = {
      {"255", 1, "FF"}, {"258", 2, "0102"}, {"1.5", 4, "3FC00000"}, {"1", 8, ""}};
  const Encoding floatCases[] = {
      {"0.5", 2, "0400"}, {"-1", 4, "1C00"}, {"100", 2, "7640"}, {"40000", 2, ""}, {"", 2, "0000"}};
  ExpectEncodings("SignedNumeric", signedCases);
  ExpectEncodings("UnsignedNumeric", unsignedCases);
  ExpectEncodings("Enum", enumCases);
  ExpectEncodings("Bitfield", bitfieldCases);
  ExpectEncodings("Float", floatCases);
  // Kinds compare exactly; unknown ones have no encoding.
  for (const char* kind : {"float", "Struct", ""})
    EXPECT_EQ(EncodeStreamHex("1", 2, kind), "") << kind;
}

TEST_P(ValueConversion, TextualValuesArePaddedOrCutInAnsiBytes) {
  // Characters count once each; outside the code page they become "?". A
  // character beyond 16 bits is two UTF-16 units, and two bytes.
  const Encoding cases[] = {
      {"AB", 4, "41422020"}, {"ABCDEF", 4, "41424344"}, {"AB", 0, ""},
      {"", 2, "2020"},       {"é", 2, "E920"},          {"€x", 2, "8078"},
      {"中", 1, "3F"},       {"é€中", 5, "E9803F2020"}, {"\U0001F600", 3, "3F3F20"}};
  for (const auto& [value, length, hex] : cases)
    EXPECT_EQ(ValueToStreamHex(value, "Textual", length, 1, 0, 0), hex) << value;
  EXPECT_EQ(ValueToStreamHex(Local("1.5"), "Textual", 3, 1, 0, 0),
            Local("1.5") == "1.5" ? "312E35" : "312C35");
  // The text itself, not padded, when encoded directly.
  EXPECT_EQ(EncodeStreamHex("AB", 4, "Textual"), "4142");
}

TEST_P(ValueConversion, ScalesNumericKindsToTheirRawValue) {
  // (v * 10^-b) / a - c in that order: (3 * 10) / 2 - 1 = 14. A raw value
  // exactly between two integers goes to the even one. Scaled values are
  // written as single texts and read again: 7 significant digits. A scaled zero
  // is plain 0, not -0. a = 0 makes every numeric value 0, even one that is no
  // number. A raw value beyond the single range, or an infinite scale, gives
  // nothing; a vanishing scale is a zero.
  const Scaling unsignedCases[] = {
      {"25", 2, 1, -1, 0, "00FA"},   {"2.5", 2, 1, -2, 0, "00FA"},
      {"250", 2, 1, 1, 0, "0019"},   {"100", 2, 4, 0, 0, "0019"},
      {"10", 1, 1, 0, 5, "05"},      {"10", 1, 1, 0, -5, "0F"},
      {"3", 1, 2, -1, 1, "0E"},      {"0.25", 1, 1, -1, 0, "02"},
      {"0.75", 1, 1, -1, 0, "08"},   {"5", 1, 2, 0, 0, "02"},
      {"7", 1, 2, 0, 0, "04"},       {"1", 4, 1, -10, 0, "501502F9"},
      {"1234", 2, 0, -1, 7, "0000"}, {"1", 256, 1, 0, 0, ""},
      {"1", 4, 1, -39, 0, ""},       {"1", 4, 1, -32768, 0, ""},
      {"0", 4, 1, -32768, 0, ""},    {"1", 4, 1, 32767, 0, "00000000"}};
  const Scaling signedCases[] = {{"100", 2, -4, 0, 0, "FFE7"},
                                 {"0", 2, 1, 0, 1, "FFFF"},
                                 {"21.5", 2, 1, -1, 0, "00D7"},
                                 {"123456789", 4, 1, 0, 0, "4CEB79A4"},
                                 {"0.00001", 4, 1, 0, 0, "3727C5AC"},
                                 {"0", 4, -1, 0, 0, "00000000"},
                                 {"abc", 1, 0, 0, 0, "00"}};
  ExpectScalings("UnsignedNumeric", unsignedCases);
  ExpectScalings("SignedNumeric", signedCases);
}

TEST_P(ValueConversion, ScalingAppliesOnlyToNumericKindsAndBadSizesGiveAnEmptyText) {
  const Scaling floatCases[] = {{"1", 2, 0, 3, 7, "1400"}, {"0.5", 2, 2, -1, 1, "0400"}};
  const Scaling enumCases[] = {{"3", 1, 2, -1, 1, "03"}, {"1", 1 << 30, 1, 0, 0, ""}};
  const Scaling bitfieldCases[] = {{"3", 1, 0, 0, 0, "03"}};
  const Scaling textCases[] = {{"AB", 256, 1, 0, 0, ""}, {"AB", -1, 1, 0, 0, ""}};
  ExpectScalings("Float", floatCases);
  ExpectScalings("Enum", enumCases);
  ExpectScalings("Bitfield", bitfieldCases);
  ExpectScalings("Textual", textCases);
  // The value may carry either separator; it is localised first.
  EXPECT_EQ(ValueToStreamHex("0.5", "Float", 2, 1, 0, 0), "0400");
  EXPECT_EQ(ValueToStreamHex("0,5", "Float", 2, 1, 0, 0), "0400");
  EXPECT_EQ(ValueToStreamHex("2,5", "UnsignedNumeric", 1, 1, -1, 0), "19");
}

INSTANTIATE_TEST_SUITE_P(Separators, ValueConversion,
                         ::testing::Values(SeparatorSource::kPointSet, SeparatorSource::kCommaSet,
                                           SeparatorSource::kCLocale,
                                           SeparatorSource::kGermanLocale),
                         values_test::SourceName);

// How a number that is only partly one is read depends on the user's
// separator: with "." its numeric prefix counts, with "," it is no number.
class ValueReading : public values_test::SharedStateTest {};

TEST_F(ValueReading, PointLocaleReadsTheNumericPrefixWhileCommaLocaleRejectsIt) {
  UsePoint();
  EXPECT_EQ(EncodeStreamHex("12abc", 1, "Enum"), "0C");
  EXPECT_EQ(EncodeStreamHex("12,5", 2, "Float"), "4600");  // 12
  EXPECT_EQ(ValueToStreamHex("12abc", "UnsignedNumeric", 1, 1, 0, 0), "0C");
  EXPECT_EQ(ValueToStreamHex("", "UnsignedNumeric", 1, 1, 0, 3), "FD");

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
