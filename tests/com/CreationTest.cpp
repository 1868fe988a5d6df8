#include "com/Creation.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "com/ClassFactory.h"
#include "com/ComPtr.h"
#include "com/EnumVariant.h"
#include "com/ErrorRecord.h"
#include "com/Registry.h"
#include "com/ServerRegistration.h"
#include "com/TestComponent.h"
#include "support/TempDir.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteFile;

const std::string kComponent = std::filesystem::canonical(QCOM_TEST_COMPONENT).string();
const std::string kRuntime = std::filesystem::canonical(QCOM_RUNTIME_LIBRARY).string();

bool IsLoaded(const std::string& path) {
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (handle) ::dlclose(handle);
  return handle != nullptr;
}

std::string RecordText() {
  auto record = qcom::TakeErrorRecord();
  return record ? record->description : std::string("<no record>");
}

LONG AddTo(ITestCounter* counter, LONG amount) {
  LONG total = 0;
  EXPECT_EQ(counter->Add(amount, &total), S_OK);
  return total;
}

// CoCreateInstance as an in-process host calls it.
HRESULT Create(REFCLSID clsid, REFIID riid, void** out, IUnknown* outer = nullptr,
               DWORD context = CLSCTX_INPROC_SERVER) {
  return CoCreateInstance(clsid, outer, context, riid, out);
}

// Points the default registry at a file of the test's own.
class CreationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* previous = std::getenv("QORDB_REGISTRY");
    if (previous) previous_ = previous;
    ::setenv("QORDB_REGISTRY", registryPath_.c_str(), 1);
    CoFreeUnusedLibraries();
    baseline_ = qcom::LoadedLibraryCount();
  }
  void TearDown() override {
    CoFreeUnusedLibraries();
    EXPECT_EQ(qcom::LoadedLibraryCount(), baseline_);
    if (previous_)
      ::setenv("QORDB_REGISTRY", previous_->c_str(), 1);
    else
      ::unsetenv("QORDB_REGISTRY");
  }
  void RegisterClassAt(const CLSID& clsid, const std::string& progId, const std::string& library) {
    qcom::ClassRegistration c;
    c.clsid = clsid;
    c.progId = progId;
    c.library = library;
    ASSERT_EQ(qcom::Registry(registryPath_).Register({c}, nullptr), S_OK);
  }

  TempDir folder_;
  std::string registryPath_ = folder_ / "registry.xml";
  std::optional<std::string> previous_;
  size_t baseline_ = 0;
};

