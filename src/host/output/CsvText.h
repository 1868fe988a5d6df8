#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as spreadsheets read and write them: a field holding
// the separator, a quote or a line break is quoted, a quote inside doubled.
namespace host {

// What a field that a spreadsheet would run as a formula is written with in
// front: a text starting with "=", "+", "-", "@", a tab or a carriage return,
// unless it is a plain number such as -50 or +1.5e3. Reading takes it off.
constexpr char kFormulaGuard = '\'';

// One line of fields separated by commas (or the separator given), ending in "\n".
std::string CsvLine(const std::vector<std::string>& fields, char separator = ',');

// A record holds at most this many fields; a longer one is refused before it
// can fill the memory.
constexpr size_t kMaxCsvFields = 256;

struct CsvRecord {
  size_t line = 0;  // where the record starts in the text, from 1
  std::vector<std::string> fields;
};

// The records of a text, blank lines skipped. The separator is the comma,
// or the semicolon when the first record holds semicolons and no comma (as
// spreadsheets write in languages with a decimal comma). A leading byte order
// mark, "\r" before line ends and the formula guard are dropped. False, with
// error set to "line N: ..." when a quoted field is not closed, a quote stands
// inside an unquoted field or a record has more than kMaxCsvFields fields.
bool ReadCsv(std::string_view text, std::vector<CsvRecord>& records, std::string& error);

}  // namespace host
