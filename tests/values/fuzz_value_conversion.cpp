// Feeds arbitrary value texts, kinds, lengths and scaling coefficients to the
// stream encoding with either decimal separator. Whatever comes in, what comes
// out must be whole bytes of upper-case hex digits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "values/FieldText.h"
#include "values/HexText.h"
#include "values/MMain.h"
#include "values/StreamHex.h"

namespace {

constexpr std::string_view kKinds[] = {"Enum",     "Struct",           "Float",
                                       "Textual",  "SignedNumeric",    "UnsignedNumeric",
                                       "Bitfield", "signednumeric\x01"};

// Consumes the leading bytes that set the parameters; the rest is the value text.
struct Input {
  explicit Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint8_t Byte() {
    if (size_ == 0) return 0;
    --size_;
    return *data_++;
  }
  int16_t Word() { return static_cast<int16_t>(Byte() | (Byte() << 8)); }
  std::string_view Rest() const { return {reinterpret_cast<const char*>(data_), size_}; }

 private:
  const uint8_t* data_;
  size_t size_;
};

void RequireHexBytes(const std::string& hex) {
  if (hex.size() % 2 != 0) std::abort();
  for (char c : hex)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) std::abort();
}

void RequireDecimal(const std::string& text) {
  for (char c : text)
    if (c < '0' || c > '9') std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  std::string_view kind = kKinds[in.Byte() % std::size(kKinds)];
  int32_t length = static_cast<int32_t>((in.Byte() | (in.Byte() << 8)) % 301);
  int16_t a = in.Word(), b = in.Word(), c = in.Word();
  std::string_view value = in.Rest();

  for (const char* separator : {".", ","}) {
    values::Shared().localeDecimalSeparator = separator;
    values::Shared().alternateDecimalSeparator = separator[0] == '.' ? "," : ".";
    std::string typed = values::ValueToStreamHex(value, kind, length, a, b, c);
    RequireHexBytes(typed);
    if (static_cast<int32_t>(typed.size()) > 2 * 255) std::abort();
    RequireHexBytes(values::EncodeStreamHex(value, static_cast<uint8_t>(length), kind));
  }
  RequireDecimal(values::HexToDecimalText(value));
  values::GetField(value, a, ",");
  values::EnumNameOf(value.substr(0, value.size() / 2), value.substr(value.size() / 2));
  return 0;
}
