#include "SharedStateFixture.h"

#include "values/DecimalSeparators.h"

namespace values_test {

void LocaleDependentTest::SetUp() {
  SharedStateTest::SetUp();
  // Start from the opposite of what the source should give, so a separator
  // that InitDecimalSeparators fails to set shows up.
  switch (GetParam()) {
    case SeparatorSource::kPointSet:
      UsePoint();
      break;
    case SeparatorSource::kCommaSet:
      UseComma();
      break;
    case SeparatorSource::kCLocale:
      UseComma();
      ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
      values::InitDecimalSeparators();
      ASSERT_EQ(values::Shared().localeDecimalSeparator, ".");
      break;
    case SeparatorSource::kGermanLocale:
      UsePoint();
      // The comma locale is part of the development setup: a missing one is a failure.
      ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr)
          << "de_DE.UTF-8 is not installed (scripts/setup.sh generates it)";
      values::InitDecimalSeparators();
      ASSERT_EQ(values::Shared().localeDecimalSeparator, ",");
      break;
  }
}

}  // namespace values_test
