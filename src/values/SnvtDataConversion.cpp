#include "values/SnvtDataConversion.h"

#include <limits>

#include "values/MMain.h"

namespace values {

std::string BoolToDigit(bool value) {
  return value ? "1" : "0";
}

int32_t NextUniqueId() {
  int32_t& counter = Shared().uniqueIdCounter;
  // Identifiers start above the 16-bit range, at 66537. Past the largest 32-bit
  // identifier the count starts over there instead of overflowing.
  if (counter == 0 || counter == std::numeric_limits<int32_t>::max()) counter = 66536;
  return ++counter;
}

int32_t MakeDisplayReference(int32_t a, int32_t b) {
  // Computed wide and taken modulo 2^32, so no pair of inputs overflows.
  return static_cast<int32_t>(16384 + 256 * static_cast<int64_t>(b) + a);
}

}  // namespace values
