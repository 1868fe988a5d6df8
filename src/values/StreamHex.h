#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Encoding of typed value texts into the hex text of the configuration stream.
// An unencodable value gives an empty text (or the bytes written before the
// failure), which the stream carries as it is.
namespace values {

// The typed entry point: pads "Textual" values with blanks to `length`
// characters, localises the separator of numeric texts and scales
// "SignedNumeric" and "UnsignedNumeric" values to their raw value
// (v * 10^-b) / a - c (a = 0 makes every value 0), then encodes. A length
// outside 0..255, an unreadable number or a raw value beyond the single range
// gives an empty text.
std::string ValueToStreamHex(std::string_view value, std::string_view genType, int32_t length,
                             int16_t a, int16_t b, int16_t c);

// Encodes a value text of a kind. "Textual": the ANSI byte of each of the first
// `length` characters. "SignedNumeric", "UnsignedNumeric", "Bitfield": 1 byte
// (clamped to FF, negatives as their low byte), 2 bytes (-32768..32767 signed,
// 0..65535 otherwise) or the 4 bytes of the single; other lengths give nothing.
// "Enum": one byte. "Float": the short float. Other kinds give nothing. A value
// that cannot be read as a number counts as 0.
std::string EncodeStreamHex(std::string_view value, uint8_t length, std::string_view genType);

// Exchanges the two bytes of every 16-bit pair.
std::array<uint8_t, 32> SwapBytePairs(const std::array<uint8_t, 32>& in);

}  // namespace values
