#include "host/output/HelpText.h"

namespace host {

std::string HelpColumns(const std::vector<HelpRow>& rows, size_t widest) {
  size_t width = 0;
  for (const HelpRow& row : rows)
    if (row.term.size() <= widest && row.term.size() > width) width = row.term.size();
  const std::string margin(2 + width + 2, ' ');
  std::string out;
  for (const HelpRow& row : rows) {
    out += "  " + row.term;
    out += row.term.size() <= width ? std::string(width + 2 - row.term.size(), ' ') : "\n" + margin;
    for (char c : row.text) out += c == '\n' ? "\n" + margin : std::string(1, c);
    out += '\n';
  }
  return out;
}

HelpRow HelpOptionRow() {
  return {"-h, --help", "show this text"};
}

}  // namespace host
