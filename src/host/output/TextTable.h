#pragma once

#include <string>
#include <vector>

// Rows of text in aligned columns, as tqhost prints its listings.
namespace host {

// Each row indented by `indent` blanks, each column two blanks after the widest
// text of the one before it (counted in characters, not bytes); the last
// column is not padded and no line ends in blanks.
std::string TextTable(const std::vector<std::vector<std::string>>& rows, size_t indent = 2);

}  // namespace host
