#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The number rules of the system in one place.
namespace values {

// Locale-independent: the longest numeric prefix of the text (leading blanks,
// an optional sign, digits, one ".", an optional exponent), 0 when there is none.
double PlainParse(std::string_view text);

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4); nullopt when the result
// does not fit the target width or the number is not finite.
std::optional<int32_t> RoundToInt32(double value);
std::optional<int16_t> RoundToInt16(double value);

}  // namespace values
