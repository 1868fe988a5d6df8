#pragma once

#include <cstdint>
#include <string>

// The stateless conversions applied to parameter value texts, and the small
// helpers the component's classes share.
#include "values/DecimalSeparators.h"
#include "values/FieldText.h"
#include "values/HexText.h"
#include "values/ShortFloat.h"
#include "values/StreamHex.h"
#include "xml/Elements.h"

namespace values {

// "1" for true, "0" for false.
std::string BoolToDigit(bool value);

// The next identifier of the component-wide counter; the first is 66537.
int32_t NextUniqueId();

// The reference under which a point is displayed: 16384 + 256 * b + a.
int32_t MakeDisplayReference(int32_t a, int32_t b);

}  // namespace values
