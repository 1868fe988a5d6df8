#pragma once

#include <string>
#include <vector>

// The two-column lists of tqhost's help texts: commands or options on the
// left, what they do on the right, every description starting in one column.
namespace host {

struct HelpRow {
  std::string term;  // e.g. "--type NAME"
  std::string text;  // lines separated by "\n"; each continues in the description column
};

// The rows indented by two blanks, descriptions two blanks after the widest
// term of at most `widest` characters; a wider term stands on a line of its own
// with its description below it.
std::string HelpColumns(const std::vector<HelpRow>& rows, size_t widest = 16);

// The last row of every command's options.
HelpRow HelpOptionRow();

}  // namespace host
