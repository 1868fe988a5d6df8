// Feeds arbitrary value texts, kinds, lengths and scaling coefficients to the
// stream encoding with either decimal separator. Whatever comes in, what comes
// out must be whole bytes of upper-case hex digits, and decimal text digits.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "values/FieldText.h"
#include "values/HexText.h"
#include "values/MMain.h"
#include "values/StreamHex.h"

static void Require(const std::string& text, std::string_view digits, size_t unit) {
  if (text.size() % unit != 0 || text.size() > 510 || text.find_first_not_of(digits) != text.npos)
    std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first bytes choose kind, length and coefficients; the rest is the value text.
  if (size < 8) return 0;
  constexpr std::string_view kKinds[] = {"Enum",          "Struct",          "Float",    "Textual",
                                         "SignedNumeric", "UnsignedNumeric", "Bitfield", "enum"};
  const std::string_view kind = kKinds[data[0] % 8];
  const int32_t length = (data[1] | data[2] << 8) % 301;
  auto word = [&](int at) { return static_cast<int16_t>(data[at] | data[at + 1] << 8); };
  const std::string_view value(reinterpret_cast<const char*>(data) + 8, size - 8);
  for (const char* separator : {".", ","}) {
    values::Shared().localeDecimalSeparator = separator;
    values::Shared().alternateDecimalSeparator = separator[0] == '.' ? "," : ".";
    Require(values::ValueToStreamHex(value, kind, length, word(3), word(5),
                                     static_cast<int8_t>(data[7])),
            "0123456789ABCDEF", 2);
    Require(values::EncodeStreamHex(value, static_cast<uint8_t>(length), kind), "0123456789ABCDEF",
            2);
  }
  Require(values::HexToDecimalText(value), "0123456789", 1);
  values::GetField(value, word(3), ",");
  values::EnumNameOf(value.substr(0, value.size() / 2), value.substr(value.size() / 2));
  return 0;
}
