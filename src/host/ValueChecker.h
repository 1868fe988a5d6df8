#pragma once

#include <optional>
#include <string>

#include "com/ComPtr.h"
#include "faces/UnitConverter.h"
#include "hostkit/UnitSystem.h"

// What "tqhost set" writes for a value, checked first as the edit dialog of
// the parameter's type checks what it writes: a number within its type's
// limits, a text no longer than its type, a member of an enumeration (its
// code, or its name in any letter case, written as its code), a bit field no
// wider than the bits the dialog shows. A number is read in the chosen unit
// system and stored through the unit service, as the numeric dialog stores
// what the user typed.
namespace host {

// The unit system --units names: si or us, in any letter case.
std::optional<hostkit::UnitSystem> UnitSystemNamed(const std::string& name);

class ValueChecker {
 public:
  // The catalogue the object was handed; it types the parameters.
  ValueChecker(IXMLDOMDocument* catalogue, hostkit::UnitSystem system);

  struct Checked {
    std::string stored;   // what to write
    std::string refusal;  // why the dialog would not write it; empty when it would
  };
  // Checks a value for a parameter of the SNVT type snvtId; a type the
  // catalogue lacks takes any value. False, with error set to one line, when
  // the unit service a number needs cannot be used.
  bool Check(const std::string& snvtId, const std::string& value, Checked& checked,
             std::string& error);

 private:
  IUnitConverter* Units(std::string& error);

  IXMLDOMDocument* catalogue_;
  hostkit::UnitSystem system_;
  qcom::ComPtr<IUnitConverter> units_;
};

}  // namespace host
