// Arbitrary bytes as a CSV file: read without a crash, a hang or a leak, and
// every record read writes back as a line that reads as the same fields,
// formula guards and quotes included.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/output/CsvText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<host::CsvRecord> records;
  std::string error;
  if (!host::ReadCsv(std::string_view(reinterpret_cast<const char*>(data), size), records, error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  for (const host::CsvRecord& record : records) {
    if (record.fields.size() > host::kMaxCsvFields) std::abort();
    // A record of one empty field is a blank line, which reading skips.
    if (record.fields.size() == 1 && record.fields[0].empty()) continue;
    const std::string line = host::CsvLine(record.fields);
    std::vector<host::CsvRecord> again;
    if (!host::ReadCsv(line, again, error) || again.size() != 1 || again[0].fields != record.fields)
      std::abort();
  }
  return 0;
}
