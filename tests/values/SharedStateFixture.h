#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <string>

#include "values/MMain.h"

// Every test leaves the process locale and the component's shared state as it
// found them, so the order of tests never matters.
namespace values_test {

class SharedStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* locale = std::setlocale(LC_NUMERIC, nullptr);
    savedLocale_ = locale ? locale : "C";
    savedLocaleSeparator_ = values::Shared().localeDecimalSeparator;
    savedAlternateSeparator_ = values::Shared().alternateDecimalSeparator;
    savedCounter_ = values::Shared().uniqueIdCounter;
  }
  void TearDown() override {
    std::setlocale(LC_NUMERIC, savedLocale_.c_str());
    values::Shared().localeDecimalSeparator = savedLocaleSeparator_;
    values::Shared().alternateDecimalSeparator = savedAlternateSeparator_;
    values::Shared().uniqueIdCounter = savedCounter_;
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
  std::string savedLocaleSeparator_;
  std::string savedAlternateSeparator_;
  int32_t savedCounter_ = 0;
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
  switch (info.param) {
    case SeparatorSource::kPointSet:
      return "PointSet";
    case SeparatorSource::kCommaSet:
      return "CommaSet";
    case SeparatorSource::kCLocale:
      return "CLocale";
    case SeparatorSource::kGermanLocale:
      return "GermanLocale";
  }
  return "Unknown";
}

class LocaleDependentTest : public SharedStateTest,
                            public ::testing::WithParamInterface<SeparatorSource> {
 protected:
  void SetUp() override;
};

}  // namespace values_test
