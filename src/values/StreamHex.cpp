#include "values/StreamHex.h"

#include <bit>
#include <cmath>
#include <optional>

#include "com/TextRules.h"
#include "com/Utf.h"
#include "values/DecimalSeparators.h"
#include "values/HexText.h"
#include "values/MMain.h"
#include "values/NumberRules.h"
#include "values/ShortFloat.h"
#include "values/StreamReadBack.h"

namespace values {

namespace {

bool IsIntegerKind(std::string_view genType) {
  return IsScaledKind(genType) || genType == "Bitfield";
}

// With a point as the user's separator, numbers are read leniently (their
// numeric prefix); otherwise the whole text must be a number.
bool ReadsLeniently() {
  return Shared().localeDecimalSeparator == ".";
}

// One byte per character (UTF-16 unit) in the ANSI code page, for the first
// `length` characters.
std::string TextualHex(std::string_view value, uint8_t length) {
  std::u16string units = qcom::ToUtf16(value);
  std::string hex;
  for (size_t i = 0; i < units.size() && i < length; ++i)
    hex += ByteToHex(static_cast<int32_t>(qcom::text::AnsiByte(units[i])));
  return hex;
}

// A signed 16-bit value goes through the device's memory image: stored
// little-endian, then byte-swapped per pair, which puts the high byte first.
std::string SignedWordHex(float f) {
  std::optional<int16_t> word = RoundToInt16(f);
  if (!word) return {};
  auto bits = static_cast<uint16_t>(*word);
  std::array<uint8_t, 32> image{};
  image[0] = static_cast<uint8_t>(bits & 0xFFu);
  image[1] = static_cast<uint8_t>(bits >> 8);
  std::array<uint8_t, 32> swapped = SwapBytePairs(image);
  return ByteToHex(static_cast<int32_t>(swapped[0])) + ByteToHex(static_cast<int32_t>(swapped[1]));
}

std::string UnsignedWordHex(int32_t n) {
  if (n < 0 || n > 65535) return {};
  return ByteToHex(n / 256) + ByteToHex(n % 256);
}

// The IEEE 754 bits of the single, most significant byte first.
std::string SingleBitsHex(float f) {
  auto bits = std::bit_cast<uint32_t>(f);
  std::string hex;
  for (int shift = 24; shift >= 0; shift -= 8)
    hex += ByteToHex(static_cast<int32_t>((bits >> shift) & 0xFFu));
  return hex;
}

std::string IntegerHex(float f, int32_t n, uint8_t length, std::string_view genType) {
  switch (length) {
    case 1:
      return ByteToHex(n);
    case 2:
      return genType == "SignedNumeric" ? SignedWordHex(f) : UnsignedWordHex(n);
    case 4:
      return SingleBitsHex(f);
    default:
      return {};
  }
}

}  // namespace

std::string ValueToStreamHex(std::string_view value, std::string_view genType, int32_t length,
                             int16_t a, int16_t b, int16_t c) {
  // The length must fit the stream's one-byte length. Checking it before the
  // value is touched also keeps a huge length from padding a huge text.
  if (length < 0 || length > 255) return {};
  std::string text;
  if (genType == "Textual") {
    text = value;
    size_t units = qcom::text::Length(text);
    if (units < static_cast<size_t>(length)) text.append(static_cast<size_t>(length) - units, ' ');
  } else if (!IsScaledKind(genType)) {
    // Floats, enumerations and bit fields go out unscaled.
    text = LocaliseNumberText(value);
  } else if (a == 0) {
    text = "0";
  } else {
    text = LocaliseNumberText(value);
    double v = 0.0;
    if (ReadsLeniently()) {
      v = PlainParse(text);
    } else {
      std::optional<float> parsed = LocaleParse(text);
      if (!parsed) return {};
      v = *parsed;
    }
    double raw = ScaledToRaw(v, a, b, c);
    std::optional<float> single = RoundToSingle(raw);
    if (!single) return {};
    text = SingleText(*single);
  }
  return EncodeStreamHex(text, static_cast<uint8_t>(length), genType);
}

std::string EncodeStreamHex(std::string_view value, uint8_t length, std::string_view genType) {
  // A value that does not read as a number encodes as 0, and one beyond 32 bits
  // keeps its single (for the 4-byte form) with n = 0.
  float f = 0.0f;
  int32_t n = 0;
  std::optional<float> read =
      ReadsLeniently() ? RoundToSingle(PlainParse(value)) : LocaleParse(value);
  if (read) {
    f = *read;
    n = RoundToInt32(f).value_or(0);
  }
  if (genType == "Textual") return TextualHex(value, length);
  if (IsIntegerKind(genType)) return IntegerHex(f, n, length, genType);
  if (genType == "Enum") return ByteToHex(n);
  if (genType == "Float") return ShortFloatToHex(f);
  return {};
}

std::array<uint8_t, 32> SwapBytePairs(const std::array<uint8_t, 32>& in) {
  std::array<uint8_t, 32> out{};
  for (size_t i = 0; i < in.size(); i += 2) {
    out[i] = in[i + 1];
    out[i + 1] = in[i];
  }
  return out;
}

}  // namespace values
