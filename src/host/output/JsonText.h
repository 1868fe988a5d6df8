#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace host {

// The text as a JSON string, quotes included: quote, backslash and control
// characters escaped, everything else (UTF-8) as it is.
std::string JsonString(std::string_view text);

// A number as the object answers it ("." before the decimals in every locale)
// as a JSON number; a text that is no number in JSON's own grammar ("0x1F",
// "1,5", "inf") as a string, and an empty one as null, so nothing is lost.
std::string JsonNumber(std::string_view text);

// The texts as a JSON array of strings.
std::string JsonTexts(const std::vector<std::string>& texts);

// A list of numbers "95,22" as a JSON array of numbers, [95, 22]; empty parts left out.
std::string JsonNumbers(const std::vector<std::string>& numbers);

}  // namespace host
