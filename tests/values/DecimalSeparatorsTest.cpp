#include "values/DecimalSeparators.h"

#include <gtest/gtest.h>

#include <clocale>
#include <utility>

#include "SharedStateFixture.h"
#include "values/MMain.h"
#include "values/NumberRules.h"

namespace {

using values::LocaliseNumberText;

class DecimalSeparators : public values_test::SharedStateTest {};

// Taking the separators from the process locale is checked wherever a
// locale-dependent test starts from one (LocaleDependentTest).

TEST_F(DecimalSeparators, LocaliseReplacesOnlyTheFirstSeparator) {
  // With ",": in "1,000.5" the "." goes first.
  const std::pair<const char*, const char*> toComma[] = {
      {"12.5", "12,5"}, {"12,5", "12,5"}, {"1,000.5", "1,000,5"},  {"1.2.3", "1,2.3"}, {".5", ",5"},
      {"15", "15"},     {"", ""},         {"Straße 5", "Straße 5"}};
  const std::pair<const char*, const char*> toPoint[] = {
      {"1,5", "1.5"}, {"1.5", "1.5"}, {"1,000.5", "1,000.5"}, {"1,2,3", "1.2,3"}, {"-3", "-3"}};
  UseComma();
  for (auto [text, localised] : toComma) EXPECT_EQ(LocaliseNumberText(text), localised) << text;
  UsePoint();
  for (auto [text, localised] : toPoint) EXPECT_EQ(LocaliseNumberText(text), localised) << text;
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
