#include <clocale>
#include <string>
#include <tuple>

#include "values/CatalogueFixture.h"
#include "values/DecimalSeparators.h"
#include "values/StreamHex.h"

namespace {

using values::EncodeStreamHex;
using values::ValueToStreamHex;

// The kinds of the catalogue, short so that tables stay readable.
constexpr const char *S = "SignedNumeric", *U = "UnsignedNumeric", *E = "Enum", *B = "Bitfield",
                     *F = "Float", *T = "Textual";

// Every case runs with the separators that a "." locale and a "," locale give.
class ValueConversion : public CatalogueFixture, public ::testing::WithParamInterface<const char*> {
 protected:
  // Starts from the other separator, so one that InitDecimalSeparators fails to set shows up.
  void SetUp() override {
    UseSeparator(Comma() ? "." : ",");
    // The comma locale is part of the development setup: a missing one is a failure.
    ASSERT_NE(std::setlocale(LC_NUMERIC, GetParam()), nullptr)
        << GetParam() << " is not installed (scripts/setup.sh generates it)";
    values::InitDecimalSeparators();
    ASSERT_EQ(values::Shared().localeDecimalSeparator, Comma() ? "," : ".");
    ASSERT_EQ(values::Shared().alternateDecimalSeparator, Comma() ? "." : ",");
  }
  bool Comma() const { return std::string(GetParam()) != "C"; }

