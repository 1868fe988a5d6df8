// The host's side of the contract: the built component through the registry and its class factory.
#include <gtest/gtest.h>

#include <cstdlib>

#include "com/Bstr.h"
#include "com/Creation.h"
#include "com/ErrorRecord.h"
#include "com/Registry.h"
#include "component/ClassIds.h"
#include "faces/AppObject.h"
#include "plugin/TypeLibrary.h"
#include "support/LateBound.h"
#include "support/RecordingSink.h"
#include "support/TempDir.h"
#include "xml/Dom.h"

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

TEST_F(HostContract, RegistrationRecordsEveryCreatableClassAndTheTypeLibrary) {
  // Before registration a ProgID names nothing, and the error says where it looked.
  qcom::ComPtr<IAppObject> unregistered;
  qcom::ClearErrorRecord();
  EXPECT_EQ(qcom::CreateByProgId("O_TQ4600.CAppObject", IAppObject::iid, unregistered.put_void()),
            CO_E_CLASSSTRING);
  EXPECT_FALSE(unregistered);
  ASSERT_TRUE(qcom::PeekErrorRecord());
  EXPECT_EQ(qcom::PeekErrorRecord()->description,
            "ProgID 'O_TQ4600.CAppObject' is not registered in " + registryFile);

  ASSERT_EQ(qcom::RegisterServer(kComponent, false), S_OK);
  qcom::Registry registry;
  CLSID clsid{};
  ASSERT_EQ(registry.FindProgId("O_TQ4600.CAppObject", clsid), S_OK);
  EXPECT_EQ(clsid, component::ids::kCDBAppObject);
  qcom::ClassRegistration entry;
  ASSERT_EQ(registry.FindClass(component::ids::kCDBAppObject, entry), S_OK);
  EXPECT_EQ(entry.threadingModel, "Apartment");
  EXPECT_EQ(entry.typeLib, qcom::GuidToString(component::ids::kTypeLib));
  qcom::TypeLibRegistration typeLib;
  ASSERT_EQ(registry.FindTypeLib(component::ids::kTypeLib, typeLib), S_OK);
  EXPECT_EQ(typeLib.name, "O_TQ4600_ID");

  // Every class is creatable by its ProgID and has a dual interface.
  std::vector<qcom::ClassRegistration> classes;
  ASSERT_EQ(registry.ListClasses(classes), S_OK);
  EXPECT_EQ(classes.size(), 22u);
  for (const auto& c : classes) {
    qcom::ComPtr<IUnknown> object;
    EXPECT_EQ(qcom::CreateByProgId(c.progId, IUnknown::iid, object.put_void()), S_OK) << c.progId;
    EXPECT_TRUE(qcom::QueryAs<IDispatch>(object.get())) << c.progId;
  }
  // The host interfaces of the point and list classes.
  qcom::ComPtr<IOutput> output;
  EXPECT_EQ(qcom::CreateByProgId("O_TQ4600.CDBOutput", IOutput::iid, output.put_void()), S_OK);
  EXPECT_TRUE(qcom::QueryAs<IDisplayItem>(output.get()) &&
              qcom::QueryAs<ISubItemConnable>(output.get()));
  qcom::ComPtr<ICompatibleSNVTs> list;
  EXPECT_EQ(
      qcom::CreateByProgId("O_TQ4600.CDBCompatibleSNVTs", ICompatibleSNVTs::iid, list.put_void()),
      S_OK);
  EXPECT_TRUE(qcom::QueryAs<IClonable>(list.get()));

  ASSERT_EQ(qcom::RegisterServer(kComponent, true), S_OK);
  EXPECT_EQ(registry.FindProgId("O_TQ4600.CAppObject", clsid), CO_E_CLASSSTRING);
  EXPECT_TRUE(FAILED(registry.FindTypeLib(component::ids::kTypeLib, typeLib)));
}

