#pragma once

#include "com/Bstr.h"
#include "com/Variant.h"

// A report document of the documentation component, filled field by field and
// table by table from a named template.
struct IReportDocument : IDispatch {
  QCOM_IDENTITY(IDispatch, "F765AB72-89A4-484C-BC8C-5C85EBB7A698");
  virtual HRESULT OpenTemplate(BSTR templateName, IDispatch* wordApp, IDispatch* localizer,
                               VARIANT_BOOL* opened) = 0;
  virtual HRESULT get_FileName(BSTR* path) = 0;
  virtual HRESULT AfterOpen() = 0;
  virtual HRESULT SaveAs(BSTR path) = 0;
  virtual HRESULT FillField(BSTR field, BSTR text) = 0;
  virtual HRESULT FinishStandalone1() = 0;
  virtual HRESULT FinishStandalone2() = 0;
  virtual HRESULT get_Text(BSTR* text) = 0;
  // One row of `count` values appended to table `table`.
  virtual HRESULT AppendRow(LONG table, ULONG count, VARIANT* values, LONG flags) = 0;
  virtual HRESULT CloseFilledTable(LONG table, LONG style) = 0;
  virtual HRESULT CloseEmptyTable(LONG table) = 0;

 protected:
  ~IReportDocument() = default;
};
