#include "values/NumberRules.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "values/CatalogueFixture.h"
#include "values/DecimalSeparators.h"

// Some rules read the user's separator from the shared state, which the fixture restores.
// Taking the separators from the process locale is checked where the value
// conversions start from one (ValueConversion).
using NumberRules = CatalogueFixture;

TEST_F(NumberRules, PlainParseReadsTheNumericPrefix) {
  // An "E" without digits ends the prefix and "," is no decimal point here.
  // Out of the double range, large is infinite and small is zero, however it is written.
  const std::pair<const char*, double> cases[] = {
      {"  12.5abc", 12.5}, {"-3e2x", -300.0}, {"+.5", 0.5}, {"1e", 1.0},          {"1,5", 1.0},
      {"1.2.3", 1.2},      {".", 0.0},        {"inf", 0.0}, {"-1e400", -HUGE_VAL}};
  for (auto [text, value] : cases) EXPECT_EQ(values::PlainParse(text), value) << text;
  const std::string zeros(400, '0');
  for (const std::string& text :
       {std::string("1e400"), "1" + zeros, std::string("0.001e99999999999999999999")})
    EXPECT_EQ(values::PlainParse(text), HUGE_VAL) << text;
  for (const std::string& text : {std::string("1e-400"), "0." + zeros + "1"})
    EXPECT_EQ(values::PlainParse(text), 0.0) << text;
}

TEST_F(NumberRules, LocaleParseTakesOnlyWholeNumbersWithTheUsersSeparator) {
  UseSeparator(".");
  // Underflow is a small number, not an error.
  const std::pair<const char*, float> cases[] = {
      {" 1.5 ", 1.5f}, {"-2.5E-1", -0.25f}, {"+7", 7.0f},    {"5.", 5.0f},
      {".5", 0.5f},    {"1e3", 1000.0f},    {"1e-50", 0.0f}, {"3.4e38", 3.4e38f}};
  for (auto [text, value] : cases) EXPECT_EQ(values::LocaleParse(text), value) << text;
  for (const char* bad : {"", "  ", "abc", "1,5", "1.5.1", "12abc", "1e", "1e+", ".", "-", "3.5e38",
                          "1e39", "inf", "nan", "0x10", "1 2"})
    EXPECT_EQ(values::LocaleParse(bad), std::nullopt) << bad;

  UseSeparator(",");
  EXPECT_EQ(values::LocaleParse("-1,25e1"), -12.5f);
  EXPECT_EQ(values::LocaleParse("1.5"), std::nullopt);
  EXPECT_EQ(values::LocaleParse("1,5,1"), std::nullopt);
}

TEST_F(NumberRules, RoundingIsHalfToEvenAndOverflowIsAnError) {
  constexpr std::nullopt_t kNone = std::nullopt;
  const std::pair<double, std::optional<int32_t>> int32s[] = {
      {2.5, 2}, {3.5, 4}, {-2.5, -2}, {2147483647.0, 2147483647}, {std::nan(""), kNone}};
  for (auto [value, rounded] : int32s) EXPECT_EQ(values::RoundToInt32(value), rounded) << value;
  EXPECT_EQ(values::RoundToInt32(2147483647.5), kNone);  // the even neighbour is 2^31
  EXPECT_EQ(values::RoundToInt32(-2147483648.5), -2147483648);
  EXPECT_EQ(values::RoundToInt16(32767.5), kNone);
  EXPECT_EQ(values::RoundToInt16(-32768.5), -32768);

  const std::pair<double, std::optional<float>> singles[] = {
      {0.1, 0.1f}, {3.4028235e38, FLT_MAX}, {0x1.ffffffp127, kNone}, {-1e39, kNone}};
  for (auto [value, rounded] : singles) EXPECT_EQ(values::RoundToSingle(value), rounded) << value;
  // Just below the halfway point to 2^128 still rounds to the largest single.
  EXPECT_EQ(values::RoundToSingle(std::nextafter(0x1.ffffffp127, 0.0)), FLT_MAX);
}

TEST_F(NumberRules, SingleTextKeepsSevenDigitsInTheUsersNotation) {
  UseSeparator(".");
  // No signed zero in value texts.
  const std::pair<float, const char*> cases[] = {
      {0.5f, "0.5"}, {250.0f, "250"}, {-2.5f, "-2.5"},  {0.0001f, "0.0001"},
      {-0.0f, "0"},  {1e7f, "1E+07"}, {1e-5f, "1E-05"}, {1234567.0f, "1234567"}};
  for (auto [value, text] : cases) EXPECT_EQ(values::SingleText(value), text) << value;
  EXPECT_EQ(values::SingleText(12345678.0f), "1.234568E+07");
  EXPECT_EQ(values::SingleText(FLT_MAX), "3.402823E+38");
  EXPECT_EQ(values::SingleText(FLT_TRUE_MIN), "1.401298E-45");

  UseSeparator(",");
  EXPECT_EQ(values::SingleText(123456789.0f), "1,234568E+08");
  // What SingleText writes, LocaleParse reads back.
  EXPECT_EQ(values::LocaleParse(values::SingleText(-1.25e-7f)), -1.25e-7f);
}

TEST_F(NumberRules, LocaliseReplacesOnlyTheFirstSeparator) {
  // With ",": in "1,000.5" the "." goes first.
  const std::pair<const char*, const char*> toComma[] = {{"12.5", "12,5"},       {"12,5", "12,5"},
                                                         {"1,000.5", "1,000,5"}, {"1.2.3", "1,2.3"},
                                                         {"15", "15"},           {"", ""}};
  UseSeparator(",");
  for (auto [text, localised] : toComma) EXPECT_EQ(values::LocaliseNumberText(text), localised);
  UseSeparator(".");
  EXPECT_EQ(values::LocaliseNumberText("1,2,3"), "1.2,3");
}

TEST_F(NumberRules, NumberTextsIgnoreTheCLibraryLocale) {
  // The C library's own formatting follows LC_NUMERIC; the system's number
  // rules follow only the separators it was told.
  ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
  UseSeparator(".");
  EXPECT_EQ(values::SingleText(2.5f) + " " + values::DoubleText(0.25), "2.5 0.25");
  EXPECT_EQ(values::LocaleParse("2.5"), 2.5f);
  EXPECT_EQ(values::PlainParse("2,5"), 2.0);
  ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
  UseSeparator(",");
  EXPECT_EQ(values::SingleText(2.5f), "2,5");
  EXPECT_EQ(values::LocaleParse("2,5"), 2.5f);
}