  // A number written with "." as the user writes it.
  std::string Local(std::string text) const {
    if (size_t at = text.find('.'); at != std::string::npos && Comma()) text[at] = ',';
    return text;
  }
};

TEST_P(ValueConversion, EncodesEachKindByLength) {
  // One byte takes the integer's low byte (an unsigned one is clamped to 255);
  // beyond 32 bits the integer is 0 but a single keeps its value. Two bytes must
  // fit the kind's range, high byte first. Four bytes are the single's bits.
  // Floats are short floats whatever the length. A value that is not a number
  // encodes as 0. Other widths and kinds have no encoding.
  const std::tuple<const char*, const char*, int, const char*> cases[] = {
      {S, "-1", 1, "FF"},     {S, "-129", 1, "7F"},       {S, "300", 2, "012C"},
      {S, "-1", 2, "FFFF"},   {S, "-32768", 2, "8000"},   {S, "32768", 2, ""},
      {S, "32767.5", 2, ""},  {S, "-1", 4, "BF800000"},   {S, "1e39", 4, "00000000"},
      {S, "1", 3, ""},        {U, "300", 1, "FF"},        {U, "2.5", 1, "02"},
      {U, "1e10", 1, "00"},   {U, "65535", 2, "FFFF"},    {U, "65536", 2, ""},
      {U, "-1", 2, ""},       {U, "1e10", 4, "501502F9"}, {U, "1", 0, ""},
      {E, "-2", 1, "FE"},     {E, "3.5", 1, "04"},        {E, "abc", 1, "00"},
      {B, "4097", 2, "1001"}, {B, "1.5", 4, "3FC00000"},  {F, "-1", 4, "1C00"},
      {F, "", 2, "0000"},     {"float", "1", 2, ""},      {"Struct", "1", 2, ""}};
  for (const auto& [kind, value, length, hex] : cases)
    EXPECT_EQ(EncodeStreamHex(Local(value), length, kind), hex)
        << kind << " " << value << "/" << length;
}

TEST_P(ValueConversion, ScalesOnlyNumericKindsToTheirRawValue) {
  // (v * 10^-b) / a - c in that order: (3 * 10) / 2 - 1 = 14. A raw value
  // exactly between two integers goes to the even one. Scaled values are
  // written as single texts and read again: 7 significant digits. A scaled zero
  // is plain 0, not -0. a = 0 makes every numeric value 0, even one that is no
  // number. A raw value beyond the single range, or an infinite scale, gives
  // nothing; a vanishing scale is a zero. Other kinds ignore the scaling.
  // Text is padded or cut to the length in ANSI bytes, one per UTF-16 unit;
  // outside the code page a character becomes "?".
  using Scaling = std::tuple<const char*, const char*, int, int16_t, int16_t, int16_t, const char*>;
  const Scaling cases[] = {{U, "25", 2, 1, -1, 0, "00FA"},       {U, "250", 2, 1, 1, 0, "0019"},
                           {U, "100", 2, 4, 0, 0, "0019"},       {U, "10", 1, 1, 0, 5, "05"},
                           {U, "10", 1, 1, 0, -5, "0F"},         {U, "3", 1, 2, -1, 1, "0E"},
                           {U, "0.25", 1, 1, -1, 0, "02"},       {U, "0.75", 1, 1, -1, 0, "08"},
                           {U, "1", 4, 1, -10, 0, "501502F9"},   {U, "1234", 2, 0, -1, 7, "0000"},
                           {U, "1", 256, 1, 0, 0, ""},           {U, "1", 4, 1, -39, 0, ""},
                           {U, "1", 4, 1, -32768, 0, ""},        {U, "0", 4, 1, -32768, 0, ""},
                           {U, "1", 4, 1, 32767, 0, "00000000"}, {S, "100", 2, -4, 0, 0, "FFE7"},
                           {S, "0", 2, 1, 0, 1, "FFFF"},         {S, "21.5", 2, 1, -1, 0, "00D7"},
                           {S, "1e-5", 4, 1, 0, 0, "3727C5AC"},  {S, "0", 4, -1, 0, 0, "00000000"},
                           {S, "abc", 1, 0, 0, 0, "00"},         {F, "0.5", 2, 2, -1, 1, "0400"},
                           {E, "3", 1, 2, -1, 1, "03"},          {B, "3", 1, 0, 0, 0, "03"}};
  for (const auto& [kind, value, length, a, b, c, hex] : cases)
    EXPECT_EQ(ValueToStreamHex(Local(value), kind, length, a, b, c), hex)
        << kind << " " << value << "/" << length << " a=" << a << " b=" << b << " c=" << c;
  EXPECT_EQ(ValueToStreamHex("12345678", S, 4, 1, 0, 0), "4B3C6150") << "as 12345680";
  const std::tuple<const char*, int, const char*> texts[] = {
      {"AB", 4, "41422020"}, {"ABCDEF", 4, "41424344"}, {"AB", 0, ""},
      {"AB", 257, ""},       {"é€中", 5, "E9803F2020"}, {"\U0001F600", 3, "3F3F20"}};
  for (const auto& [value, length, hex] : texts)
    EXPECT_EQ(ValueToStreamHex(value, T, length, 1, 0, 0), hex) << value;
  EXPECT_EQ(ValueToStreamHex(Local("1.5"), T, 3, 1, 0, 0), Comma() ? "312C35" : "312E35");
  EXPECT_EQ(EncodeStreamHex("AB", 4, T), "4142") << "the text itself, not padded";
  // The value may carry either separator; it is localised first.
  EXPECT_EQ(ValueToStreamHex("0,5", F, 2, 1, 0, 0), "0400");
  EXPECT_EQ(ValueToStreamHex("2,5", U, 1, 1, -1, 0), "19");
}

TEST_P(ValueConversion, OnlyAPointLocaleReadsANumericPrefix) {
  // With "." a number that is only partly one counts for its prefix. With ","
  // the stream encoding reads it as 0, while scaling needs a number and gives
  // nothing without one.
  EXPECT_EQ(EncodeStreamHex("12abc", 1, E), Comma() ? "00" : "0C");
  EXPECT_EQ(EncodeStreamHex("12,5", 2, F), Comma() ? "4640" : "4600");
  EXPECT_EQ(EncodeStreamHex("12.5", 2, F), Comma() ? "0000" : "4640");
  EXPECT_EQ(ValueToStreamHex("12abc", U, 1, 1, 0, 0), Comma() ? "" : "0C");
  EXPECT_EQ(ValueToStreamHex("", U, 1, 1, 0, 3), Comma() ? "" : "FD");
  EXPECT_EQ(ValueToStreamHex("12abc", F, 2, 1, 0, 0), Comma() ? "0000" : "4600");
}

INSTANTIATE_TEST_SUITE_P(Locales, ValueConversion, ::testing::Values("C", "de_DE.UTF-8"),
                         [](const auto& info) {
                           return std::string(info.index ? "Comma" : "Point");
                         });

}  // namespace
