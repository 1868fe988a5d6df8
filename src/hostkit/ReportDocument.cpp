#include "hostkit/ReportDocument.h"

#include "com/TextRules.h"

#include <QDate>
#include <filesystem>
#include <vector>

#include "com/Boundary.h"
#include "com/OutParam.h"
#include "com/VariantCoercion.h"
#include "hostkit/DocumentWriters.h"
#include "hostkit/GuiApplication.h"
#include "hostkit/StandaloneDocument.h"
#include "platform/DocumentOpener.h"

namespace hostkit {

namespace {
constexpr const char* kSource = "HZDoc.CDoc";
// More cells than any report row has; a count beyond it is a caller's mistake.
constexpr ULONG kMostCells = 256;

HRESULT Fail(HRESULT number, const char* member, const std::string& why) {
  return qcom::RecordError(number, kSource, std::string(member) + ": " + why);
}

std::string Today() {
  return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

std::string OpenFailure(int result) {
  if (result == platform::kOpenNoAssociation) return "no viewer is set up for it";
  if (result == platform::kOpenFileNotFound) return "the file is not there";
  return "the viewer failed";
}
}  // namespace

HRESULT ReportDocument::CheckOpen(const char* member) const {
  if (document_.document) return S_OK;
  return Fail(E_UNEXPECTED, member, "no document is open (OpenTemplate opens one)");
}

ReportTable* ReportDocument::Table(LONG number, const char* member) {
  if (FAILED(CheckOpen(member))) return nullptr;
  auto found = document_.tables.find(number);
  if (found != document_.tables.end() && found->second.table) return &found->second;
  std::string known;
  for (const auto& [each, table] : document_.tables)
    known += (known.empty() ? "" : ", ") + std::to_string(each);
  Fail(E_INVALIDARG, member,
       "the template has no table " + std::to_string(number) + " (its tables: " + known + ")");
  return nullptr;
}

std::string ReportDocument::ObjectName() const {
  for (const char* field : {"USERNAME", "tqname"})
    if (auto found = fields_.find(field); found != fields_.end() && !found->second.empty())
      return found->second;
  return {};
}

namespace {
// Far more than any name or value of an object needs.
constexpr size_t kMaxPrintedField = 4096;
}  // namespace

HRESULT ReportDocument::Write(const std::string& path, const char* member) {
  const auto format = FormatOfPath(path);
  if (!format)
    return Fail(E_INVALIDARG, member,
                "'" + path + "' names no document format; the formats are " + kDocumentExtensions);
  // Laying out a line without end takes longer the longer it is: a page is
  // refused such a text at once rather than after minutes.
  if (*format == DocumentFormat::kPdf)
    for (const auto& [field, text] : fields_)
      if (const size_t length = qcom::text::Length(text); length > kMaxPrintedField)
        return Fail(E_INVALIDARG, member,
                    "the field " + field + " holds " + std::to_string(length) +
                        " characters; a printed report takes at most " +
                        std::to_string(kMaxPrintedField) + " in a field");
  const PageHeading heading{QString::fromStdString(ObjectName()), QString::fromStdString(Today())};
  const std::string error = WriteDocument(*document_.document, path, *format, heading);
  if (!error.empty()) return Fail(E_FAIL, member, error);
  std::error_code ec;
  fileName_ = std::filesystem::absolute(path, ec).string();
  return S_OK;
}

HRESULT ReportDocument::OpenTemplate(BSTR templateName, IDispatch* wordApp, IDispatch*,
                                     VARIANT_BOOL* opened) {
  if (!opened) return E_POINTER;
  *opened = VARIANT_FALSE;
  return qcom::Guarded(kSource, "OpenTemplate", [&] {
    // A template that cannot be opened is answered with false, as the report
    // expects, and the reason is left in the error record.
    if (!EnsureGuiApplication()) {
      Fail(E_UNEXPECTED, "OpenTemplate",
           "the process runs Qt without a GUI application, so no document can be laid out");
      return;
    }
    DocumentTemplate loaded;
    std::string error;
    if (!LoadTemplate(qcom::BstrToUtf8(templateName), loaded, error)) {
      Fail(E_INVALIDARG, "OpenTemplate", error);
      return;
    }
    document_ = std::move(loaded);
    application_ = qcom::QueryAs<IDocumentApplication>(wordApp);
    fields_.clear();
    fileName_.clear();
    *opened = VARIANT_TRUE;
  });
}

HRESULT ReportDocument::get_FileName(BSTR* path) {
  return qcom::ReturnText(fileName_, path);
}

// The template is ready once opened; nothing is left to do after it.
HRESULT ReportDocument::AfterOpen() {
  return CheckOpen("AfterOpen");
}

HRESULT ReportDocument::SaveAs(BSTR path) {
  return qcom::Guarded(kSource, "SaveAs", [&]() -> HRESULT {
    if (HRESULT hr = CheckOpen("SaveAs"); FAILED(hr)) return hr;
    std::string target = qcom::BstrToUtf8(path);
    if (target.empty() && application_) {
      qcom::Bstr output;
      if (SUCCEEDED(application_->get_OutputPath(output.out()))) target = output.utf8();
    }
    if (target.empty())
      return Fail(E_INVALIDARG, "SaveAs", "no path given, and no document application names one");
    return Write(target, "SaveAs");
  });
}

HRESULT ReportDocument::FillField(BSTR field, BSTR text) {
  return qcom::Guarded(kSource, "FillField", [&]() -> HRESULT {
    if (HRESULT hr = CheckOpen("FillField"); FAILED(hr)) return hr;
    const std::string name = qcom::BstrToUtf8(field);
    const std::string value = qcom::BstrToUtf8(text);
    hostkit::FillField(*document_.document, QString::fromStdString(name),
                       QString::fromStdString(value));
    // The document shows the first text a field got: its markers are gone after it.
    fields_.try_emplace(name, value);
    return S_OK;
  });
}

HRESULT ReportDocument::FinishStandalone1() {
  return qcom::Guarded(kSource, "FinishStandalone1", [&]() -> HRESULT {
    if (HRESULT hr = CheckOpen("FinishStandalone1"); FAILED(hr)) return hr;
    if (application_) return S_OK;  // the host decides where the document goes
    std::string error;
    const std::string path = StandaloneDocumentPath(ObjectName(), Today(), error);
    if (path.empty()) return Fail(E_FAIL, "FinishStandalone1", error);
    return Write(path, "FinishStandalone1");
  });
}

HRESULT ReportDocument::FinishStandalone2() {
  return qcom::Guarded(kSource, "FinishStandalone2", [&]() -> HRESULT {
    if (application_) return S_OK;
    if (fileName_.empty())
      return Fail(E_UNEXPECTED, "FinishStandalone2",
                  "the document has not been saved (FinishStandalone1 saves it)");
    const int result = platform::OpenDocument(fileName_);
    if (platform::OpenSucceeded(result)) return S_OK;
    return Fail(E_FAIL, "FinishStandalone2",
                "cannot open " + fileName_ + ": " + OpenFailure(result));
  });
}

HRESULT ReportDocument::get_Text(BSTR* text) {
  return qcom::Guarded(kSource, "Text", [&]() -> HRESULT {
    if (HRESULT hr = CheckOpen("Text"); FAILED(hr)) return hr;
    return qcom::ReturnText(document_.document->toPlainText().toStdString(), text);
  });
}

// No row flags are defined; the report passes 0.
HRESULT ReportDocument::AppendRow(LONG table, ULONG count, VARIANT* values, LONG) {
  return qcom::Guarded(kSource, "AppendRow", [&]() -> HRESULT {
    ReportTable* target = Table(table, "AppendRow");
    if (!target) return qcom::PeekErrorRecord()->number;
    if (count > 0 && !values) return Fail(E_POINTER, "AppendRow", "no values");
    if (count > kMostCells)
      return Fail(E_INVALIDARG, "AppendRow",
                  "a row of " + std::to_string(count) + " values is more than a table takes (" +
                      std::to_string(kMostCells) + ")");
    std::vector<QString> cells;
    for (ULONG i = 0; i < count; ++i) {
      qcom::Variant text;
      if (HRESULT hr = VariantChangeType(text.out(), &values[i], 0, VT_BSTR); FAILED(hr))
        return Fail(hr, "AppendRow",
                    "value " + std::to_string(i + 1) + " of the row for table " +
                        std::to_string(table) + " is neither a number nor a text");
      cells.push_back(QString::fromStdString(text.text()));
    }
    hostkit::AppendRow(*target, cells);
    return S_OK;
  });
}

HRESULT ReportDocument::CloseFilledTable(LONG table, LONG style) {
  return qcom::Guarded(kSource, "CloseFilledTable", [&]() -> HRESULT {
    ReportTable* target = Table(table, "CloseFilledTable");
    if (!target) return qcom::PeekErrorRecord()->number;
    if (style < 0 || style > kFinishedTable)
      return Fail(E_INVALIDARG, "CloseFilledTable",
                  "style " + std::to_string(style) +
                      " is none of 0 (as filled), 1 (grid), 2 (shaded header), 3 (finished)");
    hostkit::CloseFilledTable(*target, style);
    return S_OK;
  });
}

HRESULT ReportDocument::CloseEmptyTable(LONG table) {
  return qcom::Guarded(kSource, "CloseEmptyTable", [&]() -> HRESULT {
    ReportTable* target = Table(table, "CloseEmptyTable");
    if (!target) return qcom::PeekErrorRecord()->number;
    if (BodyRows(*target) > 0)
      return Fail(E_INVALIDARG, "CloseEmptyTable",
                  "table " + std::to_string(table) + " has rows; CloseFilledTable closes it");
    hostkit::CloseEmptyTable(*target);
    return S_OK;
  });
}

}  // namespace hostkit
