#include "com/Registry.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <tuple>

#include "com/ErrorRecord.h"
#include "com/Unknown.h"
#include "support/TempDir.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

GUID NumberedGuid(uint32_t n) {
  GUID g = qcom::MakeGuid("A1B2C3D4-0000-4000-8000-000000000000");
  g.Data1 = n;
  return g;
}

qcom::ClassRegistration Class(uint32_t n, std::string progId, std::string library = "/opt/x.so") {
  qcom::ClassRegistration c;
  c.clsid = NumberedGuid(n);
  c.progId = std::move(progId);
  c.name = "Class" + std::to_string(n);
  c.library = std::move(library);
  return c;
}

// What a class registration reads back with, comparable in one step.
auto Fields(const qcom::ClassRegistration& c) {
  return std::tie(c.progId, c.name, c.library, c.threadingModel, c.typeLib);
}

std::string RecordText() {
  auto record = qcom::TakeErrorRecord();
  return record ? record->description : std::string("<no record>");
}

std::vector<std::string> LeftoverTemporaries(const std::string& folder) {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().find(".tmp.") != std::string::npos)
      found.push_back(entry.path().string());
  return found;
}

class RegistryTest : public ::testing::Test {
 protected:
  TempDir folder_;
  std::string path_ = folder_ / "nested/qordb/registry.xml";
};

TEST_F(RegistryTest, RoundTripAndLookups) {
  qcom::Registry registry(path_);
  std::vector<qcom::ClassRegistration> found;
  // A missing file is an empty registry.
  EXPECT_EQ(registry.ListClasses(found), S_OK);
  EXPECT_TRUE(found.empty());
  qcom::ClassRegistration c;
  EXPECT_EQ(registry.FindClass(NumberedGuid(1), c), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(RecordText(),
            "class " + qcom::GuidToString(NumberedGuid(1)) + " is not registered in " + path_);

  qcom::ClassRegistration first = Class(1, "Vendor.First", "/opt/lib/first & <second>.so");
  first.threadingModel = "Both";
  first.typeLib = "{3770701F-6976-4D9C-83E1-46687737E134}";
  first.name = "Größe \"quoted\"";
  qcom::ClassRegistration second = Class(2, "");
  qcom::TypeLibRegistration lib{qcom::MakeGuid("3770701F-6976-4D9C-83E1-46687737E134"), "TestLib",
                                "1.0", "/opt/lib/first.so"};
  ASSERT_EQ(registry.Register({first, second}, &lib), S_OK) << RecordText();
  EXPECT_TRUE(std::filesystem::exists(path_));  // the folders were created

  // A second Registry object sees what the first wrote.
  qcom::Registry reader(path_);
  ASSERT_EQ(reader.FindClass(first.clsid, c), S_OK);
  EXPECT_EQ(Fields(c), std::make_tuple("Vendor.First", "Größe \"quoted\"",
                                       "/opt/lib/first & <second>.so", "Both", first.typeLib));
  ASSERT_EQ(reader.FindClass(second.clsid, c), S_OK);
  EXPECT_EQ(Fields(c), std::make_tuple("", "Class2", "/opt/x.so", "Apartment", ""));

  CLSID clsid{};
  EXPECT_EQ(reader.FindProgId("vendor.FIRST", clsid), S_OK);  // letter case does not matter
  EXPECT_EQ(clsid, first.clsid);
  EXPECT_EQ(reader.FindProgId("Vendor.Second", clsid), CO_E_CLASSSTRING);
  EXPECT_EQ(RecordText(), "ProgID 'Vendor.Second' is not registered in " + path_);
  EXPECT_EQ(reader.FindProgId("", clsid), CO_E_CLASSSTRING);

  qcom::TypeLibRegistration t;
  ASSERT_EQ(reader.FindTypeLib(lib.libid, t), S_OK);
  EXPECT_EQ(std::tie(t.name, t.version, t.library),
            std::make_tuple("TestLib", "1.0", "/opt/lib/first.so"));
  EXPECT_EQ(reader.FindTypeLib(NumberedGuid(9), t), TYPE_E_LIBNOTREGISTERED);

  ASSERT_EQ(reader.ListClasses(found), S_OK);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].clsid, first.clsid);
  EXPECT_EQ(found[1].clsid, second.clsid);

  // The file is readable XML, and nothing temporary stays behind.
  std::string xml = ReadFile(path_);
  EXPECT_NE(xml.find("<registry>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("clsid=\"" + qcom::GuidToString(first.clsid) + "\""), std::string::npos);
  EXPECT_NE(xml.find("progid=\"Vendor.First\""), std::string::npos);
  EXPECT_TRUE(LeftoverTemporaries(folder_ / "nested/qordb").empty());
}

