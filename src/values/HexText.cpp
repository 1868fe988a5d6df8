#include "values/HexText.h"

#include <cmath>

#include "com/TextRules.h"
#include "com/Utf.h"
#include "values/NumberRules.h"

namespace values {

namespace {
constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexDigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}
}  // namespace

std::string ByteToHex(int32_t& n) {
  if (n > 255) n = 255;
  // The low byte is also what the last two digits of a negative value's
  // two's-complement hex text say.
  auto byte = static_cast<uint8_t>(static_cast<uint32_t>(n) & 0xFFu);
  return {kHexDigits[byte >> 4], kHexDigits[byte & 0x0F]};
}

std::string ByteToHex(const int32_t& n) {
  int32_t copy = n;
  return ByteToHex(copy);
}

std::string WordToHex(int32_t& n) {
  if (n > 65535) n = 65535;
  return ByteToHex(n / 256) + ByteToHex(n % 256);
}

std::string WordToHex(const int32_t& n) {
  int32_t copy = n;
  return WordToHex(copy);
}

std::string HexToDecimalText(std::string_view text) {
  // Positions count in characters as the user sees them (UTF-16 units).
  std::u16string units = qcom::ToUtf16(text);
  int32_t value = 0;
  for (size_t i = 0; i < units.size(); ++i) {
    int digit = HexDigitValue(qcom::text::UpperUnit(units[i]));
    if (digit < 0) {
      value = 0;
      break;
    }
    double weight = std::pow(16.0, static_cast<double>(units.size() - i - 1));
    // A text too long for its weight to be a number, or a sum beyond 32 bits,
    // has no decimal text.
    if (!std::isfinite(weight)) return {};
    std::optional<int32_t> sum = RoundToInt32(value + digit * weight);
    if (!sum) return {};
    value = *sum;
  }
  std::string decimal = std::to_string(value);
  if (decimal.size() == 1) decimal.insert(0, "0");
  return decimal;
}

}  // namespace values
