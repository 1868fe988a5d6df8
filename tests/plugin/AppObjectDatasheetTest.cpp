#include <cstdlib>
#include <filesystem>

#include "plugin/AppObjectFixture.h"

namespace {

// Views the object's data sheet with a fake desktop opener first on PATH that
// logs its arguments and exits with the status; the log, "" when not run.
std::string ViewWithOpener(const testing_support::TempDir& dir, CDBAppObject& object,
                           int exitCode) {
  const std::string log = dir / "opener.log";
  std::filesystem::remove(log);
  std::string script = dir.Write("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + log +
                                                     "'\nexit " + std::to_string(exitCode) + "\n");
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  const char* old = std::getenv("PATH");
  const std::string path = old ? old : "";
  setenv("PATH", (dir / "bin:" + path).c_str(), 1);
  object.ViewDatasheet(qcom::Variant(int32_t{0}).raw());
  setenv("PATH", path.c_str(), 1);
  return testing_support::ReadFile(log);
}

}  // namespace

using AppObjectDatasheet = AppObjectFixture;

TEST_F(AppObjectDatasheet, IsLookedUpInOrder) {
  auto check = [&](const std::string& header, const std::string& expectedFile) {
    dir.Write("TQX/TQX.xml", "<AppObject>" + header + "</AppObject>");
    object = qcom::Make<CDBAppObject>();
    EXPECT_TRUE(Init("TQX"));
    EXPECT_EQ(Get(&CDBAppObject::get_DatasheetAvailable) != VARIANT_FALSE, !expectedFile.empty())
        << expectedFile;
    EXPECT_EQ(object->DatasheetPath(),
              expectedFile.empty() ? "" : dir.path() + "/O_TQ4600/../" + expectedFile);
  };
  dir.Write("DataSheets/pb__x.pdf", "pdf");
  check("<NAME>X</NAME>", "");  // without an ID only the own folder is searched
  check("<ID>77</ID>", "");
  dir.Write("DataSheets/pb_77_sheet.DOC", "doc");
  check("<ID>77</ID>", "DataSheets/pb_77_sheet.DOC");
  dir.Write("DataSheets/pb_77_zz.pdf", "pdf");
  dir.Write("DataSheets/pb_7_other.pdf", "pdf");
  check("<ID>77</ID>", "DataSheets/pb_77_zz.pdf");
  dir.Write("TQX/manual.doc", "doc");
  check("<ID>77</ID>", "TQX/manual.doc");
  dir.Write("TQX/Zeta.PDF", "pdf");
  dir.Write("TQX/alpha.pdf", "pdf");
  check("<ID>77</ID>", "TQX/alpha.pdf");
}

TEST_F(AppObjectDatasheet, OpenerResultsBecomeTheirMessages) {
  dir.Write("TQX/TQX.xml", "<AppObject><ID>1</ID></AppObject>");
  ASSERT_TRUE(Init("TQX"));
  EXPECT_EQ(ViewWithOpener(dir, *object, 0), "") << "no sheet: nothing is opened";
  EXPECT_EQ(messages->Messages(),
            (std::vector<platform::RecordedMessage>{{"DataSheet not available", 0, ""}}));

  dir.Write("TQX/sheet with blanks.pdf", "%PDF-1.4");
  const std::pair<int, std::vector<std::string>> cases[] = {
      {0, {}},
      {3, {"Viewer not Available. Please install the viewer to see the documentation"}},
      {4, {"Visualization not allowed"}},
      {2, {"DataSheet not available"}},
  };
  for (const auto& [exitCode, expected] : cases) {
    object = qcom::Make<CDBAppObject>();
    ASSERT_TRUE(Init("TQX"));
    messages->Clear();
    EXPECT_EQ(ViewWithOpener(dir, *object, exitCode), object->DatasheetPath() + "\n");
    EXPECT_EQ(messages->Texts(), expected) << "opener exit " << exitCode;
  }
}