TEST_F(HostContract, HostSequenceThroughTheClassFactory) {
  ASSERT_EQ(qcom::RegisterServer(kComponent, false), S_OK);
  {
    qcom::ComPtr<IAppObject> object;
    ASSERT_EQ(qcom::CreateByProgId("O_TQ4600.CAppObject", IAppObject::iid, object.put_void()),
              S_OK);

    // Init with the type name; the error code argument stays untouched.
    VARIANT code;
    VariantInit(&code);
    code.vt = VT_I4, code.lVal = 77;
    VARIANT_BOOL ok = VARIANT_FALSE;
    ASSERT_EQ(object->Init(qcom::Bstr("TQ4600").get(), &code, &ok), S_OK);
    EXPECT_TRUE(ok == VARIANT_TRUE && code.vt == VT_I4 && code.lVal == 77);
    EXPECT_EQ(object->Create(), S_OK);
    auto sink = qcom::Make<testing_support::RecordingSink>();
    EXPECT_EQ(object->CallBack(sink.get()), S_OK);
    EXPECT_EQ(sink->calls, std::vector<std::string>{"CDBChanged 0 0 0"});
    object->put_Key(qcom::Bstr("OBJ1").get());
    object->put_UserName(qcom::Bstr("AHU north").get());
    // What the host placed and what the definition says (the width counts the name).
    auto text = [&](HRESULT (IAppObject::*getter)(BSTR*)) {
      qcom::Bstr value;
      (object.get()->*getter)(value.out());
      return value.utf8();
    };
    EXPECT_EQ(text(&IAppObject::get_Key), "OBJ1");
    EXPECT_EQ(text(&IAppObject::get_Name), "TQ4600");
    EXPECT_EQ(text(&IAppObject::get_ProgrammaticId), "O_TQ4600.CAppObject");
    LONG width = 0;
    object->get_Width(&width);
    EXPECT_EQ(width, 14);
    EXPECT_TRUE(qcom::QueryAs<_CDBAppObject>(object.get()) &&
                qcom::QueryAs<IReportSource>(object.get()));
    EXPECT_EQ(object->Destroy(), S_OK);
    CoFreeUnusedLibraries();
    EXPECT_EQ(qcom::LoadedLibraryCount(), 1u) << "the library stays while its object lives";
  }
  CoFreeUnusedLibraries();
  EXPECT_EQ(qcom::LoadedLibraryCount(), 0u) << "no live object keeps the component loaded";
}
// A scripting client's view: every call by name through IAppObject's IDispatch
// slots and the objects it hands out.
TEST_F(HostContract, LateBoundCallsThroughTheApplicationObject) {
  using testing_support::CallByName;
  using testing_support::kGet;
  ASSERT_EQ(qcom::RegisterServer(kComponent, false), S_OK);
  qcom::ComPtr<IAppObject> object;
  ASSERT_EQ(qcom::CreateByProgId("O_TQ4600.CAppObject", IAppObject::iid, object.put_void()), S_OK);
  IDispatch* app = object.get();
  auto catalogue = qxml::CreateDocument();  // an object argument, as VT_DISPATCH
  VARIANT_BOOL loaded = VARIANT_FALSE;
  catalogue->load(qcom::Variant(TQ_SNVT_FILE).raw(), &loaded);
  EXPECT_EQ(CallByName(app, "XmlSNVTDoc", DISPATCH_METHOD, {catalogue.get()}).hr, S_OK);

  VARIANT code;  // a script's variable, passed by reference and left as it was
  qcom::Variant(int32_t{77}).CopyTo(&code);
  auto init = CallByName(app, "Init", kGet, {"TQ4600", testing_support::ByRef(VT_VARIANT, &code)});
  EXPECT_EQ(init.hr, S_OK);
  EXPECT_EQ(init.result.type(), VT_BOOL);
  EXPECT_EQ(init.text(), "-1");
  EXPECT_EQ(code.vt, VT_I4);
  EXPECT_EQ(code.lVal, 77);
  EXPECT_EQ(CallByName(app, "create", DISPATCH_METHOD).hr, S_OK);
  EXPECT_EQ(CallByName(app, "UserName", DISPATCH_PROPERTYPUT, {"AHU north"}).hr, S_OK);
  EXPECT_EQ(CallByName(app, "USERNAME", kGet).text(), "AHU north");
  EXPECT_EQ(CallByName(app, "Width", kGet).text(), "14");
  EXPECT_EQ(CallByName(app, "Width", DISPATCH_PROPERTYPUT, {20}).hr, DISP_E_MEMBERNOTFOUND);

  // Attributes(1): the collection's default member, then the parameter's own.
  auto attributes = CallByName(app, "Attributes", kGet);
  ASSERT_EQ(attributes.result.type(), VT_DISPATCH);
  IDispatch* set = attributes.result.raw().pdispVal;
  EXPECT_EQ(CallByName(set, "Count", kGet).text(), "6");
  VARIANT first = qcom::Variant(int16_t{1}).raw();
  DISPPARAMS one{&first, nullptr, 1, 0};
  qcom::Variant item;
  ASSERT_EQ(set->Invoke(DISPID_VALUE, GUID_NULL, 0, kGet, &one, item.out(), nullptr, nullptr),
            S_OK);
  ASSERT_EQ(item.type(), VT_DISPATCH);
  IDispatch* address = item.raw().pdispVal;
  EXPECT_EQ(CallByName(address, "Name", kGet).text(), "R5_Address");
  EXPECT_EQ(CallByName(address, "Value", kGet).text(), "-1");
  EXPECT_EQ(CallByName(address, "Value", DISPATCH_PROPERTYPUT, {12}).hr, S_OK);
  EXPECT_EQ(CallByName(address, "Value", kGet).text(), "12");
  EXPECT_EQ(object->Destroy(), S_OK);
}
