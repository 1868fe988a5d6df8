#include "values/NumberRules.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "SharedStateFixture.h"

namespace {

// Some rules read the user's separator from the shared state, which the fixture restores.
class NumberRules : public values_test::SharedStateTest {};

TEST_F(NumberRules, PlainParseReadsTheNumericPrefix) {
  EXPECT_EQ(values::PlainParse("  12.5abc"), 12.5);
  EXPECT_EQ(values::PlainParse("-3e2x"), -300.0);
  EXPECT_EQ(values::PlainParse("+.5"), 0.5);
  EXPECT_EQ(values::PlainParse("1e"), 1.0);   // an "E" without digits ends the prefix
  EXPECT_EQ(values::PlainParse("1,5"), 1.0);  // "," is no decimal point here
  EXPECT_EQ(values::PlainParse("1.2.3"), 1.2);
  EXPECT_EQ(values::PlainParse(""), 0.0);
  EXPECT_EQ(values::PlainParse("."), 0.0);
  EXPECT_EQ(values::PlainParse("abc"), 0.0);
  EXPECT_EQ(values::PlainParse("inf"), 0.0);
  EXPECT_EQ(values::PlainParse("nan"), 0.0);
  // Out of the double range: large is infinite, small is zero, however it is written.
  EXPECT_EQ(values::PlainParse("1e400"), HUGE_VAL);
  EXPECT_EQ(values::PlainParse("-1e400"), -HUGE_VAL);
  EXPECT_EQ(values::PlainParse("1e-400"), 0.0);
  EXPECT_EQ(values::PlainParse("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(values::PlainParse("1" + std::string(400, '0')), HUGE_VAL);
  EXPECT_EQ(values::PlainParse("0.001e99999999999999999999"), HUGE_VAL);
}

TEST_F(NumberRules, LocaleParseTakesOnlyWholeNumbersWithTheUsersSeparator) {
  UsePoint();
  EXPECT_EQ(values::LocaleParse(" 1.5 "), 1.5f);
  EXPECT_EQ(values::LocaleParse("-2.5E-1"), -0.25f);
  EXPECT_EQ(values::LocaleParse("+7"), 7.0f);
  EXPECT_EQ(values::LocaleParse("5."), 5.0f);
  EXPECT_EQ(values::LocaleParse(".5"), 0.5f);
  EXPECT_EQ(values::LocaleParse("1e3"), 1000.0f);
  EXPECT_EQ(values::LocaleParse("1e-50"), 0.0f);  // underflow is a small number, not an error
  EXPECT_EQ(values::LocaleParse("3.4e38"), 3.4e38f);
  for (const char* bad : {"", "  ", "abc", "1,5", "1.5.1", "12abc", "1e", "1e+", ".", "-", "3.5e38",
                          "1e39", "inf", "nan", "0x10", "1 2"})
    EXPECT_EQ(values::LocaleParse(bad), std::nullopt) << bad;

  UseComma();
  EXPECT_EQ(values::LocaleParse("1,5"), 1.5f);
  EXPECT_EQ(values::LocaleParse("-1,25e1"), -12.5f);
  EXPECT_EQ(values::LocaleParse("1.5"), std::nullopt);
  EXPECT_EQ(values::LocaleParse("1,5,1"), std::nullopt);
}

TEST_F(NumberRules, RoundingIsHalfToEvenAndOverflowIsAnError) {
  EXPECT_EQ(values::RoundToInt32(2.5), 2);
  EXPECT_EQ(values::RoundToInt32(3.5), 4);
  EXPECT_EQ(values::RoundToInt32(-2.5), -2);
  EXPECT_EQ(values::RoundToInt32(2147483647.0), 2147483647);
  EXPECT_EQ(values::RoundToInt32(2147483647.5), std::nullopt);  // the even neighbour is 2^31
  EXPECT_EQ(values::RoundToInt32(-2147483648.5), -2147483648);
  EXPECT_EQ(values::RoundToInt32(std::nan("")), std::nullopt);
  EXPECT_EQ(values::RoundToInt16(32767.4), 32767);
  EXPECT_EQ(values::RoundToInt16(32767.5), std::nullopt);
  EXPECT_EQ(values::RoundToInt16(-32768.5), -32768);

  EXPECT_EQ(values::RoundToSingle(0.1), 0.1f);
  EXPECT_EQ(values::RoundToSingle(3.4028235e38), FLT_MAX);
  // Just below the halfway point to 2^128 still rounds to the largest single.
  EXPECT_EQ(values::RoundToSingle(std::nextafter(0x1.ffffffp127, 0.0)), FLT_MAX);
  EXPECT_EQ(values::RoundToSingle(0x1.ffffffp127), std::nullopt);
  EXPECT_EQ(values::RoundToSingle(-1e39), std::nullopt);
  EXPECT_EQ(values::RoundToSingle(HUGE_VAL), std::nullopt);
  EXPECT_EQ(values::RoundToSingle(std::nan("")), std::nullopt);
}

TEST_F(NumberRules, SingleTextKeepsSevenDigitsInTheUsersNotation) {
  UsePoint();
  EXPECT_EQ(values::SingleText(0.5f), "0.5");
  EXPECT_EQ(values::SingleText(0.1f), "0.1");
  EXPECT_EQ(values::SingleText(250.0f), "250");
  EXPECT_EQ(values::SingleText(-2.5f), "-2.5");
  EXPECT_EQ(values::SingleText(1234567.0f), "1234567");
  EXPECT_EQ(values::SingleText(12345678.0f), "1.234568E+07");
  EXPECT_EQ(values::SingleText(1e7f), "1E+07");
  EXPECT_EQ(values::SingleText(123456789.0f), "1.234568E+08");
  EXPECT_EQ(values::SingleText(0.0001f), "0.0001");
  EXPECT_EQ(values::SingleText(1e-5f), "1E-05");
  EXPECT_EQ(values::SingleText(FLT_MAX), "3.402823E+38");
  EXPECT_EQ(values::SingleText(std::numeric_limits<float>::denorm_min()), "1.401298E-45");
  // No signed zero in value texts.
  EXPECT_EQ(values::SingleText(-0.0f), "0");

  UseComma();
  EXPECT_EQ(values::SingleText(0.5f), "0,5");
  EXPECT_EQ(values::SingleText(123456789.0f), "1,234568E+08");
  // What SingleText writes, LocaleParse reads back.
  EXPECT_EQ(values::LocaleParse(values::SingleText(-1.25e-7f)), -1.25e-7f);
}

}  // namespace
