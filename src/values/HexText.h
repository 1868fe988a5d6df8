#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Hexadecimal texts of the configuration stream: upper-case digits, two per
// byte, most significant first.
namespace values {

// Two hex digits. A value above 255 is clamped to 255, and the caller's variable
// is clamped with it; a negative value gives its two's-complement low byte.
std::string ByteToHex(int32_t& n);
std::string ByteToHex(const int32_t& n);

// Four hex digits: ByteToHex of n / 256 and of n % 256 (both truncating toward
// zero). A value above 65535 is clamped to 65535, the caller's variable too.
std::string WordToHex(int32_t& n);
std::string WordToHex(const int32_t& n);

// The decimal text of a hex text, at least two digits ("5" -> "05", "A" -> "10",
// "" -> "00"). Letters may be lower case. A character that is not a hex digit
// makes the value 0 ("1G" -> "00"); a value beyond 32 bits gives an empty text.
std::string HexToDecimalText(std::string_view text);

}  // namespace values
