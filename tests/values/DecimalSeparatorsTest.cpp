#include "values/DecimalSeparators.h"

#include <gtest/gtest.h>

#include <clocale>

#include "SharedStateFixture.h"
#include "values/MMain.h"
#include "values/NumberRules.h"

namespace {

using values::LocaliseNumberText;
using values::Shared;

class DecimalSeparators : public values_test::SharedStateTest {};

TEST_F(DecimalSeparators, ComeFromTheProcessLocale) {
  UsePoint();
  ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr)
      << "de_DE.UTF-8 is not installed (scripts/setup.sh generates it)";
  values::InitDecimalSeparators();
  EXPECT_EQ(Shared().localeDecimalSeparator, ",");
  EXPECT_EQ(Shared().alternateDecimalSeparator, ".");

  ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
  values::InitDecimalSeparators();
  EXPECT_EQ(Shared().localeDecimalSeparator, ".");
  EXPECT_EQ(Shared().alternateDecimalSeparator, ",");
}

TEST_F(DecimalSeparators, LocaliseReplacesOnlyTheFirstSeparator) {
  UseComma();
  EXPECT_EQ(LocaliseNumberText("12.5"), "12,5");
  EXPECT_EQ(LocaliseNumberText("12,5"), "12,5");
  EXPECT_EQ(LocaliseNumberText("1,000.5"), "1,000,5");  // the "." goes first
  EXPECT_EQ(LocaliseNumberText("1.2.3"), "1,2.3");
  EXPECT_EQ(LocaliseNumberText(".5"), ",5");
  EXPECT_EQ(LocaliseNumberText("15"), "15");
  EXPECT_EQ(LocaliseNumberText(""), "");
  EXPECT_EQ(LocaliseNumberText("Straße 5"), "Straße 5");

  UsePoint();
  EXPECT_EQ(LocaliseNumberText("1,5"), "1.5");
  EXPECT_EQ(LocaliseNumberText("1.5"), "1.5");
  EXPECT_EQ(LocaliseNumberText("1,000.5"), "1,000.5");
  EXPECT_EQ(LocaliseNumberText("1,2,3"), "1.2,3");
  EXPECT_EQ(LocaliseNumberText("-3"), "-3");
}

TEST_F(DecimalSeparators, NumberTextsIgnoreTheCLibraryLocale) {
  // The C library's own formatting follows LC_NUMERIC; the system's number
  // rules follow only the separators it was told.
  ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
  UsePoint();
  EXPECT_EQ(values::SingleText(2.5f), "2.5");
  EXPECT_EQ(values::LocaleParse("2.5"), 2.5f);
  EXPECT_EQ(values::LocaleParse("2,5"), std::nullopt);
  EXPECT_EQ(values::PlainParse("2.5"), 2.5);

  ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
  UseComma();
  EXPECT_EQ(values::SingleText(2.5f), "2,5");
  EXPECT_EQ(values::LocaleParse("2,5"), 2.5f);
  EXPECT_EQ(values::PlainParse("2,5"), 2.0);
}

}  // namespace
