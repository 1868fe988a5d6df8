#include "host/output/TextTable.h"

#include "com/TextRules.h"

namespace host {

std::string TextTable(const std::vector<std::vector<std::string>>& rows, size_t indent) {
  std::vector<size_t> widths;
  for (const auto& row : rows)
    for (size_t i = 0; i < row.size(); ++i) {
      if (widths.size() <= i) widths.push_back(0);
      widths[i] = std::max(widths[i], qcom::text::Length(row[i]));
    }
  std::string out;
  for (const auto& row : rows) {
    std::string line(indent, ' ');
    for (size_t i = 0; i < row.size(); ++i) {
      const size_t pad = i == 0 ? 0 : widths[i - 1] - qcom::text::Length(row[i - 1]) + 2;
      line += std::string(pad, ' ') + row[i];
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + "\n";
  }
  return out;
}

}  // namespace host
