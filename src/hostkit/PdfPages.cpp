#include "hostkit/PdfPages.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

namespace hostkit {

namespace {
constexpr int kDotsPerInch = 300;
const QMarginsF kMarginsMm(20, 15, 20, 15);
}  // namespace

bool PaintPdf(const QTextDocument& document, QIODevice& device, const PageHeading& heading) {
  QPdfWriter pdf(&device);
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMarginsMm,
                                QPageLayout::Millimeter));
  pdf.setResolution(kDotsPerInch);
  pdf.setTitle(heading.name);
  pdf.setCreator(QStringLiteral("HZDoc"));
  // The copy is laid out for the printer, the document stays as the caller has it.
  std::unique_ptr<QTextDocument> pages(document.clone());
  pages->documentLayout()->setPaintDevice(&pdf);
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  painter.setFont(pages->defaultFont());
  const double line = QFontMetricsF(pages->defaultFont(), &pdf).height();
  const double width = pdf.width();
  const QSizeF body(width, pdf.height() - 4 * line);  // two lines each for header and footer
  pages->setPageSize(body);
  const int count = pages->pageCount();
  for (int page = 0; page < count; ++page) {
    if (page > 0) pdf.newPage();
    const QRectF top(0, 0, width, line);
    painter.drawText(top, Qt::AlignLeft, heading.name);
    painter.drawText(top, Qt::AlignRight, heading.date);
    painter.drawLine(QPointF(0, 1.25 * line), QPointF(width, 1.25 * line));
    painter.drawText(QRectF(0, pdf.height() - line, width, line), Qt::AlignHCenter,
                     QStringLiteral("Page %1 of %2").arg(page + 1).arg(count));
    painter.save();
    painter.translate(0, 2 * line - page * body.height());
    pages->drawContents(&painter, QRectF(QPointF(0, page * body.height()), body));
    painter.restore();
  }
  return painter.end();
}

}  // namespace hostkit
