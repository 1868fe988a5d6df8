#pragma once

#include <string_view>

namespace values {

// The SNVT kinds whose values are numbers with a unit and limits (edited in
// the numeric dialog, displayed with their unit).
inline bool IsNumericKind(std::string_view kind) {
  return kind == "Float" || kind == "SignedNumeric" || kind == "UnsignedNumeric";
}

}  // namespace values
