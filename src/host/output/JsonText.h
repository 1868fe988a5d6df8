#pragma once

#include <string>
#include <string_view>

namespace host {

// The text as a JSON string, quotes included: quote, backslash and control
// characters escaped, everything else (UTF-8) as it is.
std::string JsonString(std::string_view text);

}  // namespace host
