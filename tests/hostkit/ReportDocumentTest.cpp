// The document component as the report reaches it: by ProgID through the registry.
#include <gtest/gtest.h>
#include <algorithm>
#include <ctime>
#include <functional>
#include "com/ComObject.h"
#include "com/Creation.h"
#include "com/ErrorRecord.h"
#include "faces/Documentation.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace {
using testing_support::ReadFile;

struct DocumentApplication final : qcom::ComObject<IDocumentApplication> {
  std::string output;
  HRESULT get_OutputPath(BSTR* path) override { return qcom::ReturnText(output, path); }
};

// The first of the texts missing from the text in that order, or ""; a line
// break counts as a blank, since a table cell may wrap its text.
std::string MissingInOrder(std::string text, const std::vector<std::string>& texts) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  size_t at = 0;
  for (const std::string& each : texts)
    if ((at = text.find(each, at)) == std::string::npos) return each;
  return "";
}

std::string Today() {
  char date[11];
  const std::time_t now = std::time(nullptr);
  std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
  return date;
}
}  // namespace

class DocumentComponent : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("QORDB_REGISTRY", (dir / "registry.xml").c_str(), 1);
    ASSERT_EQ(qcom::RegisterServer(TQ_PLUGINS_DIR "/HZDoc/HZDoc.so", false), S_OK);
    ASSERT_EQ(qcom::CreateByProgId("HZDoc.CDoc", IReportDocument::iid, doc.put_void()), S_OK);
  }
  bool Open(const char* name, IDispatch* application = nullptr) {
    VARIANT_BOOL opened = VARIANT_TRUE;
    EXPECT_EQ(doc->OpenTemplate(qcom::Bstr(name).get(), application, nullptr, &opened), S_OK);
    return opened == VARIANT_TRUE;
  }
  HRESULT Fill(const char* field, const char* text) {
    return doc->FillField(qcom::Bstr(field).get(), qcom::Bstr(text).get());
  }
  HRESULT Row(LONG table, const std::vector<qcom::Variant>& values) {
    std::vector<VARIANT> raw;
    for (const auto& value : values) raw.push_back(value.raw());
    return doc->AppendRow(table, static_cast<ULONG>(raw.size()), raw.data(), 0);
  }
  HRESULT SaveAs(const std::string& path) { return doc->SaveAs(qcom::Bstr(path).get()); }
  // The failure's number and record, "ok" for success.
  std::string Outcome(HRESULT hr) {
    auto record = qcom::TakeErrorRecord();
    return SUCCEEDED(hr) ? "ok" : qcom::HresultText(hr) + " " + (record ? record->description : "");
  }
  std::string Got(HRESULT (IReportDocument::*getter)(BSTR*)) {
    qcom::Bstr text;
    EXPECT_EQ((doc.get()->*getter)(text.out()), S_OK);
    return text.utf8();
  }
  testing_support::TempDir dir;
  qcom::ComPtr<IReportDocument> doc;
};

