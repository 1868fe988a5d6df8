// The object's documentation report, filled into a document of the tool
// family's documentation component.
#include <set>

#include "com/Boundary.h"
#include "com/Creation.h"
#include "faces/Documentation.h"
#include "plugin/CDBAppObject.h"
#include "plugin/ReportContent.h"

namespace {
constexpr const char* kDocumentProgId = "HZDoc.CDoc";
constexpr const char* kTemplate = "TQ-EB";
// How a table that received rows is finished.
constexpr LONG kFilledTableStyle = 3;
}  // namespace

// Every call on the document after it opened goes on whatever the one before
// it answered: a report with a field or row missing is still worth having.
HRESULT CDBAppObject::GetDoc(IDispatch* wordApp, IDispatch* localizer, IDispatch** document) {
  if (!document) return E_POINTER;
  *document = nullptr;
  return qcom::Guarded([&] {
    qcom::ComPtr<IReportDocument> doc;
    HRESULT hr = qcom::CreateByProgId(kDocumentProgId, IReportDocument::iid, doc.put_void());
    if (FAILED(hr)) return hr;
    qcom::Bstr name(kTemplate);
    VARIANT_BOOL opened = VARIANT_FALSE;
    if (FAILED(doc->OpenTemplate(name.get(), wordApp, localizer, &opened)) || !opened) return S_OK;
    doc->AfterOpen();

    for (const plugin::ReportField& field : plugin::ReportFields(userName_, attributes_.get()))
      doc->FillField(qcom::Bstr(field.name).get(), qcom::Bstr(field.text).get());
    std::set<int> filled;
    for (plugin::ReportRow& row : plugin::ReportRows(modules_.get())) {
      std::vector<VARIANT> cells;
      for (qcom::Variant& cell : row.cells) cells.push_back(cell.raw());
      if (SUCCEEDED(doc->AppendRow(row.table, static_cast<ULONG>(cells.size()), cells.data(), 0)))
        filled.insert(row.table);
    }
    for (int table : plugin::kReportTables) {
      if (filled.count(table))
        doc->CloseFilledTable(table, kFilledTableStyle);
      else
        doc->CloseEmptyTable(table);
    }
    if (!wordApp) {
      doc->FinishStandalone1();
      doc->FinishStandalone2();
    }
    return doc->QueryInterface(IDispatch::iid, reinterpret_cast<void**>(document));
  });
}
