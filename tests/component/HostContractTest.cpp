// The host's side of the contract: the built component through the registry and its class factory.
#include <gtest/gtest.h>

#include <cstdlib>

#include "com/Bstr.h"
#include "com/Creation.h"
#include "com/ErrorRecord.h"
#include "com/Registry.h"
#include "component/ClassIds.h"
#include "faces/AppObject.h"
#include "faces/CallbackSink.h"
#include "plugin/TypeLibrary.h"
#include "support/LateBound.h"
#include "support/RecordingSink.h"
#include "support/TempDir.h"
#include "xml/Dom.h"
#include "xml/Elements.h"

namespace {

const std::string kComponent = std::string(TQ_PLUGINS_DIR) + "/O_TQ4600/O_TQ4600.so";

class HostContract : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("QORDB_REGISTRY");
    oldRegistry_ = old ? old : "";
    setenv("QORDB_REGISTRY", registryFile.c_str(), 1);
  }
  void TearDown() override {
    CoFreeUnusedLibraries();
    setenv("QORDB_REGISTRY", oldRegistry_.c_str(), 1);
  }

  testing_support::TempDir dir;
  std::string registryFile = dir / "registry.xml";

 private:
  std::string oldRegistry_;
};

}  // namespace

TEST_F(HostContract, HostSequenceByName) {
  using testing_support::CallByName;
  using testing_support::kGet;
  ASSERT_EQ(qcom::RegisterServer(kComponent, false), S_OK);
  {
    qcom::ComPtr<IAppObject> object;
    ASSERT_EQ(qcom::CreateByProgId("O_TQ4600.CAppObject", IAppObject::iid, object.put_void()),
              S_OK);
    IDispatch* app = object.get();
    auto catalogue = qxml::CreateDocument();  // an object argument, as VT_DISPATCH
    VARIANT_BOOL loaded = VARIANT_FALSE;
    catalogue->load(qcom::Variant(TQ_SNVT_FILE).raw(), &loaded);
    EXPECT_EQ(CallByName(app, "XmlSNVTDoc", DISPATCH_METHOD, {catalogue.get()}).hr, S_OK);
    VARIANT code;  // a script's variable, passed by reference and left as it was
    qcom::Variant(int32_t{77}).CopyTo(&code);
    auto init =
        CallByName(app, "Init", kGet, {"TQ4600", testing_support::ByRef(VT_VARIANT, &code)});
    EXPECT_EQ(std::tuple(init.hr, init.result.type(), init.text()),
              std::tuple(S_OK, VT_BOOL, "-1"));
    EXPECT_EQ(std::tuple(code.vt, code.lVal), std::tuple(VT_I4, 77));
    EXPECT_EQ(CallByName(app, "create", DISPATCH_METHOD).hr, S_OK);
    auto sink = qcom::Make<testing_support::RecordingSink>();
    EXPECT_EQ(object->CallBack(sink.get()), S_OK);
    EXPECT_EQ(sink->calls, std::vector<std::string>{"CDBChanged 0 0 0"});
    EXPECT_EQ(CallByName(app, "UserName", DISPATCH_PROPERTYPUT, {"AHU north"}).hr, S_OK);
    EXPECT_EQ(CallByName(app, "Width", DISPATCH_PROPERTYPUT, {20}).hr, DISP_E_MEMBERNOTFOUND);
    auto saved = qxml::CreateDocument();
    saved->loadXML(qcom::Bstr("<TQ4600><Modules><EB4AI2AO/></Modules></TQ4600>").get(), &loaded);
    ASSERT_EQ(object->XmlLoad(qxml::RootOf(saved.get()).get()), S_OK);

    // Collections answer their default member Item with a position.
    auto itemOf = [&](const char* collection) {
      auto set = CallByName(app, collection, kGet).result;
      VARIANT first = qcom::Variant(int16_t{1}).raw();
      DISPPARAMS one{&first, nullptr, 1, 0};
      qcom::Variant item;
      EXPECT_EQ(set.raw().pdispVal->Invoke(DISPID_VALUE, GUID_NULL, 0, kGet, &one, item.out(),
                                           nullptr, nullptr),
                S_OK);
      return item;
    };
    qcom::Variant address = itemOf("Attributes"), input = itemOf("Inputs"),
                  output = itemOf("Outputs");
    IDispatch* parameter = address.raw().pdispVal;
    EXPECT_EQ(CallByName(parameter, "Value", DISPATCH_PROPERTYPUT, {12}).hr, S_OK);
    auto connable = qcom::QueryAs<ISubItemConnable>(output.object());
    auto display = qcom::QueryAs<IDisplayItem>(output.object());
    // What each face answers by name; the host tells kinds of object apart by
    // the fixed ones.
    const std::tuple<IDispatch*, const char*, const char*> answers[] = {
        {app, "UserName", "AHU north"},
        {app, "Width", "14"},
        {app, "Key", ""},
        {app, "Name", "TQ4600"},
        {app, "ProgrammaticId", "O_TQ4600.CAppObject"},
        {app, "NodeType", "6"},
        {app, "NumObjects", "1"},
        {app, "InputWidth", "0"},
        {app, "SDBDimension", "0"},
        {app, "PlugInAvailable", "-1"},
        {app, "IsDeviceDependent", "0"},
        {app, "UsesDeviceClock", "0"},
        {app, "IsHidden", "0"},
        {app, "IsVirtual", "0"},
        {app, "IntelStream", ""},
        {parameter, "Name", "R5_Address"},
        {parameter, "Value", "12"},
        {parameter, "NodeType", "9"},
        {parameter, "CDBPosition", "0"},
        {parameter, "DividedBy", "1"},
        {parameter, "ToolOnly", "0"},
        {parameter, "IsKeepFloatStandard", "0"},
        {parameter, "IsType", "0"},
        {parameter, "IsDeviceDependent", "0"},
        {parameter, "IsUnitDependent", "0"},
        {input.raw().pdispVal, "Name", "Analog (4) Value"},
        {input.raw().pdispVal, "NodeType", "7"},
        {input.raw().pdispVal, "Visible", "-1"},
        {input.raw().pdispVal, "Mandatory", "0"},
        {input.raw().pdispVal, "CDBPosition", "0"},
        {input.raw().pdispVal, "Extended", "-1"},
        {output.raw().pdispVal, "Name", "AI AlarmStatus"},
        {output.raw().pdispVal, "NodeType", "8"},
        {output.raw().pdispVal, "Visible", "-1"},
        {output.raw().pdispVal, "IsTypeDependent", "0"},
        {connable.get(), "ItemType", "8"},
        {display.get(), "itemType", "10"},
        {display.get(), "Icon", "0"},
        {display.get(), "IsTrendable", "0"}};
    for (const auto& [face, name, text] : answers) {
      auto answer = CallByName(face, name, kGet);
      EXPECT_EQ(std::pair(answer.hr, answer.text()), std::pair(S_OK, std::string(text))) << name;
    }
    EXPECT_TRUE(qcom::QueryAs<_CDBAppObject>(app) && qcom::QueryAs<IReportSource>(app));
    EXPECT_EQ(object->Destroy(), S_OK);
    CoFreeUnusedLibraries();
    EXPECT_EQ(qcom::LoadedLibraryCount(), 1u) << "the library stays while its object lives";
  }
  CoFreeUnusedLibraries();
  EXPECT_EQ(qcom::LoadedLibraryCount(), 0u) << "no live object keeps the component loaded";
}