TEST_F(DocumentComponent, FilledTemplateIsWrittenAsHtmlOdtAndPdf) {
  EXPECT_EQ(Outcome(doc->AfterOpen()),
            "0x8000FFFF AfterOpen: no document is open (OpenTemplate opens one)");
  EXPECT_FALSE(Open("TQ-XX"));
  EXPECT_EQ(qcom::TakeErrorRecord().value_or(qcom::ErrorRecord{}).description,
            "OpenTemplate: there is no template 'TQ-XX' (" TQ_PLUGINS_DIR
            "/HZDoc/templates/TQ-XX.html)");
  ASSERT_TRUE(Open("tq-eb"));  // letter case ignored, as file names were for the tool family
  EXPECT_EQ(doc->AfterOpen(), S_OK);
  for (auto [field, text] : {std::pair{"USERNAME", "Boiler room 2"},
                             {"tqname", "Boiler room 2"},
                             {"Powerline_Freq", "60 Hz"},
                             {"powerline_freq", "no such field"}})
    EXPECT_EQ(Fill(field, text), S_OK);
  // DO and AI rows as long as their header and longer, a DI row shorter; no AO row.
  EXPECT_EQ(Row(5, {int16_t(1), "EB8DO-2", "Pulse type"}), S_OK);
  EXPECT_EQ(Row(4, {int16_t(3), "EB8DI-1"}), S_OK);
  EXPECT_EQ(Row(2, {"1", "EB4AI2AO-1", "K47 Sensor", "0-20V", "No", "Enable", "ON:Filtered Value",
                    "Deg °C or °K", "Enable", 2.5, "beyond the header"}),
            S_OK);
  EXPECT_EQ(Row(2, {"2", "EB4AI2AO-1", "Linear"}), S_OK);
  for (int16_t channel = 4; channel < 44; ++channel) EXPECT_EQ(Row(4, {channel}), S_OK);
  for (LONG table : {5, 4, 2}) EXPECT_EQ(doc->CloseFilledTable(table, 3), S_OK);
  EXPECT_EQ(doc->CloseEmptyTable(3), S_OK);

  const std::vector<std::pair<std::function<HRESULT()>, std::string>> refusals = {
      {[&] { return Row(7, {"1"}); },
       "0x80070057 AppendRow: the template has no table 7 (its tables: 2, 3, 4, 5)"},
      {[&] { return Row(5, {qcom::Variant(static_cast<IDispatch*>(doc.get()))}); },
       "0x80020005 AppendRow: value 1 of the row for table 5 is neither a number nor a text"},
      {[&] { return doc->CloseFilledTable(5, 4); },
       "0x80070057 CloseFilledTable: style 4 is none of 0 (as filled), 1 (grid), 2 (shaded "
       "header), 3 (finished)"},
      {[&] { return doc->CloseEmptyTable(4); },
       "0x80070057 CloseEmptyTable: table 4 has rows; CloseFilledTable closes it"},
      {[&] { return SaveAs(dir / "report.doc"); },
       "0x80070057 SaveAs: '" + dir / "report.doc" +
           "' names no document format; the formats are .odt, .pdf, .html"},
      {[&] { return SaveAs(""); },
       "0x80070057 SaveAs: no path given, and no document application names one"},
      {[&] { return SaveAs(dir / "gone/report.pdf"); }, "0x80004005 SaveAs: cannot write " +
                                                            dir / "gone/report.pdf" +
                                                            ": the folder does not exist"},
  };
  for (const auto& [call, expected] : refusals) EXPECT_EQ(Outcome(call()), expected);

  const std::vector<std::string> inOrder = {
      "Boiler room 2", "60 Hz", "{{DO_PulseTime}}",  "EB8DO-2", "Pulse type", "EB8DI-1", "none",
      "K47 Sensor",    "2.5",   "beyond the header", "Linear"};
  EXPECT_EQ(MissingInOrder(Got(&IReportDocument::get_Text), inOrder), "");
  EXPECT_EQ(Got(&IReportDocument::get_Text).find("no such field"), std::string::npos);
  EXPECT_EQ(Got(&IReportDocument::get_FileName), "") << "before anything is written";
  for (const char* name : {"r.html", "r.odt", "r.PDF"})
    EXPECT_EQ(Outcome(SaveAs(dir / name)), "ok");
  EXPECT_EQ(Got(&IReportDocument::get_FileName), dir / "r.PDF");
  EXPECT_EQ(MissingInOrder(ReadFile(dir / "r.html"), inOrder), "");
  auto content =
      testing_support::RunProcess("/usr/bin/unzip", {"-p", dir / "r.odt", "content.xml"});
  EXPECT_EQ(MissingInOrder(content.out, inOrder), "");
  auto pdf = testing_support::RunProcess("/usr/bin/pdftotext", {dir / "r.PDF", "-"});
  ASSERT_EQ(pdf.exitCode, 0) << pdf.err;
  const size_t pageBreak = pdf.out.find('\f');
  const std::string first = pdf.out.substr(0, pageBreak), second = pdf.out.substr(pageBreak);
  EXPECT_EQ(MissingInOrder(first, {"Boiler room 2", Today(), "TQ4600 I/O extension Boiler room 2",
                                   "60 Hz", "EB8DO-2", "Pulse type", "EB8DI-1", "Page 1 of 2"}),
            "")
      << pdf.out;
  // The inputs run over to the second page, under their header again; the
  // reader takes the narrow analog input cells in no fixed order.
  EXPECT_EQ(MissingInOrder(second, {"Boiler room 2", "Contact type", "43", "none"}), "");
  for (const char* text : {"K47", "2.5", "beyond", "Linear", "Page 2 of 2"})
    EXPECT_NE(second.find(text), std::string::npos) << text;
}

TEST_F(DocumentComponent, StandaloneDocumentsGoToTheUsersDocumentsFolder) {
  setenv("HOME", dir.path().c_str(), 1);
  setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
  dir.Write("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Reports\"\n");
  ASSERT_TRUE(Open("TQ-EB"));
  EXPECT_EQ(Outcome(doc->FinishStandalone2()),
            "0x8000FFFF FinishStandalone2: the document has not been saved (FinishStandalone1 "
            "saves it)");
  EXPECT_EQ(Fill("USERNAME", "Hall: A/B"), S_OK);
  EXPECT_EQ(doc->FinishStandalone1(), S_OK);
  EXPECT_EQ(doc->FinishStandalone1(), S_OK);
  const std::string first = dir / ("Reports/Hall_ A_B " + Today());
  EXPECT_EQ(Got(&IReportDocument::get_FileName), first + " (2).pdf");
  EXPECT_EQ(ReadFile(first + ".pdf").rfind("%PDF-", 0), 0u);
  const std::string path = getenv("PATH");
  setenv("PATH", dir.path().c_str(), 1);  // no desktop opener to be found
  EXPECT_EQ(Outcome(doc->FinishStandalone2()), "0x80004005 FinishStandalone2: cannot open " +
                                                   first + " (2).pdf: no viewer is set up for it");
  setenv("PATH", path.c_str(), 1);

  // With a document application the host decides where the document goes.
  auto application = qcom::Make<DocumentApplication>();
  application->output = dir / "host.odt";
  ASSERT_TRUE(Open("TQ-EB", application.get()));
  EXPECT_EQ(doc->FinishStandalone1(), S_OK);
  EXPECT_EQ(doc->FinishStandalone2(), S_OK);
  EXPECT_EQ(Got(&IReportDocument::get_FileName), "") << "nothing saved";
  EXPECT_EQ(SaveAs(""), S_OK);
  EXPECT_EQ(Got(&IReportDocument::get_FileName), dir / "host.odt");
  EXPECT_EQ(ReadFile(dir / "host.odt").rfind("PK", 0), 0u);
}
