#pragma once

#include <QString>
#include <QTextDocument>
#include <optional>
#include <string>

// Writing a report document with Qt's own writers, in the format a file's
// extension names.
namespace hostkit {

enum class DocumentFormat { kOdt, kPdf, kHtml };

// The extensions known, as messages list them.
constexpr const char* kDocumentExtensions = ".odt, .pdf, .html";

// The format of a path's extension (.odt, .pdf, .html or .htm, letter case
// ignored); none for any other.
std::optional<DocumentFormat> FormatOfPath(const std::string& path);

// What the header of every printed page shows.
struct PageHeading {
  QString name;
  QString date;
};

// Writes the document; a file already at path is replaced only once the new
// one is complete, and never when it is one of the command's inputs (see
// qcom::ReplaceFile). Empty on success, else the reason, in words.
std::string WriteDocument(const QTextDocument& document, const std::string& path,
                          DocumentFormat format, const PageHeading& heading);

}  // namespace hostkit
