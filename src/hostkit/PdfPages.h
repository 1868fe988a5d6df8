#pragma once

#include <QIODevice>
#include <QTextDocument>

#include "hostkit/DocumentWriters.h"

namespace hostkit {

// Prints the document as PDF on A4 pages: the object's name and the date at
// the top of every page, "Page n of m" at its foot, and the document laid out
// page by page in between, so a table row is never cut by a page break. False
// when nothing could be painted.
bool PaintPdf(const QTextDocument& document, QIODevice& device, const PageHeading& heading);

}  // namespace hostkit
