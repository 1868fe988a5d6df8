#pragma once

#include <optional>
#include <string>

#include "com/Variant.h"

namespace qxml {

// The text a value is written as in an attribute or text node, as the
// automation conversion to text does: integers in decimal, a double with up to
// 15 significant digits and the process locale's decimal separator, a boolean
// as -1 or 0, an empty value as empty text. Nullopt for any other type.
std::optional<std::string> VariantToText(const VARIANT& value);

}  // namespace qxml