TEST_F(RegistryTest, ReRegistrationProgIdMovesAndUnregistration) {
  qcom::Registry registry(path_);
  qcom::TypeLibRegistration lib{NumberedGuid(100), "Lib", "1.0", "/opt/a.so"};
  ASSERT_EQ(registry.Register({Class(1, "Vendor.Thing"), Class(2, "Vendor.Other")}, &lib), S_OK);

  // Registering the ProgID for another class points it there.
  ASSERT_EQ(registry.Register({Class(3, "VENDOR.thing", "/opt/b.so")}, nullptr), S_OK);
  CLSID clsid{};
  ASSERT_EQ(registry.FindProgId("Vendor.Thing", clsid), S_OK);
  EXPECT_EQ(clsid, NumberedGuid(3));
  qcom::ClassRegistration c;
  ASSERT_EQ(registry.FindClass(NumberedGuid(1), c), S_OK);
  EXPECT_EQ(c.progId, "");  // the old class keeps its registration, not the name

  // Registering a class again replaces its entry.
  ASSERT_EQ(registry.Register({Class(2, "Vendor.Other", "/opt/new.so")}, nullptr), S_OK);
  std::vector<qcom::ClassRegistration> all;
  ASSERT_EQ(registry.ListClasses(all), S_OK);
  EXPECT_EQ(all.size(), 3u);
  ASSERT_EQ(registry.FindClass(NumberedGuid(2), c), S_OK);
  EXPECT_EQ(c.library, "/opt/new.so");

  // Unregistering removes the class, its ProgID and the type library.
  ASSERT_EQ(registry.Unregister({NumberedGuid(3), NumberedGuid(77)}, &lib.libid), S_OK);
  EXPECT_EQ(registry.FindClass(NumberedGuid(3), c), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(registry.FindProgId("Vendor.Thing", clsid), CO_E_CLASSSTRING);
  qcom::TypeLibRegistration t;
  EXPECT_EQ(registry.FindTypeLib(lib.libid, t), TYPE_E_LIBNOTREGISTERED);
  EXPECT_EQ(registry.FindClass(NumberedGuid(1), c), S_OK);
  ASSERT_EQ(registry.FindProgId("vendor.other", clsid), S_OK);
  EXPECT_EQ(clsid, NumberedGuid(2));
}

TEST_F(RegistryTest, CorruptFileIsAClearErrorAndStaysUntouched) {
  std::filesystem::create_directories(folder_ / "nested/qordb");
  const std::string good =
      "<class clsid=\"{A1B2C3D4-0000-4000-8000-000000000000}\" library=\"/x\"/>";
  struct Case {
    std::string text;
    std::string expected;  // what follows "is corrupt: "
  };
  const Case cases[] = {
      {"this is not XML", "line 1: No document element found"},
      {"<registry>\n" + good + "\n<class clsid=", "line 3: "},
      {"<?xml version=\"1.0\"?>\n<classes/>", "line 2: root element is <classes>, not <registry>"},
      {"<registry>\n  " + good + "\n  <class clsid=\"{1234}\" library=\"/y\"/>\n</registry>",
       "line 3: bad GUID '{1234}' in clsid of <class>"},
      {"<registry>\n<server/>\n</registry>", "line 2: unknown element <server>"},
      {"<registry>\n<class library=\"/x\"/>\n</registry>", "line 2: <class> has no clsid"},
      {"<registry>\n" + good + "\n" + good + "\n</registry>",
       "line 3: class {A1B2C3D4-0000-4000-8000-000000000000} is listed twice"},
      {"<registry><class clsid=\"{A1B2C3D4-0000-4000-8000-000000000000}\" "
       "libary=\"/x\"/></registry>",
       "line 1: unknown attribute 'libary' on <class>"},
      {"", "line 1: No document element found"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    WriteFile(path_, c.text);
    qcom::Registry registry(path_);
    qcom::ClassRegistration found;
    EXPECT_EQ(registry.FindClass(NumberedGuid(1), found), REGDB_E_READREGDB);
    std::string line = RecordText();
    std::string prefix = "registry " + path_ + " is corrupt: ";
    EXPECT_EQ(line.substr(0, prefix.size()), prefix);
    EXPECT_EQ(line.substr(prefix.size(), c.expected.size()), c.expected);
    EXPECT_EQ(line.find('\n'), std::string::npos);

    CLSID clsid;
    EXPECT_EQ(registry.FindProgId("A.B", clsid), REGDB_E_READREGDB);
    // Updates refuse too, and leave the file as it was.
    EXPECT_EQ(registry.Register({Class(5, "A.B")}, nullptr), REGDB_E_READREGDB);
    EXPECT_EQ(RecordText().substr(0, prefix.size()), prefix);
    EXPECT_EQ(registry.Unregister({NumberedGuid(1)}, nullptr), REGDB_E_READREGDB);
    EXPECT_EQ(ReadFile(path_), c.text);
  }
}

TEST_F(RegistryTest, RefusedOrFailedUpdatesSayWhy) {
  // Registrations it could not read back are refused before anything is written.
  qcom::Registry fresh(path_);
  EXPECT_EQ(fresh.Register({Class(1, "A.B", "")}, nullptr), E_INVALIDARG);
  EXPECT_NE(RecordText().find("has no library"), std::string::npos);
  qcom::ClassRegistration badLib = Class(2, "A.C");
  badLib.typeLib = "not-a-guid";
  EXPECT_EQ(fresh.Register({badLib}, nullptr), E_INVALIDARG);
  EXPECT_NE(RecordText().find("'not-a-guid'"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(path_));

  // A plain file where the registry's folder should be.
  WriteFile(folder_ / "blocker", "x");
  std::string path = folder_ / "blocker/registry.xml";
  qcom::Registry registry(path);
  EXPECT_EQ(registry.Register({Class(1, "A.B")}, nullptr), REGDB_E_WRITEREGDB);
  std::string line = RecordText();
  EXPECT_EQ(line.rfind("registry " + path + " cannot be written: ", 0), 0u) << line;
  EXPECT_NE(line.find("Not a directory"), std::string::npos) << line;
  // Reading such a path is not a missing file either.
  qcom::ClassRegistration c;
  EXPECT_EQ(registry.FindClass(NumberedGuid(1), c), REGDB_E_READREGDB);
  EXPECT_NE(RecordText().find("Not a directory"), std::string::npos);
}

TEST_F(RegistryTest, DefaultPathFollowsTheEnvironment) {
  std::vector<std::pair<const char*, std::optional<std::string>>> saved;
  for (const char* name : {"QORDB_REGISTRY", "XDG_CONFIG_HOME", "HOME"}) {
    const char* v = std::getenv(name);
    saved.emplace_back(name, v ? std::optional<std::string>(v) : std::nullopt);
  }
  ::setenv("QORDB_REGISTRY", "/explicit/reg.xml", 1);
  ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
  ::setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(qcom::Registry::DefaultPath(), "/explicit/reg.xml");
  EXPECT_EQ(qcom::Registry().path(), "/explicit/reg.xml");
  ::setenv("QORDB_REGISTRY", "", 1);
  EXPECT_EQ(qcom::Registry::DefaultPath(), "/xdg/qordb/registry.xml");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(qcom::Registry::DefaultPath(), "/home/someone/.config/qordb/registry.xml");
  ::setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(qcom::Registry::DefaultPath(), "/home/someone/.config/qordb/registry.xml");
  for (const auto& [name, value] : saved)
    value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
}

// Registers count classes one update at a time; the number of failed updates.
int RegisterMany(const std::string& path, uint32_t firstNumber, int count) {
  qcom::Registry registry(path);
  int failures = 0;
  for (int i = 0; i < count; ++i) {
    uint32_t n = firstNumber + static_cast<uint32_t>(i);
    if (FAILED(registry.Register({Class(n, "Concurrent.C" + std::to_string(n))}, nullptr)))
      ++failures;
  }
  return failures;
}

// Another process and two threads of this one register at once while a reader
// lists the classes: every update lands, and no reader sees a half-written file.
TEST_F(RegistryTest, ConcurrentWritersAllLandAndReadersSeeWholeFiles) {
  constexpr int kEach = 25;
  pid_t child = ::fork();  // before any thread starts
  ASSERT_GE(child, 0);
  if (child == 0) ::_exit(RegisterMany(path_, 1000, kEach) == 0 ? 0 : 1);
  std::atomic<bool> done{false};
  std::atomic<int> readFailures{0}, shrinks{0};
  std::thread reader([&] {
    qcom::Registry registry(path_);
    size_t last = 0;
    while (!done.load()) {
      std::vector<qcom::ClassRegistration> all;
      if (FAILED(registry.ListClasses(all))) ++readFailures;
      if (all.size() < last) ++shrinks;
      last = all.size();
    }
  });
  int failuresA = 0, failuresB = 0;
  std::thread a([&] { failuresA = RegisterMany(path_, 3000, kEach); });
  std::thread b([&] { failuresB = RegisterMany(path_, 4000, kEach); });
  a.join();
  b.join();
  int status = 0;
  EXPECT_EQ(::waitpid(child, &status, 0), child);
  done = true;
  reader.join();
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(failuresA + failuresB, 0);
  EXPECT_EQ(readFailures.load(), 0);
  EXPECT_EQ(shrinks.load(), 0);

  qcom::Registry registry(path_);
  std::vector<qcom::ClassRegistration> all;
  ASSERT_EQ(registry.ListClasses(all), S_OK) << RecordText();
  EXPECT_EQ(all.size(), 3u * kEach);
  for (uint32_t n : {1000u, 1000u + kEach - 1, 3000u, 4000u + kEach - 1}) {
    CLSID clsid;
    EXPECT_EQ(registry.FindProgId("concurrent.c" + std::to_string(n), clsid), S_OK);
    EXPECT_EQ(clsid, NumberedGuid(n));
  }
  EXPECT_TRUE(LeftoverTemporaries(folder_ / "nested/qordb").empty());
}

}  // namespace
