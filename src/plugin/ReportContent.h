#pragma once

#include <string>
#include <vector>

#include "com/Variant.h"

class CDBAttributes;
class CDBEBModules;

// What the documentation report writes: the fields of the object and one row
// per channel, in words an engineer reads on a commissioning sheet.
namespace plugin {

// The report's tables by channel kind, in the order they are written and closed.
constexpr int kReportTableDO = 5;
constexpr int kReportTableDI = 4;
constexpr int kReportTableAO = 3;
constexpr int kReportTableAI = 2;
constexpr int kReportTables[] = {kReportTableDO, kReportTableDI, kReportTableAO, kReportTableAI};

struct ReportField {
  std::string name;
  std::string text;
};

struct ReportRow {
  int table = 0;
  std::vector<qcom::Variant> cells;
};

// "USERNAME" and "tqname", then one field per device parameter in collection order.
std::vector<ReportField> ReportFields(const std::string& userName, const CDBAttributes* device);

// The rows of the four tables: DO, then DI, AO and AI, each over every placed
// module in set order and its channels of that kind in order.
std::vector<ReportRow> ReportRows(const CDBEBModules* modules);

}  // namespace plugin
