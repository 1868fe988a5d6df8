#include "hostkit/DocumentWriters.h"

#include <QBuffer>
#include <QTextDocumentWriter>
#include <filesystem>

#include "com/ErrorRecord.h"
#include "com/FileAccess.h"
#include "com/TextRules.h"
#include "hostkit/PdfPages.h"

namespace hostkit {

std::optional<DocumentFormat> FormatOfPath(const std::string& path) {
  const std::string extension = std::filesystem::path(path).extension().string();
  using qcom::text::EqualsNoCase;
  if (EqualsNoCase(extension, ".odt")) return DocumentFormat::kOdt;
  if (EqualsNoCase(extension, ".pdf")) return DocumentFormat::kPdf;
  if (EqualsNoCase(extension, ".html") || EqualsNoCase(extension, ".htm"))
    return DocumentFormat::kHtml;
  return std::nullopt;
}

std::string WriteDocument(const QTextDocument& document, const std::string& path,
                          DocumentFormat format, const PageHeading& heading) {
  // The writers close the device they write to, so they write into memory
  // first; the file is then written as every file of the system is.
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  bool written = false;
  if (format == DocumentFormat::kPdf) {
    written = PaintPdf(document, bytes, heading);
  } else {
    QTextDocumentWriter writer(&bytes, format == DocumentFormat::kOdt ? "odf" : "html");
    written = writer.write(&document);
  }
  const std::string failed = "cannot write " + path + ": ";
  if (!written) return failed + "the document could not be laid out";
  const QByteArray& data = bytes.data();
  qcom::ClearErrorRecord();
  const HRESULT hr =
      qcom::ReplaceFile(path, std::string_view(data.constData(), static_cast<size_t>(data.size())));
  if (SUCCEEDED(hr)) return {};
  auto record = qcom::TakeErrorRecord();
  return failed + (record ? record->description : qcom::HresultText(hr));
}

}  // namespace hostkit
