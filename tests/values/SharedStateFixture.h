#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <string>

#include "values/DecimalSeparators.h"
#include "values/MMain.h"

// Every test leaves the process locale and the component's shared state as it
// found them, so the order of tests never matters.
namespace values_test {

class SharedStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* locale = std::setlocale(LC_NUMERIC, nullptr);
    savedLocale_ = locale ? locale : "C";
  }
  void TearDown() override {
    std::setlocale(LC_NUMERIC, savedLocale_.c_str());
    values::Shared().localeDecimalSeparator = saved_.localeDecimalSeparator;
    values::Shared().alternateDecimalSeparator = saved_.alternateDecimalSeparator;
    values::Shared().uniqueIdCounter = saved_.uniqueIdCounter;
  }

  static void UsePoint() {
    values::Shared().localeDecimalSeparator = ".";
    values::Shared().alternateDecimalSeparator = ",";
  }
  static void UseComma() {
    values::Shared().localeDecimalSeparator = ",";
    values::Shared().alternateDecimalSeparator = ".";
  }

 private:
  std::string savedLocale_;
  values::MMain saved_ = values::Shared();
};

// A number written with "." as the user writes it with the current separator.
inline std::string Local(std::string text) {
  for (size_t at = text.find('.'); at != std::string::npos; at = text.find('.', at + 1)) {
    text.replace(at, 1, values::Shared().localeDecimalSeparator);
  }
  return text;
}

// Where the decimal separators come from in a locale-dependent test: set
// directly, or taken from a process locale through InitDecimalSeparators.
enum class SeparatorSource { kPointSet, kCommaSet, kCLocale, kGermanLocale };

inline std::string SourceName(const ::testing::TestParamInfo<SeparatorSource>& info) {
  const char* names[] = {"PointSet", "CommaSet", "CLocale", "GermanLocale"};
  return names[static_cast<int>(info.param)];
}

class LocaleDependentTest : public SharedStateTest,
                            public ::testing::WithParamInterface<SeparatorSource> {
 protected:
  // Starts from the opposite of what the source should give, so a separator
  // that InitDecimalSeparators fails to set shows up.
  void SetUp() override {
    SharedStateTest::SetUp();
    const SeparatorSource source = GetParam();
    const bool comma = source == SeparatorSource::kCommaSet || source == SeparatorSource::kCLocale;
    comma ? UseComma() : UsePoint();
    if (source == SeparatorSource::kCLocale) {
      ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
      values::InitDecimalSeparators();
      ASSERT_EQ(values::Shared().localeDecimalSeparator, ".");
      ASSERT_EQ(values::Shared().alternateDecimalSeparator, ",");
    } else if (source == SeparatorSource::kGermanLocale) {
      // The comma locale is part of the development setup: a missing one is a failure.
      ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr)
          << "de_DE.UTF-8 is not installed (scripts/setup.sh generates it)";
      values::InitDecimalSeparators();
      ASSERT_EQ(values::Shared().localeDecimalSeparator, ",");
      ASSERT_EQ(values::Shared().alternateDecimalSeparator, ".");
    }
  }
};

}  // namespace values_test