TEST_F(CreationTest, RegisterServerWritesAndRemovesTheRegistration) {
  ASSERT_EQ(qcom::RegisterServer(QCOM_TEST_COMPONENT, false), S_OK) << RecordText();
  // Loaded only to register, and nothing of it lives: unloaded again.
  EXPECT_EQ(qcom::LoadedLibraryCount(), baseline_);
  EXPECT_FALSE(IsLoaded(kComponent));

  qcom::Registry registry(registryPath_);
  qcom::ClassRegistration c;
  ASSERT_EQ(registry.FindClass(testcomponent::kCounterClass, c), S_OK);
  EXPECT_EQ(c.progId, testcomponent::kCounterProgId);
  EXPECT_EQ(c.name, "Counter");
  EXPECT_EQ(c.library, kComponent);  // the absolute path of the component itself
  EXPECT_EQ(c.threadingModel, "Apartment");
  EXPECT_EQ(c.typeLib, qcom::GuidToString(testcomponent::kTypeLib));
  qcom::TypeLibRegistration t;
  ASSERT_EQ(registry.FindTypeLib(testcomponent::kTypeLib, t), S_OK);
  EXPECT_EQ(t.name, "QcomTestLib");
  EXPECT_EQ(t.library, kComponent);
  std::vector<qcom::ClassRegistration> all;
  ASSERT_EQ(registry.ListClasses(all), S_OK);
  EXPECT_EQ(all.size(), 2u);

  ASSERT_EQ(qcom::RegisterServer(QCOM_TEST_COMPONENT, true), S_OK) << RecordText();
  EXPECT_EQ(registry.FindClass(testcomponent::kCounterClass, c), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(registry.FindTypeLib(testcomponent::kTypeLib, t), TYPE_E_LIBNOTREGISTERED);
  ASSERT_EQ(registry.ListClasses(all), S_OK);
  EXPECT_TRUE(all.empty());
}

TEST_F(CreationTest, CreatesByProgIdAndClsidAndUnloadsAfterTheLastRelease) {
  ASSERT_EQ(qcom::RegisterServer(QCOM_TEST_COMPONENT, false), S_OK) << RecordText();

  CLSID clsid{};
  ASSERT_EQ(CLSIDFromProgID(u"qcomtest.COUNTER", &clsid), S_OK) << RecordText();
  EXPECT_EQ(clsid, testcomponent::kCounterClass);

  qcom::ComPtr<ITestCounter> byProgId;
  ASSERT_EQ(qcom::CreateByProgId("QcomTest.Counter", ITestCounter::iid, byProgId.put_void()), S_OK)
      << RecordText();
  EXPECT_EQ(AddTo(byProgId.get(), 2), 2);
  EXPECT_EQ(AddTo(byProgId.get(), 3), 5);
  EXPECT_EQ(qcom::LoadedLibraryCount(), baseline_ + 1);
  EXPECT_TRUE(IsLoaded(kComponent));

  qcom::ComPtr<IUnknown> byClsid;
  ASSERT_EQ(Create(testcomponent::kCounterClass, IUnknown::iid, byClsid.put_void()), S_OK)
      << RecordText();
  EXPECT_EQ(qcom::LoadedLibraryCount(), baseline_ + 1);  // one handle per library
  qcom::ComPtr<ITestCounter> second = byClsid.As<ITestCounter>();
  ASSERT_TRUE(second);
  EXPECT_EQ(AddTo(second.get(), 10), 10);  // a new object with its own total

  // Live objects keep the library loaded.
  CoFreeUnusedLibraries();
  EXPECT_EQ(qcom::LoadedLibraryCount(), baseline_ + 1);
  EXPECT_EQ(AddTo(byProgId.get(), 1), 6);
  byProgId.reset();
  CoFreeUnusedLibraries();
  EXPECT_EQ(qcom::LoadedLibraryCount(), baseline_ + 1);
  EXPECT_TRUE(IsLoaded(kComponent));
  second.reset();
  byClsid.reset();
  CoFreeUnusedLibraries();
  EXPECT_EQ(qcom::LoadedLibraryCount(), baseline_);
  EXPECT_FALSE(IsLoaded(kComponent));

  // A server lock keeps it loaded as well, even without objects.
  qcom::ComPtr<IClassFactory> factory;
  ASSERT_EQ(CoGetClassObject(testcomponent::kCounterClass, CLSCTX_INPROC_SERVER, nullptr,
                             IClassFactory::iid, factory.put_void()),
            S_OK)
      << RecordText();
  EXPECT_EQ(factory->LockServer(1), S_OK);
  factory.reset();
  CoFreeUnusedLibraries();
  EXPECT_EQ(qcom::LoadedLibraryCount(), baseline_ + 1);
  ASSERT_EQ(CoGetClassObject(testcomponent::kCounterClass, CLSCTX_INPROC_SERVER, nullptr,
                             IClassFactory::iid, factory.put_void()),
            S_OK);
  EXPECT_EQ(factory->LockServer(0), S_OK);
  factory.reset();
  CoFreeUnusedLibraries();
  EXPECT_EQ(qcom::LoadedLibraryCount(), baseline_);
}

TEST_F(CreationTest, EveryFailureSaysWhatAndWhere) {
  ASSERT_EQ(qcom::RegisterServer(QCOM_TEST_COMPONENT, false), S_OK) << RecordText();
  void* object = reinterpret_cast<void*>(1);

  EXPECT_EQ(qcom::CreateByProgId("No.Such", IUnknown::iid, &object), CO_E_CLASSSTRING);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(RecordText(), "ProgID 'No.Such' is not registered in " + registryPath_);
  CLSID clsid;
  EXPECT_EQ(CLSIDFromProgID(u"No.Such", &clsid), CO_E_CLASSSTRING);
  EXPECT_EQ(clsid, GUID_NULL);
  EXPECT_EQ(CLSIDFromProgID(nullptr, &clsid), E_INVALIDARG);

  const CLSID unknown = qcom::MakeGuid("C0F9F925-0000-4008-BAA3-622401EE11AE");
  EXPECT_EQ(Create(unknown, IUnknown::iid, &object), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(RecordText(),
            "class " + qcom::GuidToString(unknown) + " is not registered in " + registryPath_);
  EXPECT_EQ(Create(testcomponent::kCounterClass, IUnknown::iid, &object, nullptr, 0),
            REGDB_E_CLASSNOTREG);
  EXPECT_NE(RecordText().find("only in-process servers"), std::string::npos);

  // The class exists, the object refuses what was asked.
  EXPECT_EQ(Create(testcomponent::kCounterClass, IEnumVARIANT::iid, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(RecordText(), "class " + qcom::GuidToString(testcomponent::kCounterClass) + " in " +
                              kComponent + " has no interface " +
                              qcom::GuidToString(IEnumVARIANT::iid));
  qcom::ComPtr<ITestCounter> outer;
  ASSERT_EQ(qcom::CreateByProgId("QcomTest.Counter", ITestCounter::iid, outer.put_void()), S_OK);
  EXPECT_EQ(Create(testcomponent::kCounterClass, IUnknown::iid, &object, outer.get()),
            CLASS_E_NOAGGREGATION);
  EXPECT_NE(RecordText().find("cannot be aggregated"), std::string::npos);
  outer.reset();

  // A component that throws does not take the host down.
  EXPECT_EQ(qcom::CreateByProgId(testcomponent::kThrowingProgId, IUnknown::iid, &object),
            E_UNEXPECTED);
  std::string thrown = RecordText();
  EXPECT_NE(thrown.find(kComponent), std::string::npos) << thrown;
  EXPECT_NE(thrown.find("broken on purpose"), std::string::npos) << thrown;

  // Missing library, a file that is no library, a library without the entry point.
  const CLSID missing = qcom::MakeGuid("C0F9F925-0001-4008-BAA3-622401EE11AE");
  RegisterClassAt(missing, "Test.Missing", folder_ / "gone/missing.so");
  EXPECT_EQ(qcom::CreateByProgId("Test.Missing", IUnknown::iid, &object), CO_E_DLLNOTFOUND);
  EXPECT_EQ(RecordText(), "library " + (folder_ / "gone/missing.so") +
                              " cannot be loaded: No such file or directory");

  const CLSID notElf = qcom::MakeGuid("C0F9F925-0002-4008-BAA3-622401EE11AE");
  WriteFile(folder_ / "text.so", "just some text\n");
  RegisterClassAt(notElf, "Test.NotElf", folder_ / "text.so");
  EXPECT_EQ(qcom::CreateByProgId("Test.NotElf", IUnknown::iid, &object), CO_E_DLLNOTFOUND);
  std::string notLoadable = RecordText();
  EXPECT_EQ(notLoadable.rfind("library " + (folder_ / "text.so") + " cannot be loaded: ", 0), 0u)
      << notLoadable;
  EXPECT_GT(notLoadable.size(),
            ("library " + (folder_ / "text.so") + " cannot be loaded: ").size());

  const CLSID noEntry = qcom::MakeGuid("C0F9F925-0003-4008-BAA3-622401EE11AE");
  RegisterClassAt(noEntry, "Test.NoEntry", kRuntime);
  EXPECT_EQ(qcom::CreateByProgId("Test.NoEntry", IUnknown::iid, &object), CO_E_ERRORINDLL);
  EXPECT_EQ(RecordText(), "library " + kRuntime + " has no entry point DllGetClassObject");
  EXPECT_EQ(qcom::LoadedLibraryCount(), baseline_ + 1);  // only the component stays loaded

  EXPECT_EQ(qcom::RegisterServer(folder_ / "gone/missing.so", false), CO_E_DLLNOTFOUND);
  EXPECT_NE(RecordText().find("missing.so"), std::string::npos);
  EXPECT_EQ(qcom::RegisterServer(kRuntime, true), CO_E_ERRORINDLL);
  EXPECT_EQ(RecordText(), "library " + kRuntime + " has no entry point DllUnregisterServer");

  // A corrupt registry is reported as such by every way in.
  WriteFile(registryPath_, "<registry>\n<class clsid='oops' library='/x'/>\n</registry>\n");
  auto saysCorrupt = [&](HRESULT hr) {
    EXPECT_EQ(hr, REGDB_E_READREGDB);
    std::string text = RecordText();
    EXPECT_EQ(text.rfind("registry " + registryPath_ + " is corrupt: line 2: ", 0), 0u) << text;
  };
  saysCorrupt(qcom::CreateByProgId("QcomTest.Counter", IUnknown::iid, &object));
  saysCorrupt(Create(testcomponent::kCounterClass, IUnknown::iid, &object));
  saysCorrupt(CLSIDFromProgID(u"QcomTest.Counter", &clsid));
  saysCorrupt(qcom::RegisterServer(QCOM_TEST_COMPONENT, false));
  EXPECT_EQ(object, nullptr);

  // A successful call starts without the previous failure's record.
  ::unlink(registryPath_.c_str());
  EXPECT_EQ(qcom::RegisterServer(QCOM_TEST_COMPONENT, false), S_OK);
  EXPECT_FALSE(qcom::PeekErrorRecord());
}

TEST(ServerRegistration, ModulePathNamesTheSharedObject) {
  EXPECT_EQ(qcom::ModulePath(reinterpret_cast<const void*>(&SysAllocString)), kRuntime);
  EXPECT_EQ(qcom::ModulePath(nullptr), "");
  int onTheStack = 0;
  EXPECT_EQ(qcom::ModulePath(&onTheStack), "");
  // The test program itself is a module too.
  std::string self = qcom::ModulePath(reinterpret_cast<const void*>(&IsLoaded));
  EXPECT_EQ(self, std::filesystem::canonical("/proc/self/exe").string());
}

}  // namespace