namespace {
// A sink its host hands over and forgets: only the object keeps it.
class CountingSink final : public faces::CallbackSink<> {
 public:
  static inline int changes = 0, alive = 0;
  CountingSink() { ++alive; }
  ~CountingSink() override { --alive; }
  HRESULT CDBChanged(LONG, LONG, LONG) override {
    ++changes;
    return S_OK;
  }
};
}  // namespace

// A sink the host does not keep still hears the object, which lets go of it
// at Destroy; a catalogue created by its ProgID has read the templates.
TEST_F(HostContract, SinksAreHeldAndACatalogueReadsItsTemplates) {
  using testing_support::CallByName;
  using testing_support::kGet;
  ASSERT_EQ(qcom::RegisterServer(kComponent, false), S_OK);
  qcom::ComPtr<IAppObject> object;
  ASSERT_EQ(qcom::CreateByProgId("O_TQ4600.CAppObject", IAppObject::iid, object.put_void()), S_OK);
  auto catalogue = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  catalogue->load(qcom::Variant(TQ_SNVT_FILE).raw(), &ok);
  object->XmlSNVTDoc(catalogue.get());
  qcom::Variant code;
  object->Init(qcom::Bstr("TQ4600").get(), code.out(), &ok);
  object->Create();
  object->CallBack(qcom::Make<CountingSink>().get());
  EXPECT_EQ(std::pair(CountingSink::changes, CountingSink::alive), std::pair(1, 1));
  auto saved = qxml::CreateDocument();
  saved->loadXML(qcom::Bstr("<TQ4600><Modules><EB4AI2AO/><EB8DI/></Modules></TQ4600>").get(), &ok);
  object->XmlLoad(qxml::RootOf(saved.get()).get());
  // The editor model the load opens registers (one change), then each module is placed.
  EXPECT_EQ(CountingSink::changes, 4);
  object->Destroy();
  EXPECT_EQ(CountingSink::alive, 0);
  object = nullptr;

  qcom::ComPtr<IDispatch> templates;
  ASSERT_EQ(qcom::CreateByProgId("O_TQ4600.CDBEBTemplates", IDispatch::iid, templates.put_void()),
            S_OK);
  EXPECT_EQ(CallByName(templates.get(), "Count", kGet).text(), "6");
  auto counter = CallByName(templates.get(), "Item", kGet, {"eb8dic"}).result;
  ASSERT_EQ(counter.type(), VT_DISPATCH);
  EXPECT_EQ(CallByName(counter.raw().pdispVal, "Name", kGet).text(), "EB 8DI Counter");
}
