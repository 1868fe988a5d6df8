#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "values/ParameterDefinition.h"

// The check a value goes through before it is stored in a parameter, by the
// rules of the parameter's edit dialog and in its words (EditLimits.h): a
// number within its type's limits, a text no longer than its type, a member
// of an enumeration (its code, or its name in any letter case), a bit field
// no wider than the bits the dialog shows. Besides the dialog's rules, a
// number must lie within the limits its definition element gives, and a
// number of a scaled type must not have more decimals than its type's step
// holds, since the controller would receive it rounded.
namespace values {

// How numbers are converted between the unit system the user types them in
// and the catalogue's unit they are stored in: the unit service's members the
// numeric dialog uses. Texts are in the user's number format.
class ValueUnits {
 public:
  virtual ~ValueUnits() = default;
  virtual std::string ToStored(const ParameterDefinition& definition,
                               const std::string& display) = 0;
  virtual std::string ToDisplay(const ParameterDefinition& definition,
                                const std::string& stored) = 0;
  // The limits of the parameter's type in the catalogue, in display form;
  // empty for none.
  virtual std::string DisplayMin(const ParameterDefinition& definition) = 0;
  virtual std::string DisplayMax(const ParameterDefinition& definition) = 0;
  // A number as the user types it; nullopt when the text is none.
  virtual std::optional<double> ReadNumber(const std::string& text) = 0;
};

// SI, the catalogue's own units: numbers are shown as stored.
ValueUnits& CatalogueUnits();

struct CheckedValue {
  // The text to store: a number in the canonical form (WithDecimalPoint
  // form, CanonicalNumberText) in the catalogue's unit, an enumeration
  // member's code for its name, any other text as given.
  std::string stored;
  // Why the value may not be stored; empty when it may.
  std::string refusal;
};

// Checks text for a parameter of that definition. A type the catalogue lacks
// takes any value.
CheckedValue CheckValue(const ParameterDefinition& definition, std::string_view text,
                        ValueUnits& units);

// The one text a number is stored as: at most 15 significant digits, "." as
// the decimal point, no sign for zero, no "+", no blanks ("5 ", "+5", "5e0"
// give "5"; 1e-7 gives "1E-07").
std::string CanonicalNumberText(double value);

// Whether a value differs from a default: as numbers when both are numbers
// (in either decimal separator), else as texts without blanks around them.
bool DiffersFromDefault(std::string_view value, std::string_view defaultValue);

}  // namespace values
