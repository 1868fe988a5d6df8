#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as spreadsheets read and write them: a field holding
// the separator, a quote or a line break is quoted, a quote inside doubled.
namespace host {

// One line of fields separated by commas, ending in "\n".
std::string CsvLine(const std::vector<std::string>& fields);

struct CsvRecord {
  size_t line = 0;  // where the record starts in the text, from 1
  std::vector<std::string> fields;
};

// The records of a text, blank lines skipped. The separator is the comma,
// or the semicolon when the first line holds semicolons and no comma (as
// spreadsheets write in languages with a decimal comma). A leading byte order
// mark and "\r" before line ends are dropped. False, with error set to
// "line N: ..." when a quoted field is not closed or a quote stands inside an
// unquoted field.
bool ReadCsv(std::string_view text, std::vector<CsvRecord>& records, std::string& error);

}  // namespace host
