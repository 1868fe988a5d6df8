#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "hostkit/UnitSystem.h"
#include "hostkit/UsCustomaryUnits.h"
#include "values/SnvtReading.h"

namespace hostkit {

// How the values of one SNVT type are shown in a unit system. Values are
// stored as texts in the catalogue's unit; in SI they are shown as stored. In
// US customary units a shown value stores back as the stored value it came
// from: a scaled type stores on its grid of A x 10^B steps and shows enough
// decimals to tell neighbouring steps apart, a float stores as a single and
// shows as many digits as it takes to reach that single again. A float takes
// the decimals a single's text may have, in either system.
class TypeUnits {
 public:
  TypeUnits(const values::SnvtFields& fields, UnitSystem system);

  std::string Unit() const;
  int Decimals() const { return decimals_; }
  // Texts that are not numbers pass unchanged: there is nothing to convert.
  std::string ToDisplay(std::string_view stored) const;
  std::string ToStored(std::string_view display) const;
  // A limit or the invalid value of the catalogue in display form; empty stays empty.
  std::string DisplayOf(const std::string& catalogueValue) const;
  // The step between two stored values in the display unit; empty for a float.
  std::string Resolution() const;

  // A number text written with either decimal separator; nullopt if it is none.
  static std::optional<double> ReadNumber(std::string_view text);

 private:
  // The stored text of the SI value, on the type's grid or as a single.
  std::string StoredText(double si) const;
  // A float's number text as its single's own text (125E-1 as 12.5, the
  // catalogue's 340282000000000000000000000000000000000 as 3.40282E+38), when
  // that is the same single; any other text as it is.
  std::string SingleForm(const std::string& text) const;
  // A float's US value with that many significant digits, or with that many
  // for the scaled value and the offset added exactly (a double near the
  // offset loses a small value's digits).
  std::string FloatDisplay(double si, int digits, bool exact) const;

  const values::SnvtFields& fields_;
  const UsUnit* us_ = nullptr;  // null: shown as stored
  bool isFloat_ = false;
  double step_ = 0;  // grid step of a scaled type, 0 for a float
  int storedDecimals_ = 0;
  int decimals_ = 0;
};

}  // namespace hostkit
