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
      if (entry.path().filename().string().find(".tq4600~") != std::string::npos) return true;
    return false;
  }
  TempDir folder_;
  std::string path_ = folder_ / "nested/qordb/registry.xml";
};

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
