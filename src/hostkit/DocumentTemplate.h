#pragma once

#include <QString>
#include <QTextDocument>
#include <map>
#include <memory>
#include <string>

#include "hostkit/ReportTables.h"

// Report templates are HTML files a person edits, one per template name, in
// the folder templates/ beside the document component's library:
//
//   <p>Object: {{USERNAME}}</p>
//   <table data-table="5"><tr><th>Channel</th><th>Module</th></tr></table>
//
// A field is a marker {{NAME}} anywhere in the text, written in one format
// (a marker split by bold or italic is not found). A table with a data-table
// number is one the report appends rows to; the rows the file gives it are its
// header.
namespace hostkit {

struct DocumentTemplate {
  std::unique_ptr<QTextDocument> document;
  std::map<int, ReportTable> tables;  // by number
};

// The template of that name (letter case ignored, as file names were for the
// tool family); false, with the reason in error, when there is none or the
// file cannot be read or matched up.
bool LoadTemplate(const std::string& name, DocumentTemplate& loaded, std::string& error);

// Replaces every marker of the field (the name as it is, letter case counted)
// with the text.
void FillField(QTextDocument& document, const QString& field, const QString& text);

}  // namespace hostkit
