#include "hostkit/ReportTables.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCursor>

namespace hostkit {

namespace {
constexpr double kGridWidth = 1;  // a pixel of the screen, 1/96 inch
const QColor kHeaderShade(0xD9, 0xD9, 0xD9);
const QColor kRowShade(0xF2, 0xF2, 0xF2);

// Rows are written in the font of the table's header, not bold, so a template
// sets the size of a table's text with the size of its header.
QTextCharFormat BodyText(const ReportTable& table) {
  QTextCharFormat format;
  if (table.headerRows > 0) {
    const QTextBlock first = table.table->cellAt(0, 0).firstCursorPosition().block();
    if (first.begin() != first.end()) format = first.begin().fragment().charFormat();
  }
  format.setFontWeight(QFont::Normal);
  return format;
}
}  // namespace

int BodyRows(const ReportTable& table) {
  return table.table->rows() - table.headerRows;
}

void AppendRow(ReportTable& table, const std::vector<QString>& cells) {
  QTextTable& t = *table.table;
  const int wanted = static_cast<int>(cells.size());
  if (wanted > t.columns()) t.appendColumns(wanted - t.columns());
  t.appendRows(1);
  const int row = t.rows() - 1;
  const QTextCharFormat text = BodyText(table);
  // A new row copies the formats of the one above, which may be the header's.
  for (int column = 0; column < t.columns(); ++column) {
    QTextTableCell cell = t.cellAt(row, column);
    cell.setFormat(QTextTableCellFormat());
    QTextCursor at = cell.firstCursorPosition();
    at.setBlockFormat(QTextBlockFormat());
    if (column < wanted) at.insertText(cells[column], text);
  }
}

void CloseFilledTable(ReportTable& table, int style) {
  QTextTable& t = *table.table;
  QTextTableFormat format = t.format();
  if (style >= 1) {
    format.setBorderCollapse(true);
    format.setBorder(kGridWidth);
    format.setBorderBrush(QBrush(Qt::black));
    format.setCellSpacing(0);
    format.setCellPadding(3);
  }
  if (style >= 2) format.setHeaderRowCount(table.headerRows);
  t.setFormat(format);
  for (int row = 0; row < t.rows(); ++row) {
    const bool header = row < table.headerRows;
    const bool shaded = style >= 2 && header;
    const bool alternate = style >= 3 && !header && (row - table.headerRows) % 2 == 1;
    for (int column = 0; column < t.columns(); ++column) {
      QTextTableCell cell = t.cellAt(row, column);
      if (cell.row() != row || cell.column() != column) continue;  // covered by a span
      QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
      if (style >= 1) {
        cellFormat.setBorder(kGridWidth);
        cellFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        cellFormat.setBorderBrush(QBrush(Qt::black));
      }
      if (shaded || alternate) cellFormat.setBackground(shaded ? kHeaderShade : kRowShade);
      cell.setFormat(cellFormat);
    }
  }
}

void CloseEmptyTable(ReportTable& table) {
  QTextTable& t = *table.table;
  AppendRow(table, {QStringLiteral("none")});
  if (t.columns() > 1) t.mergeCells(t.rows() - 1, 0, 1, t.columns());
  CloseFilledTable(table, kFinishedTable);
}

}  // namespace hostkit
