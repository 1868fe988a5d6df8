#include "hostkit/TypeUnits.h"

#include <algorithm>
#include <cmath>

#include "values/DecimalSeparators.h"
#include "values/NumberRules.h"

namespace hostkit {

namespace {
// Far more decimals than any step of a 32-bit scaled type needs.
constexpr int kMaxDecimals = 15;
// The significant digits of a single's text, and those that pin down any double.
constexpr int kSingleDigits = 7, kMaxDigits = 17;
// The decimals of a single's text without exponent: seven significant digits
// from 1E-04 on (0,0001234567). Smaller magnitudes are written with an
// exponent, whose mantissa needs six, so a float type takes this many and the
// user can type every value a single tells apart.
constexpr int kFloatDecimals = 10;
}  // namespace

TypeUnits::TypeUnits(const values::SnvtFields& fields, UnitSystem system) : fields_(fields) {
  isFloat_ = fields.genType == "Float";
  storedDecimals_ = std::max(0, -fields.bCoef);
  decimals_ = isFloat_ ? std::max(storedDecimals_, kFloatDecimals) : storedDecimals_;
  if (!isFloat_) {
    // A x 10^B, dividing by an exact power of ten for a negative B.
    const double power = std::pow(10.0, std::abs(fields.bCoef));
    step_ = fields.bCoef < 0 ? fields.aCoef / power : fields.aCoef * power;
  }
  // A scaled type without a usable step has no grid to store back on.
  if (system == UnitSystem::kUS && (isFloat_ || (step_ > 0 && std::isfinite(step_))))
    us_ = UsCounterpart(fields.units, fields.name);
  if (us_ && !isFloat_) {
    // The shown step must stay below one stored step, so rounding a shown
    // value moves it by less than half a stored step.
    const double usStep = step_ * us_->factor * (1 - 1e-9);
    decimals_ = 0;
    while (decimals_ < kMaxDecimals && std::pow(10.0, -decimals_) >= usStep) ++decimals_;
  }
}

std::string TypeUnits::Unit() const {
  return us_ ? std::string(us_->name) : fields_.units;
}

std::optional<double> TypeUnits::ReadNumber(std::string_view text) {
  return values::LocaleParseDouble(values::LocaliseNumberText(text));
}

std::string TypeUnits::StoredText(double si) const {
  if (isFloat_) {
    auto single = values::RoundToSingle(si);
    return single ? values::SingleText(*single) : values::DoubleText(si);
  }
  // Written with the type's decimals, the nearest grid value is exact again.
  return values::DecimalText(std::nearbyint(si / step_) * step_, storedDecimals_);
}

std::string TypeUnits::SingleForm(const std::string& text) const {
  auto number = ReadNumber(text);
  auto single = number ? values::RoundToSingle(*number) : std::nullopt;
  if (!isFloat_ || !single) return text;
  // A text with more digits than the single's own is kept: seven digits do
  // not always tell two singles apart.
  const std::string written = values::SingleText(*single);
  auto back = ReadNumber(written);
  return back && values::RoundToSingle(*back) == single ? written : text;
}

std::string TypeUnits::ToDisplay(std::string_view stored) const {
  auto si = ReadNumber(stored);
  if (!us_ || !si) return SingleForm(values::LocaliseNumberText(stored));
  if (!isFloat_) return values::DecimalText(*si * us_->factor + us_->offset, decimals_);
  // The fewest digits that store back as the same single; a value too small
  // to show beside the offset is shown with the offset added exactly.
  const std::string target = StoredText(*si);
  for (bool exact : {false, true}) {
    for (int digits = kSingleDigits; digits <= kMaxDigits; ++digits) {
      std::string text = FloatDisplay(*si, digits, exact);
      if (ToStored(text) == target) return text;
    }
  }
  return FloatDisplay(*si, kMaxDigits, true);
}

std::string TypeUnits::FloatDisplay(double si, int digits, bool exact) const {
  if (!exact) return values::SignificantText(si * us_->factor + us_->offset, digits);
  std::string scaled = values::SignificantText(si * us_->factor, digits);
  return values::ExactSum(scaled, us_->offset).value_or(scaled);
}

std::string TypeUnits::ToStored(std::string_view display) const {
  const std::string text = values::LocaliseNumberText(display);
  if (!us_ || !ReadNumber(text)) return SingleForm(text);
  // The offset taken away exactly, as FloatDisplay added it.
  auto scaled = ReadNumber(values::ExactSum(text, -us_->offset).value_or(text));
  return scaled ? StoredText(*scaled / us_->factor) : text;
}

std::string TypeUnits::DisplayOf(const std::string& catalogueValue) const {
  return catalogueValue.empty() ? std::string() : ToDisplay(catalogueValue);
}

std::string TypeUnits::Resolution() const {
  if (isFloat_ || !(step_ > 0 && std::isfinite(step_))) return {};
  if (!us_) return values::DecimalText(step_, storedDecimals_);
  return values::SignificantText(step_ * us_->factor, kSingleDigits);
}

}  // namespace hostkit
