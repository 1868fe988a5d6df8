#include "com/Creation.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <functional>

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

HRESULT Create(REFCLSID clsid, REFIID riid, void** out, IUnknown* outer = nullptr,
               DWORD context = CLSCTX_INPROC_SERVER) {
  return CoCreateInstance(clsid, outer, context, riid, out);
}

// Points the default registry at a file of the test's own, with the test component registered.
class CreationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* previous = std::getenv("QORDB_REGISTRY")) previous_ = previous;
    ::setenv("QORDB_REGISTRY", registryPath_.c_str(), 1);
    CoFreeUnusedLibraries();
    baseline_ = qcom::LoadedLibraryCount();
    ASSERT_EQ(qcom::RegisterServer(QCOM_TEST_COMPONENT, false), S_OK) << RecordText();
  }
  void TearDown() override {
    CoFreeUnusedLibraries();
    EXPECT_EQ(qcom::LoadedLibraryCount(), baseline_);
    if (previous_)
      ::setenv("QORDB_REGISTRY", previous_->c_str(), 1);
    else
      ::unsetenv("QORDB_REGISTRY");
  }
  void FreeAndExpectLoaded(bool loaded) {
    CoFreeUnusedLibraries();
    EXPECT_EQ(qcom::LoadedLibraryCount(), baseline_ + loaded);
    EXPECT_EQ(IsLoaded(kComponent), loaded);
  }

  TempDir folder_;
  std::string registryPath_ = folder_ / "registry.xml";
  std::optional<std::string> previous_;
  size_t baseline_ = 0;
};

// The component's own lifetime through a host is pinned by the host contract tests;
// here what only this layer shows: the path registered, one handle per library, locks.
TEST_F(CreationTest, EveryFailureSaysWhatAndWhere) {
  void* object = nullptr;
  CLSID clsid;
  qcom::ComPtr<ITestCounter> outer;
  ASSERT_EQ(qcom::CreateByProgId("QcomTest.Counter", ITestCounter::iid, outer.put_void()), S_OK);
  const CLSID unknown = qcom::MakeGuid("C0F9F925-0000-4008-BAA3-622401EE11AE");
  const std::string counter = "class " + qcom::GuidToString(testcomponent::kCounterClass);
  const std::string missing = folder_ / "gone/missing.so", notElf = folder_ / "text.so";
  WriteFile(notElf, "just some text\n");
  qcom::ClassRegistration missingClass{unknown, "Test.Missing", "", missing, "Apartment", ""};
  missingClass.clsid.Data2 = 1;
  ASSERT_EQ(qcom::Registry(registryPath_).Register({missingClass}, nullptr), S_OK);

  const struct {
    std::function<HRESULT()> call;
    HRESULT hr;
    std::string text;
    bool nullsTheObject = true;  // false where the call has no object to hand out
  } cases[] = {
      {[&] { return qcom::CreateByProgId("No.Such", IUnknown::iid, &object); }, CO_E_CLASSSTRING,
       "ProgID 'No.Such' is not registered in " + registryPath_},
      {[&] { return CLSIDFromProgID(nullptr, &clsid); }, E_INVALIDARG,
       "CLSIDFromProgID: no ProgID or no out pointer", false},
      {[&] { return Create(unknown, IUnknown::iid, &object); }, REGDB_E_CLASSNOTREG,
       "class " + qcom::GuidToString(unknown) + " is not registered in " + registryPath_},
      {[&] { return Create(testcomponent::kCounterClass, IUnknown::iid, &object, nullptr, 0); },
       REGDB_E_CLASSNOTREG, counter + ": only in-process servers exist, context 0x00000000"},
      // The class exists, the object refuses what was asked.
      {[&] { return Create(testcomponent::kCounterClass, IEnumVARIANT::iid, &object); },
       E_NOINTERFACE,
       counter + " in " + kComponent + " has no interface " +
           qcom::GuidToString(IEnumVARIANT::iid)},
      {[&] { return Create(testcomponent::kCounterClass, IUnknown::iid, &object, outer.get()); },
       CLASS_E_NOAGGREGATION, counter + " in " + kComponent + " cannot be aggregated"},
      // A component that throws does not take the host down.
      {[&] { return qcom::CreateByProgId(testcomponent::kThrowingProgId, IUnknown::iid, &object); },
       E_UNEXPECTED, "library " + kComponent + ", DllGetClassObject: broken on purpose"},
      {[&] { return qcom::CreateByProgId("Test.Missing", IUnknown::iid, &object); },
       CO_E_DLLNOTFOUND, "library " + missing + " cannot be loaded: No such file or directory"},
      {[&] { return qcom::RegisterServer(notElf, false); }, CO_E_DLLNOTFOUND,
       "library " + notElf + " cannot be loaded: ", false},  // and the loader's reason
      {[&] { return qcom::RegisterServer(kRuntime, true); }, CO_E_ERRORINDLL,
       "library " + kRuntime + " has no entry point DllUnregisterServer", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    object = reinterpret_cast<void*>(1);
    EXPECT_EQ(c.call(), c.hr);
    std::string text = RecordText();
    if (c.text.ends_with(": "))
      EXPECT_TRUE(text.starts_with(c.text) && text.size() > c.text.size()) << text;
    else
      EXPECT_EQ(text, c.text);
    EXPECT_EQ(object, c.nullsTheObject ? nullptr : reinterpret_cast<void*>(1));
  }
  outer.reset();
  EXPECT_EQ(CLSIDFromProgID(u"No.Such", &clsid), CO_E_CLASSSTRING);
  EXPECT_EQ(clsid, GUID_NULL);
  EXPECT_EQ(qcom::LoadedLibraryCount(), baseline_ + 1);  // only the component stays loaded

  // A corrupt registry is reported as such; a successful call then starts without that record.
  WriteFile(registryPath_, "<registry>\n<class clsid='oops' library='/x'/>\n</registry>\n");
  EXPECT_EQ(Create(testcomponent::kCounterClass, IUnknown::iid, &object), REGDB_E_READREGDB);
  EXPECT_TRUE(RecordText().starts_with("registry " + registryPath_ + " is corrupt: line 2: "));
  ::unlink(registryPath_.c_str());
  EXPECT_EQ(qcom::RegisterServer(QCOM_TEST_COMPONENT, false), S_OK);
  EXPECT_FALSE(qcom::PeekErrorRecord());
}

TEST(ServerRegistration, ModulePathNamesTheSharedObject) {
  EXPECT_EQ(qcom::ModulePath(reinterpret_cast<const void*>(&SysAllocString)), kRuntime);
  EXPECT_EQ(qcom::ModulePath(nullptr), "");
  int onTheStack = 0;
  EXPECT_EQ(qcom::ModulePath(&onTheStack), "");
  EXPECT_EQ(qcom::ModulePath(reinterpret_cast<const void*>(&IsLoaded)),
            std::filesystem::canonical("/proc/self/exe").string());
}

}  // namespace
