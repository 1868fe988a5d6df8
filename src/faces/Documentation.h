#pragma once

#include "com/Bstr.h"
#include "com/Members.h"
#include "com/Variant.h"

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
