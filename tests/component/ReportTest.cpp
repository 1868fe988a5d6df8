// The documentation report as a host asks for it, filled into a recording document.
#include <gtest/gtest.h>

#include <cstdlib>

#include "com/ClassFactory.h"
#include "com/ClassObjectTable.h"
#include "com/Creation.h"
#include "faces/AppObject.h"
#include "faces/Documentation.h"
#include "support/TempDir.h"
#include "xml/Dom.h"
#include "xml/Elements.h"

namespace {

using Log = std::vector<std::string>;

// The documentation component as a recorder: every call, one line each.
struct RecordingDocument final : qcom::ComObject<IReportDocument> {
  static inline Log log;
  static inline bool opens = true;
  static inline std::string failing;  // the member that fails (and is still noted)
  HRESULT Note(const std::string& member, const std::string& rest = "") {
    log.push_back(member + rest);
    return member == failing ? E_FAIL : S_OK;
  }
  static std::string Text(BSTR text) { return qcom::BstrToUtf8(text); }
  HRESULT OpenTemplate(BSTR name, IDispatch* app, IDispatch* localizer, VARIANT_BOOL* ok) override {
    *ok = opens ? VARIANT_TRUE : VARIANT_FALSE;
    return Note("OpenTemplate ", Text(name) + (app ? " app" : "") + (localizer ? " loc" : ""));
  }
  HRESULT get_FileName(BSTR*) override { return Note("FileName"); }
  HRESULT AfterOpen() override { return Note("AfterOpen"); }
  HRESULT SaveAs(BSTR) override { return Note("SaveAs"); }
  HRESULT FillField(BSTR f, BSTR t) override { return Note("FillField ", Text(f) + "=" + Text(t)); }
  HRESULT FinishStandalone1() override { return Note("FinishStandalone1"); }
  HRESULT FinishStandalone2() override { return Note("FinishStandalone2"); }
  HRESULT get_Text(BSTR*) override { return Note("Text"); }
  HRESULT AppendRow(LONG table, ULONG count, VARIANT* cells, LONG flags) override {
    std::string row = std::to_string(table) + " " + std::to_string(flags) + ":";
    for (ULONG i = 0; i < count; ++i)  // texts quoted, numbers bare
      row += cells[i].vt == VT_BSTR ? " '" + Text(cells[i].bstrVal) + "'"
                                    : " " + std::to_string(cells[i].lVal);
    return Note("AppendRow ", row);
  }
  HRESULT CloseFilledTable(LONG t, LONG style) override {
    return Note("CloseFilledTable ", std::to_string(t) + " " + std::to_string(style));
  }
  HRESULT CloseEmptyTable(LONG t) override { return Note("CloseEmptyTable ", std::to_string(t)); }
};

const CLSID kRecorder = *qcom::GuidFromString("6D2C3F1A-9B8E-4C7D-A5F4-3E2B1C0D9A87");

class Report : public ::testing::Test {
 protected:
  void SetUp() override {
    qcom::RegisterServer(std::string(TQ_PLUGINS_DIR) + "/O_TQ4600/O_TQ4600.so", false);
    auto factory = qcom::Make<qcom::ClassFactory<RecordingDocument>>();
    ASSERT_EQ(qcom::RegisterClassObject(kRecorder, "HZDoc.CDoc", factory.get(), &cookie), S_OK);
    RecordingDocument::log.clear(), RecordingDocument::opens = true;
    RecordingDocument::failing.clear();
  }
  void TearDown() override { CoRevokeClassObject(cookie); }
  // An object of the bundled type loaded from a saved element's inside.
  qcom::ComPtr<IAppObject> Object(const std::string& inside) {
    qcom::ComPtr<IAppObject> object;
    qcom::CreateByProgId("O_TQ4600.CAppObject", IAppObject::iid, object.put_void());
    auto catalogue = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    catalogue->load(qcom::Variant(TQ_SNVT_FILE).raw(), &ok);
    object->XmlSNVTDoc(catalogue.get());
    object->Init(qcom::Bstr("TQ4600").get(), nullptr, &ok);
    object->Create();
    auto saved = qxml::CreateDocument();
    saved->loadXML(qcom::Bstr("<TQ4600>" + inside + "</TQ4600>").get(), &ok);
    object->XmlLoad(qxml::RootOf(saved.get()).get());
    return object;
  }
  Log Doc(IAppObject* object, IDispatch* app, bool expectDocument = true) {
    qcom::ComPtr<IDispatch> document;
    EXPECT_EQ(qcom::QueryAs<IReportSource>(object)->GetDoc(app, nullptr, document.put()), S_OK);
    EXPECT_EQ(document != nullptr, expectDocument);
    return RecordingDocument::log;
  }
  DWORD cookie = 0;
};

TEST_F(Report, FieldsRowsAndTablesInTheirOrder) {
  auto object = Object(
      "<UserName>AHU 3</UserName><Attributes><Powerline_Freq>1</Powerline_Freq>"
      "<Behaviour_OnCommFailure>0</Behaviour_OnCommFailure></Attributes><Modules><EB4DI4DO>"
      "<DI><ContactType>1</ContactType></DI><DI><ContactType>2</ContactType></DI></EB4DI4DO>"
      "<EB4AI2AO><AI><sensortype>3</sensortype><range>7</range><unit_of_measure>2"
      "</unit_of_measure><diff_alarm_limit>1.5</diff_alarm_limit></AI></EB4AI2AO></Modules>");
  object->put_UserName(qcom::Bstr("AHU 3").get());
  const Log log = Doc(object.get(), nullptr);
  const Log head = {"OpenTemplate TQ-EB",
                    "AfterOpen",
                    "FillField USERNAME=AHU 3",
                    "FillField tqname=AHU 3",
                    "FillField R5_Address=-1",
                    "FillField Priority=4",
                    "FillField Powerline_Freq=60 Hz",
                    "FillField Behaviour_OnCommFailure=Output Reset",
                    "FillField MaxTimeBetweenComm=60",
                    "FillField DO_PulseTime=1",
                    "AppendRow 5 0: 5 'EB 4DI/4DO-1' 'On/Off type'"};
  ASSERT_EQ(log.size(), head.size() + 13 + 6);
  EXPECT_EQ(Log(log.begin(), log.begin() + head.size()), head);
  auto has = [&](const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
  };
  EXPECT_TRUE(has("AppendRow 4 0: 1 'EB 4DI/4DO-1' 'Pulse type'"));
  EXPECT_TRUE(has("AppendRow 4 0: 2 'EB 4DI/4DO-1'"));                // contact type 2 says nothing
  EXPECT_TRUE(has("AppendRow 3 0: '14' 'EB 4AI/2AO-1' 'AO_0_10V'"));  // the display value
  EXPECT_TRUE(
      has("AppendRow 2 0: '9' 'EB 4AI/2AO-1' 'K47 Sensor' 'No' 'Disable' "
          "'ON:Filtered Value' 'Deg °F' 'Enable' '1.5'"))
      << "range 7 is outside its list";
  const Log tail = {"CloseFilledTable 5 3", "CloseFilledTable 4 3", "CloseFilledTable 3 3",
                    "CloseFilledTable 2 3", "FinishStandalone1",    "FinishStandalone2"};
  EXPECT_EQ(Log(log.end() - tail.size(), log.end()), tail);

  // A document application keeps the document in the host's hands; a failing
  // call is skipped and the report goes on.
  RecordingDocument::log.clear(), RecordingDocument::failing = "FillField";
  auto empty = Object("");
  const Log hosted = Doc(empty.get(), empty.get());
  EXPECT_EQ(hosted.size(), 14u);
  EXPECT_EQ(Log(hosted.end() - 4, hosted.end()), (Log{"CloseEmptyTable 5", "CloseEmptyTable 4",
                                                      "CloseEmptyTable 3", "CloseEmptyTable 2"}));
  EXPECT_EQ(hosted.front(), "OpenTemplate TQ-EB app");

  // A template that does not open ends the report with no document.
  RecordingDocument::log.clear(), RecordingDocument::opens = false;
  EXPECT_EQ(Doc(empty.get(), nullptr, false), Log{"OpenTemplate TQ-EB"});
  empty->Destroy(), object->Destroy();
}

}  // namespace
