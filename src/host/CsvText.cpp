#include "host/CsvText.h"

namespace host {

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    const std::string& field = fields[i];
    if (i > 0) line += ',';
    const bool quoted = field.find_first_of(",;\"\r\n") != std::string::npos ||
                        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quoted) {
      line += field;
      continue;
    }
    line += '"';
    for (char c : field) line += c == '"' ? std::string("\"\"") : std::string(1, c);
    line += '"';
  }
  return line + "\n";
}

bool ReadCsv(std::string_view text, std::vector<CsvRecord>& records, std::string& error) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  const std::string_view first = text.substr(0, text.find('\n'));
  const char separator =
      first.find(';') != std::string_view::npos && first.find(',') == std::string_view::npos ? ';'
                                                                                             : ',';
  size_t line = 1, i = 0;
  while (i < text.size()) {
    CsvRecord record{line, {""}};
    bool quoted = false, wasQuoted = false;
    for (; i < text.size(); ++i) {
      const char c = text[i];
      if (quoted) {
        if (c == '\n') ++line;
        if (c != '"') {
          record.fields.back() += c;
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
          record.fields.back() += '"';
          ++i;
        } else {
          quoted = false;
        }
      } else if (c == '"' && record.fields.back().empty() && !wasQuoted) {
        quoted = wasQuoted = true;
      } else if (c == '"') {
        error = "line " + std::to_string(line) + ": a quote inside a field that is not quoted";
        return false;
      } else if (c == separator) {
        record.fields.emplace_back();
        wasQuoted = false;
      } else if (c == '\n') {
        ++i;
        break;
      } else if (c != '\r' || (i + 1 < text.size() && text[i + 1] != '\n')) {
        record.fields.back() += c;
      }
    }
    if (quoted) {
      error = "line " + std::to_string(record.line) + ": a quoted field is not closed";
      return false;
    }
    ++line;
    const bool blank = record.fields.size() == 1 && record.fields[0].empty() && !wasQuoted;
    if (!blank) records.push_back(std::move(record));
  }
  return true;
}

}  // namespace host
