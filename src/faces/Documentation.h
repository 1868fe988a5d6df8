#pragma once

#include "com/Bstr.h"
#include "com/Members.h"
#include "com/Variant.h"

namespace qcom {

// A report document of the documentation component, filled field by field and
// table by table from a named template.
#define QORDB_IREPORTDOCUMENT(GET, PUT, CALL, FUNC)                                    \
  FUNC(OpenTemplate, BSTR templateName, IDispatch* wordApp, IDispatch* localizer,      \
       VARIANT_BOOL* opened)                                                           \
  GET(FileName, BSTR* path)                                                            \
  CALL(AfterOpen)                                                                      \
  CALL(SaveAs, BSTR path)                                                              \
  CALL(FillField, BSTR field, BSTR text)                                               \
  CALL(FinishStandalone1)                                                              \
  CALL(FinishStandalone2)                                                              \
  GET(Text, BSTR* text)                                                                \
  /* One row of `count` values appended to table `table`; an array, so not by name. */ \
  QCOM_NOT_BY_NAME(CALL)                                                               \
  (AppendRow, LONG table, ULONG count, VARIANT * values, LONG flags)                   \
      CALL(CloseFilledTable, LONG table, LONG style) CALL(CloseEmptyTable, LONG table)
struct IReportDocument : IDispatch {
  QCOM_IDENTITY(IDispatch, "F765AB72-89A4-484C-BC8C-5C85EBB7A698");
  QCOM_MEMBERS(QORDB_IREPORTDOCUMENT)

 protected:
  ~IReportDocument() = default;
};

// The document application a host hands to the report (GetDoc's wordApp): it
// keeps the document in the host's hands. Given one, the report does not save
// or open the document itself; the host has it written with SaveAs, and a
// SaveAs with an empty path writes to the application's OutputPath, in the
// format its extension names.
#define QORDB_IDOCUMENTAPPLICATION(GET, PUT, CALL, FUNC) GET(OutputPath, BSTR* path)
struct IDocumentApplication : IDispatch {
  QCOM_IDENTITY(IDispatch, "D7858737-7E50-4849-BDD2-3B1870D8B7F3");
  QCOM_MEMBERS(QORDB_IDOCUMENTAPPLICATION)

 protected:
  ~IDocumentApplication() = default;
};

}  // namespace qcom
