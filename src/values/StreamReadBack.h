#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the controller reads back from the bytes of one typed value of the
// configuration stream, and whether a value fits its field before it is
// encoded. The host tool explains and checks streams with these rules; it
// links none of the model, so they stay in this header.
namespace values {

// The kinds whose values are scaled to a raw value before they are encoded.
inline bool IsScaledKind(std::string_view kind) {
  return kind == "SignedNumeric" || kind == "UnsignedNumeric";
}

// The raw value of a scaled kind: (v * 10^-b) / a - c; a = 0 makes every value 0.
inline double ScaledToRaw(double v, int16_t a, int16_t b, int16_t c) {
  if (a == 0) return 0.0;
  return (v * std::pow(10.0, -static_cast<int32_t>(b))) / a - c;
}

// The engineering value of a raw value: the inverse of ScaledToRaw.
inline double RawToScaled(double raw, int16_t a, int16_t b, int16_t c) {
  return (raw + c) * a * std::pow(10.0, static_cast<int32_t>(b));
}

// The bytes a value of the kind and length takes in the stream when its
// encoding succeeds; 0 for what never encodes.
inline int32_t EncodedWidth(std::string_view kind, int32_t length) {
  if (kind == "Textual") return length < 0 || length > 255 ? 0 : length;
  if (kind == "Enum") return 1;
  if (kind == "Float") return 2;
  if (IsScaledKind(kind) || kind == "Bitfield")
    return length == 1 || length == 2 || length == 4 ? length : 0;
  return 0;
}

// Whether a number (the raw value of a scaled kind) fits its field: one byte
// clamps above 255, two bytes and the short float cannot hold a value beyond
// their range and write nothing.
enum class FieldFit { kFits, kClamped, kFails };
inline FieldFit FitOf(double raw, std::string_view kind, int32_t length) {
  if (EncodedWidth(kind, length) == 0) return FieldFit::kFails;
  if (kind == "Textual") return FieldFit::kFits;
  if (kind == "Float")
    // The largest short float is 2047 * 2^4; beyond half a step above it the
    // exponent would need a fifth bit.
    return std::fabs(raw) < 32760.0 ? FieldFit::kFits : FieldFit::kFails;
  const double n = std::nearbyint(raw);  // ties to even, as the encoder rounds
  if (length == 1 || kind == "Enum") return n > 255.0 ? FieldFit::kClamped : FieldFit::kFits;
  if (length == 2 && kind == "SignedNumeric")
    return n >= -32768.0 && n <= 32767.0 ? FieldFit::kFits : FieldFit::kFails;
  if (length == 2) return n >= 0.0 && n <= 65535.0 ? FieldFit::kFits : FieldFit::kFails;
  return FieldFit::kFits;
}

// The value of the short float's 16 bits: exponent E (4 bits), sign, mantissa
// M (11 bits), M * 2^(E - 11).
inline double ShortFloatValue(uint16_t bits) {
  const double magnitude = std::ldexp(static_cast<double>(bits & 0x7FFu), (bits >> 12) - 11);
  return bits & 0x800u ? -magnitude : magnitude;
}

// The bytes of a hex text, most significant first, as one unsigned number;
// nothing for a text that is not 2 to 8 hex digits in pairs.
inline std::optional<uint32_t> HexBytes(std::string_view hex) {
  if (hex.empty() || hex.size() > 8 || hex.size() % 2 != 0) return std::nullopt;
  uint32_t value = 0;
  for (char c : hex) {
    int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  return value;
}

// The number the controller reads from a field of a numeric kind: the raw
// value for scaled kinds (one byte of a signed kind read as its two's
// complement), the single's bits for four bytes, the short float for
// "Float". Nothing for a textual field or bytes that do not make the field.
inline std::optional<double> ReadBackNumber(std::string_view hex, std::string_view kind,
                                            int32_t length) {
  const int32_t width = EncodedWidth(kind, length);
  auto bits = HexBytes(hex);
  if (kind == "Textual" || width == 0 || !bits || static_cast<int32_t>(hex.size()) != 2 * width)
    return std::nullopt;
  if (kind == "Float") return ShortFloatValue(static_cast<uint16_t>(*bits));
  if (width == 4) {
    return std::bit_cast<float>(*bits);
  }
  if (kind == "SignedNumeric" && width == 1) return static_cast<int8_t>(*bits);
  if (kind == "SignedNumeric" && width == 2) return static_cast<int16_t>(*bits);
  return *bits;
}

}  // namespace values
