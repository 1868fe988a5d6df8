#pragma once

#include <QPointer>
#include <QString>
#include <QTextTable>
#include <vector>

// The numbered tables of a report document. The rows a template gives a table
// are its header; rows are appended below them, and closing a table gives it
// its final formatting.
namespace hostkit {

struct ReportTable {
  QPointer<QTextTable> table;
  int headerRows = 0;
};

// Rows below the header.
int BodyRows(const ReportTable& table);

// Appends one row. A row longer than the table gets further columns (empty in
// the rows above), a shorter one leaves its last cells empty.
void AppendRow(ReportTable& table, const std::vector<QString>& cells);

// The closing styles, each adding to the one before it: 0 leaves the table as
// the template and the rows made it, 1 draws a grid, 2 shades the header and
// repeats it at the top of every page the table runs over, 3 shades every
// second row below the header.
constexpr int kFinishedTable = 3;
void CloseFilledTable(ReportTable& table, int style);

// A table that received no rows keeps its header and gets one row "none"
// spanning all its columns, in the finished style.
void CloseEmptyTable(ReportTable& table);

}  // namespace hostkit
