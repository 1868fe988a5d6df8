// tqhost run as a user runs it, on the bundled data.
#include <gtest/gtest.h>

#include "support/Process.h"
#include "support/TempDir.h"

using testing_support::ProcessResult;
using testing_support::RunProcess;
using testing_support::TempDir;

namespace {

const std::string kTqhost = std::string(TQ_BUILD_DIR) + "/bin/tqhost";

class Tqhost : public ::testing::Test {
 protected:
  ProcessResult Run(const std::vector<std::string>& args) {
    return RunProcess(kTqhost, args, {{"QORDB_REGISTRY", registry}, {"LC_ALL", "C"}});
  }
  TempDir dir;
  std::string registry = dir / "config/registry.xml";
};

}  // namespace

TEST_F(Tqhost, InfoRegistersTheBundledComponentAndShowsTheObject) {
  ProcessResult r = Run({"info"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  for (const char* line : {"ProgID:          O_TQ4600.CAppObject\n", "Name:            TQ4600\n",
                           "ID:              4600\n", "MapTypMod:       000000\n",
                           "Datasheet:       available\n", "CDBDimension:    25\n",
                           "DDBDimension:    32\n"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "\nin\n" << r.out;
  EXPECT_FALSE(testing_support::ReadFile(registry).empty()) << "registered on first use";
  // A second run finds the registration and prints the same.
  ProcessResult again = Run({"info"});
  EXPECT_EQ(again.exitCode, 0);
  EXPECT_EQ(again.out, r.out);
}

TEST_F(Tqhost, InfoForAnUnknownTypeShowsTheObjectsMessage) {
  ProcessResult r = Run({"info", "--type", "TQ9999"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err, "message: Error: The object TQ9999 is not available; Please verify its name.\n");
  EXPECT_EQ(r.out, "");
}

TEST_F(Tqhost, UsageErrorsAndHelp) {
  EXPECT_EQ(Run({}).exitCode, 2);
  EXPECT_EQ(Run({"frobnicate"}).exitCode, 2);
  ProcessResult badOption = Run({"info", "--colour"});
  EXPECT_EQ(badOption.exitCode, 2);
  EXPECT_EQ(badOption.err, "tqhost info: unknown option --colour (see tqhost info --help)\n");
  EXPECT_EQ(Run({"info", "--type"}).exitCode, 2);
  EXPECT_EQ(Run({"regsvr"}).exitCode, 2);
  for (const char* command : {"info", "regsvr"}) {
    ProcessResult help = Run({command, "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind(std::string("usage: tqhost ") + command, 0), 0u) << help.out;
  }
}

TEST_F(Tqhost, RegsvrRegistersUnregistersAndRejectsNonComponents) {
  const std::string component = std::string(TQ_PLUGINS_DIR) + "/O_TQ4600/O_TQ4600.so";
  ProcessResult reg = Run({"regsvr", component});
  ASSERT_EQ(reg.exitCode, 0) << reg.err;
  EXPECT_NE(testing_support::ReadFile(registry).find("O_TQ4600.CAppObject"), std::string::npos);
  ProcessResult unreg = Run({"regsvr", "-u", component});
  ASSERT_EQ(unreg.exitCode, 0) << unreg.err;
  EXPECT_EQ(testing_support::ReadFile(registry).find("O_TQ4600.CAppObject"), std::string::npos);

  ProcessResult missing = Run({"regsvr", dir / "nothing.so"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1) << missing.err;
  EXPECT_NE(missing.err.find("nothing.so"), std::string::npos) << missing.err;

  const std::string notAComponent = std::string(TQ_BUILD_DIR) + "/lib/libqcom.so";
  ProcessResult wrong = Run({"regsvr", notAComponent});
  EXPECT_EQ(wrong.exitCode, 1);
  EXPECT_NE(wrong.err.find("DllRegisterServer"), std::string::npos) << wrong.err;
}

TEST_F(Tqhost, CorruptRegistryIsReportedNotOverwritten) {
  std::string garbage = "<registry><class clsid=\"not a guid\"";
  dir.Write("config/registry.xml", garbage);
  ProcessResult r = Run({"info"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(registry), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_EQ(testing_support::ReadFile(registry), garbage);
}

TEST_F(Tqhost, InfoListsTheDeviceParametersThroughTheHostInterfaces) {
  ProcessResult r = Run({"info"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  size_t table = r.out.find("\nParameter ");
  ASSERT_NE(table, std::string::npos) << r.out;
  std::string rows = r.out.substr(table + 1);
  rows = rows.substr(0, rows.find("\n\n") + 1);
  EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 7) << rows;
  for (const char* row :
       {"R5_Address               -1       -1               -32768         32767          9 SNVT_count_inc\n",
        "Priority                 4        4                1              8              7 SNVT_char_ascii\n",
        "Powerline_Freq           0        HZ_50                                          1000 TQ_line_freq\n"})
    EXPECT_NE(rows.find(row), std::string::npos) << row << "in\n" << rows;
}

TEST_F(Tqhost, ACatalogueThatCannotBeReadIsNamedWithItsLine) {
  ProcessResult missing = Run({"info", "--snvt", dir / "none.xml"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.err.rfind("tqhost info: " + dir / "none.xml" + ": ", 0), 0u) << missing.err;

  std::string broken = dir.Write("broken.xml", "<SNVTS>\n<SNVT_1>\n</SNVTS>\n");
  ProcessResult bad = Run({"info", "--snvt", broken});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_EQ(bad.err.rfind("tqhost info: " + broken + ": line 3: ", 0), 0u) << bad.err;
  EXPECT_EQ(std::count(bad.err.begin(), bad.err.end(), '\n'), 1) << bad.err;

  // A catalogue without the types the definition names: the object says so and goes on.
  std::string empty = dir.Write("empty.xml", "<SNVTS><SNVT_1><NAME>x</NAME></SNVT_1></SNVTS>");
  ProcessResult partial = Run({"info", "--snvt", empty});
  EXPECT_EQ(partial.exitCode, 0);
  EXPECT_NE(partial.err.find("message: Error: SNVT_9 is not defined\n"), std::string::npos)
      << partial.err;
}
