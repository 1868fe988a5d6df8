#pragma once

#include <string>
#include <string_view>

#include "com/Api.h"

namespace qcom {

// Texts are UTF-8 inside the system and UTF-16 at COM interfaces. Invalid input
// sequences become U+FFFD rather than failing: a text never disappears.
QCOM_API std::u16string ToUtf16(std::string_view utf8);
QCOM_API std::string ToUtf8(std::u16string_view utf16);
// How many leading bytes of the text are ASCII.
QCOM_API size_t AsciiPrefixLength(std::string_view utf8);
// How many leading bytes of the text are well-formed UTF-8: its size when all
// of it is, else where the first bad sequence starts.
QCOM_API size_t ValidUtf8Length(std::string_view utf8);

}  // namespace qcom
