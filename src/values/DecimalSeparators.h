#pragma once

#include <string>
#include <string_view>

namespace values {

// Sets the shared locale and alternate decimal separators from the process
// locale: "," and "." when it writes one half with a comma, "." and "," otherwise.
void InitDecimalSeparators();

// The text with its first decimal separator replaced by the user's one: the
// first "." if there is one, else the first ",". 1,000.5 becomes 1,000 + separator + 5.
// Texts without either come back unchanged. Serves value input and display alike.
std::string LocaliseNumberText(std::string_view text);

// The same with "." in place of the user's separator: the form the
// engineering answers write numbers in, the same in every locale.
std::string WithDecimalPoint(std::string_view text);

}  // namespace values
