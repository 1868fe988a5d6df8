#include "host/output/CsvText.h"

#include <algorithm>

namespace host {

namespace {

bool StartsFormula(char c) {
  return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

// A sign, digits with one decimal point or comma, and an exponent: what a
// spreadsheet reads as a number however it starts.
bool PlainNumber(std::string_view text) {
  size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
  auto digits = [&] {
    const size_t from = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i > from;
  };
  bool whole = digits();
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    ++i;
    whole = digits() || whole;
  }
  if (!whole) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (!digits()) return false;
  }
  return i == text.size();
}

// Whether a field is written with the guard: when it would start a formula
// once any guards already in front of it are taken off, so that reading,
// which takes one off, gives every field back as it was.
bool NeedsGuard(std::string_view field) {
  std::string_view rest =
      field.substr(std::min(field.find_first_not_of(kFormulaGuard), field.size()));
  return !rest.empty() && StartsFormula(rest[0]) && !PlainNumber(rest);
}

// The semicolon when the first record holds semicolons and no comma outside
// its quoted fields (as spreadsheets write in languages with a decimal
// comma), else the comma.
char SeparatorOf(std::string_view text) {
  bool quoted = false, semicolon = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == ',') return ',';
    if (c == ';') semicolon = true;
    if (c == '\n') break;
  }
  return semicolon ? ';' : ',';
}

}  // namespace

std::string CsvLine(const std::vector<std::string>& fields, char separator) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    std::string field = fields[i];
    if (NeedsGuard(field)) field.insert(field.begin(), kFormulaGuard);
    if (i > 0) line += separator;
    // A byte order mark at the start of the text is no field's: reading drops it.
    const bool quoted = field.find_first_of(",;\"\r\n") != std::string::npos ||
                        field.find(separator) != std::string::npos ||
                        (!field.empty() && (field.front() == ' ' || field.back() == ' ')) ||
                        field.starts_with("\xEF\xBB\xBF");
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
  const char separator = SeparatorOf(text);
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
        if (record.fields.size() == kMaxCsvFields) {
          error = "line " + std::to_string(record.line) + ": more than " +
                  std::to_string(kMaxCsvFields) + " fields";
          return false;
        }
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
    for (std::string& field : record.fields)
      if (!field.empty() && field[0] == kFormulaGuard && NeedsGuard(field))
        field.erase(field.begin());
    const bool blank = record.fields.size() == 1 && record.fields[0].empty() && !wasQuoted;
    if (!blank) records.push_back(std::move(record));
  }
  return true;
}

}  // namespace host
