#pragma once

#include <map>
#include <memory>
#include <string>

#include "com/ComObject.h"
#include "com/ComPtr.h"
#include "faces/Documentation.h"
#include "hostkit/DocumentTemplate.h"

namespace hostkit {

// The document component HZDoc.CDoc: a report document opened from a named
// template, filled field by field and table by table, and written as
// OpenDocument text, PDF or HTML. Given a document application (OpenTemplate's
// wordApp answering IDocumentApplication), the host decides where the document
// goes; without one it is a standalone document, which FinishStandalone1 saves
// in the user's documents folder and FinishStandalone2 opens in the desktop's
// viewer. The localiser is not used: texts are written as the caller gives them.
class ReportDocument final : public qcom::ComObject<IReportDocument> {
 public:
  HRESULT OpenTemplate(BSTR templateName, IDispatch* wordApp, IDispatch* localizer,
                       VARIANT_BOOL* opened) override;
  HRESULT get_FileName(BSTR* path) override;
  HRESULT AfterOpen() override;
  HRESULT SaveAs(BSTR path) override;
  HRESULT FillField(BSTR field, BSTR text) override;
  HRESULT FinishStandalone1() override;
  HRESULT FinishStandalone2() override;
  HRESULT get_Text(BSTR* text) override;
  HRESULT AppendRow(LONG table, ULONG count, VARIANT* values, LONG flags) override;
  HRESULT CloseFilledTable(LONG table, LONG style) override;
  HRESULT CloseEmptyTable(LONG table) override;

 private:
  // The open document's numbered table; null, with the error record set,
  // when no document is open or its template has no such table.
  ReportTable* Table(LONG number, const char* member);
  // S_OK when a document is open, else the error recorded.
  HRESULT CheckOpen(const char* member) const;
  // The object's name: the "USERNAME" field's text, else the "tqname" field's.
  std::string ObjectName() const;
  // Writes the document and remembers the path; the error record's number on failure.
  HRESULT Write(const std::string& path, const char* member);

  DocumentTemplate document_;
  qcom::ComPtr<IDocumentApplication> application_;
  // Each field's text as filled, for the page header and the file name.
  std::map<std::string, std::string> fields_;
  std::string fileName_;
};

}  // namespace hostkit
