#include <cstdlib>
#include <filesystem>

#include "plugin/AppObjectFixture.h"

namespace {

// Puts a fake desktop opener first on PATH that logs its arguments and exits
// with a chosen status.
class FakeOpener {
 public:
  FakeOpener(const testing_support::TempDir& dir, int exitCode) : log_(dir / "opener.log") {
    std::string script = dir.Write("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + log_ +
                                                       "'\nexit " + std::to_string(exitCode) + "\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const char* old = std::getenv("PATH");
    oldPath_ = old ? old : "";
    setenv("PATH", (dir / "bin" + ":" + oldPath_).c_str(), 1);
  }
  ~FakeOpener() { setenv("PATH", oldPath_.c_str(), 1); }
  std::string Log() const { return testing_support::ReadFile(log_); }

 private:
  std::string log_;
  std::string oldPath_;
};

}  // namespace

using AppObjectDatasheet = AppObjectFixture;

TEST_F(AppObjectDatasheet, NoSheetShowsTheMessageWithoutOpeningAnything) {
  dir.Write("TQX/TQX.xml", "<AppObject><ID>1</ID></AppObject>");
  FakeOpener opener(dir, 0);
  ASSERT_TRUE(Init("TQX"));
  object->ViewDatasheet(qcom::Variant(int32_t{0}).raw());
  EXPECT_EQ(messages->Messages(),
            (std::vector<platform::RecordedMessage>{{"DataSheet not available", 0, ""}}));
  EXPECT_EQ(opener.Log(), "");
}

TEST_F(AppObjectDatasheet, OpenerResultsBecomeTheirMessages) {
  dir.Write("TQX/TQX.xml", "<AppObject><ID>1</ID></AppObject>");
  std::string sheet = dir.Write("TQX/sheet with blanks.pdf", "%PDF-1.4");
  const std::pair<int, std::vector<std::string>> cases[] = {
      {0, {}},
      {3, {"Viewer not Available. Please install the viewer to see the documentation"}},
      {4, {"Visualization not allowed"}},
  };
  for (const auto& [exitCode, expected] : cases) {
    FakeOpener opener(dir, exitCode);
    object = qcom::Make<CDBAppObject>();
    ASSERT_TRUE(Init("TQX"));
    messages->Clear();
    object->ViewDatasheet(qcom::Variant(int32_t{0}).raw());
    EXPECT_EQ(messages->Texts(), expected) << "opener exit " << exitCode;
    EXPECT_NE(opener.Log().find("sheet with blanks.pdf"), std::string::npos) << opener.Log();
  }
  // The sheet vanished after Init: the viewer is never asked.
  FakeOpener opener(dir, 0);
  std::filesystem::remove(sheet);
  messages->Clear();
  object->ViewDatasheet(qcom::Variant(int32_t{0}).raw());
  EXPECT_EQ(messages->Texts(), std::vector<std::string>{"DataSheet not available"});
}
