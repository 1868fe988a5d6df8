#include "com/Registry.h"

#include <gtest/gtest.h>

#include <filesystem>
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
  return {NumberedGuid(n),    std::move(progId), "Class" + std::to_string(n),
          std::move(library), "Apartment",       ""};
}

std::string RecordText() {
  auto record = qcom::TakeErrorRecord();
  return record ? record->description : std::string("<no record>");
}

class RegistryTest : public ::testing::Test {
 protected:
  // Whether anything temporary stayed behind beside the registry.
  bool LeftoverTemporaries() {
    for (const auto& entry : std::filesystem::directory_iterator(folder_ / "nested/qordb"))
      if (entry.path().filename().string().find(".tmp.") != std::string::npos) return true;
    return false;
  }
  TempDir folder_;
  std::string path_ = folder_ / "nested/qordb/registry.xml";
};

TEST_F(RegistryTest, RoundTripLookupsReRegistrationAndRemoval) {
  qcom::Registry registry(path_);
  std::vector<qcom::ClassRegistration> found;
  // A missing file is an empty registry.
  EXPECT_EQ(registry.ListClasses(found), S_OK);
  EXPECT_TRUE(found.empty());
  qcom::ClassRegistration c;
  EXPECT_EQ(registry.FindClass(NumberedGuid(1), c), REGDB_E_CLASSNOTREG);

  qcom::ClassRegistration first = Class(1, "Vendor.First", "/opt/lib/first & <second>.so");
  first.threadingModel = "Both";
  first.typeLib = "{3770701F-6976-4D9C-83E1-46687737E134}";
  first.name = "Größe \"quoted\"";
  qcom::TypeLibRegistration lib{qcom::MakeGuid("3770701F-6976-4D9C-83E1-46687737E134"), "TestLib",
                                "1.0", "/opt/lib/first.so"};
  ASSERT_EQ(registry.Register({first, Class(2, ""), Class(3, "Vendor.Other")}, &lib), S_OK)
      << RecordText();

  // A second Registry object sees what the first wrote, in registration order.
  qcom::Registry reader(path_);
  auto fields = [&](uint32_t n) {
    EXPECT_EQ(reader.FindClass(NumberedGuid(n), c), S_OK) << n;
    return std::tie(c.progId, c.name, c.library, c.threadingModel, c.typeLib);
  };
  EXPECT_EQ(fields(1), std::make_tuple("Vendor.First", "Größe \"quoted\"",
                                       "/opt/lib/first & <second>.so", "Both", first.typeLib));
  EXPECT_EQ(fields(2), std::make_tuple("", "Class2", "/opt/x.so", "Apartment", ""));
  ASSERT_EQ(reader.ListClasses(found), S_OK);
  EXPECT_EQ(found.size(), 3u);
  qcom::TypeLibRegistration t;
  ASSERT_EQ(reader.FindTypeLib(lib.libid, t), S_OK);
  EXPECT_EQ(std::tie(t.name, t.version, t.library),
            std::make_tuple("TestLib", "1.0", "/opt/lib/first.so"));

  CLSID clsid{};
  auto progIdClass = [&](std::string_view progId) {
    return reader.FindProgId(progId, clsid) == S_OK ? clsid.Data1 : 0;
  };
  EXPECT_EQ(progIdClass("vendor.FIRST"), 1u);  // letter case does not matter
  EXPECT_EQ(reader.FindProgId("Vendor.Second", clsid), CO_E_CLASSSTRING);
  EXPECT_EQ(progIdClass(""), 0u);

  // A ProgID registered for another class moves there; the old class keeps its
  // entry without it. Registering a class again replaces its entry.
  ASSERT_EQ(registry.Register({Class(4, "VENDOR.first", "/opt/b.so")}, nullptr), S_OK);
  EXPECT_EQ(progIdClass("Vendor.First"), 4u);
  EXPECT_EQ(std::get<0>(fields(1)), "");
  ASSERT_EQ(registry.Register({Class(3, "Vendor.Other", "/opt/new.so")}, nullptr), S_OK);
  EXPECT_EQ(std::get<2>(fields(3)), "/opt/new.so");
  ASSERT_EQ(reader.ListClasses(found), S_OK);
  EXPECT_EQ(found.size(), 4u);

  // Unregistering removes the classes, their ProgIDs and the type library.
  ASSERT_EQ(registry.Unregister({NumberedGuid(4), NumberedGuid(77)}, &lib.libid), S_OK);
  EXPECT_EQ(reader.FindClass(NumberedGuid(4), c), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(progIdClass("Vendor.First"), 0u);
  EXPECT_EQ(reader.FindTypeLib(lib.libid, t), TYPE_E_LIBNOTREGISTERED);
  EXPECT_EQ(progIdClass("vendor.other"), 3u);
  EXPECT_FALSE(LeftoverTemporaries());
}

TEST_F(RegistryTest, CorruptFileIsAClearErrorAndStaysUntouched) {
  std::filesystem::create_directories(folder_ / "nested/qordb");
  const std::string good =
      "<class clsid=\"{A1B2C3D4-0000-4000-8000-000000000000}\" library=\"/x\"/>";
  const std::pair<std::string, std::string> cases[] = {
      // The text, and what follows "is corrupt: " in the record.
      {"this is not XML", "line 1: No document element found"},
      {"", "line 1: No document element found"},
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
  };
  const std::string prefix = "registry " + path_ + " is corrupt: ";
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    WriteFile(path_, text);
    qcom::Registry registry(path_);
    qcom::ClassRegistration found;
    EXPECT_EQ(registry.FindClass(NumberedGuid(1), found), REGDB_E_READREGDB);
    std::string line = RecordText();
    EXPECT_EQ(line.substr(0, prefix.size() + expected.size()), prefix + expected);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    CLSID clsid;
    EXPECT_EQ(registry.FindProgId("A.B", clsid), REGDB_E_READREGDB);
    // Updates refuse too, and leave the file as it was.
    EXPECT_EQ(registry.Register({Class(5, "A.B")}, nullptr), REGDB_E_READREGDB);
    EXPECT_TRUE(RecordText().starts_with(prefix));
    EXPECT_EQ(registry.Unregister({NumberedGuid(1)}, nullptr), REGDB_E_READREGDB);
    EXPECT_EQ(ReadFile(path_), text);
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

  // A plain file where the registry's folder should be: neither written nor a missing file.
  WriteFile(folder_ / "blocker", "x");
  std::string path = folder_ / "blocker/registry.xml";
  qcom::Registry registry(path);
  EXPECT_EQ(registry.Register({Class(1, "A.B")}, nullptr), REGDB_E_WRITEREGDB);
  std::string line = RecordText();
  EXPECT_TRUE(line.starts_with("registry " + path + " cannot be written: ")) << line;
  EXPECT_NE(line.find("Not a directory"), std::string::npos) << line;
  qcom::ClassRegistration c;
  EXPECT_EQ(registry.FindClass(NumberedGuid(1), c), REGDB_E_READREGDB);
  EXPECT_EQ(RecordText(), "registry " + path + " cannot be read: Not a directory");
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
  EXPECT_EQ(qcom::Registry().path(), "/explicit/reg.xml");
  ::setenv("QORDB_REGISTRY", "", 1);
  EXPECT_EQ(qcom::Registry::DefaultPath(), "/xdg/qordb/registry.xml");
  ::setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(qcom::Registry::DefaultPath(), "/home/someone/.config/qordb/registry.xml");
  for (const auto& [name, value] : saved)
    value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
}

}  // namespace
