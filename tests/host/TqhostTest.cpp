// tqhost's component commands (info, regsvr) and its usage.
#include <filesystem>
#include <set>
#include <sstream>

#include "host/TqhostRun.h"

using testing_support::ProcessResult;
using testing_support::ReadFile;
using Tqhost = TqhostRun;

TEST_F(Tqhost, InfoRegistersTheBundledComponentAndShowsTheObject) {
  const std::string out = Expect({"info"}, 0);
  for (const char* line :
       {"ProgID:          O_TQ4600.CAppObject\n", "Name:            TQ4600\n",
        "ID:              4600\n", "MapTypMod:       000000\n", "Datasheet:       available\n",
        "CDBDimension:    25\n", "DDBDimension:    32\n",
        // The device parameters, read through the host interfaces.
        "\nR5_Address               -1       -1               -32768         32767          9 "
        "SNVT_count_inc\n",
        "\nPriority                 4        4                1              8              7 "
        "SNVT_char_ascii\n",
        "\nPowerline_Freq           0        HZ_50                                          1000 "
        "TQ_line_freq\n"})
    EXPECT_NE(out.find(line), std::string::npos) << line << "in\n" << out;
  EXPECT_NE(ReadFile(registry).find("UnitManager.Converter"), std::string::npos) << "on first use";
  EXPECT_EQ(Expect({"info"}, 0), out) << "a second run finds the registration";
  EXPECT_EQ(Expect({"info", "--type", "TQ9999"}, 1,
                   "message: Error: The object TQ9999 is not available; Please verify its name.\n"
                   "tqhost info: the object type TQ9999 cannot be initialised\n"),
            "");
}

TEST_F(Tqhost, UsageErrorsAndHelp) {
  EXPECT_EQ(Run({}).err.rfind("usage: tqhost COMMAND [OPTIONS]\n", 0), 0u);
  EXPECT_EQ(Expect({"--version"}, 0), "tqhost " TQ_VERSION "\n");
  Expect({"frobnicate"}, 2, "tqhost: unknown command frobnicate (see tqhost --help)\n");
  Expect({"help", "strem"}, 2, "tqhost: unknown command strem; did you mean stream?\n");
  // Found before any file is read: exit 2 and one line saying what is wrong.
  const std::pair<Names, std::string> usage[] = {
      {{"info", "--colour"}, "info: unknown option --colour (see tqhost info --help)"},
      {{"info", "--tpye", "X"}, "info: unknown option --tpye; did you mean --type?"},
      {{"info", "--", "--type"}, "info: unexpected argument --type"},
      {{"info", "--type"}, "info: option --type needs a value (see tqhost info --help)"},
      {{"info", "extra"}, "info: unexpected argument extra"},
      {{"regsvr"}, "regsvr: expected one library path (see tqhost regsvr --help)"},
      {{"new", "--modules", "EB8DI"}, "new: missing -o FILE (see tqhost new --help)"},
      {{"new", "-o", "p.xml", "--modules", "EB8DI,,EB8DO"},
       "new: --modules: empty template name in \"EB8DI,,EB8DO\""},
      {{"stream", "p.xml", "p.xml"},
       "stream: expected one project file (see tqhost stream --help)"},
      {{"save", "p.xml"}, "save: missing -o OUT (see tqhost save --help)"},
      {{"save", "p.xml", "-o", "x.xml", "--form", "pdf"},
       "save: --form takes normal, sim or interop, not pdf"},
      {{"set", "p.xml", "=3"}, "set: expected NAME=VALUE, got \"=3\""},
      {{"set", "p.xml", "EB1/AI/two/sensortype=1"},
       "set: EB1/AI/two/sensortype: the channel position is a number from 1"},
      {{"set", "p.xml", "EB1/XI/1/sensortype=1"},
       "set: EB1/XI/1/sensortype: the channel kind is AI, AO, DI or DO"},
      {{"set", "p.xml", "EB1/AI/sensortype=1"},
       "set: EB1/AI/sensortype: a channel parameter is written MODULE/KIND/POSITION/NAME, e.g. "
       "EB1/AI/2/sensortype"},
      {{"set", "p.xml", "--object", "0", "Priority=1"},
       "set: --object takes a number from 1, not 0"},
      {{"set", "p.xml", "Priority=3=4"}, "set: Priority=3=4: a value cannot hold \"=\""},
      {{"set", "p.xml", "Priority="}, "set: Priority: the value is empty"},
      {{"set", "p.xml", "EB1/AI/2/sensortype="}, "set: EB1/AI/2/sensortype: the value is empty"},
      {{"set", "p.xml", "Priority=3", "priority=4"}, "set: priority is set twice"},
      {{"set", "p.xml", "EB1/AI/2/range=1", "eb1\\ai\\2\\Range=0"},
       "set: eb1\\ai\\2\\Range is set twice"},
      {{"new", "-o", "p.xml", "--name", "a\x01"},
       "new: --name: a project file cannot hold the character U+0001"}};
  for (const auto& [args, why] : usage) EXPECT_EQ(Expect(args, 2, "tqhost " + why + "\n"), "");
  // Every help text, "-h" and "help COMMAND" alike, keeps its descriptions in one column.
  for (const std::string command : {"", "new", "stream", "save", "set", "info", "regsvr"}) {
    auto with = [&](Names words) { return command.empty() ? words : Names{command, words[0]}; };
    const std::string help = Expect(with({"--help"}), 0);
    EXPECT_EQ(help.rfind("usage: tqhost " + (command.empty() ? "COMMAND" : command), 0), 0u);
    EXPECT_EQ(Expect(with({"-h"}), 0), help);
    EXPECT_EQ(Expect(command.empty() ? Names{"help"} : Names{"help", command}, 0), help);
    std::istringstream lines(help);
    std::set<size_t> block;  // description columns of the indented lines since the last gap
    bool aligned = true;
    for (std::string line; std::getline(lines, line);) {
      if (!line.starts_with("  ")) block.clear();
      size_t gap = line.starts_with("    ") ? 0 : line.find("  ", 2);
      if (line.starts_with("  ") && gap != std::string::npos)
        block.insert(line.find_first_not_of(' ', gap));
      aligned = aligned && block.size() <= 1;
    }
    EXPECT_TRUE(aligned) << help;
  }
  EXPECT_NE(Expect({"set", "--help"}, 0).find("--plugins DIR"), std::string::npos);
}

TEST_F(Tqhost, RegsvrRegistersUnregistersAndRejectsNonComponents) {
  const std::string component = std::string(TQ_PLUGINS_DIR) + "/O_TQ4600/O_TQ4600.so";
  Expect({"regsvr", component}, 0);
  EXPECT_NE(ReadFile(registry).find("O_TQ4600.CAppObject"), std::string::npos);
  Expect({"regsvr", "-u", component}, 0);
  EXPECT_EQ(ReadFile(registry).find("O_TQ4600.CAppObject"), std::string::npos);

  // The runtime names a library by its real file, not by the soname's links.
  const std::string qcom =
      std::filesystem::canonical(std::string(TQ_BUILD_DIR) + "/lib/libqcom.so").string();
  Expect({"regsvr", qcom}, 1,
         "tqhost regsvr: library " + qcom + " has no entry point DllRegisterServer\n");
  Expect({"regsvr", dir / "nothing.so"}, 1,
         "tqhost regsvr: library " + dir / "nothing.so" +
             " cannot be loaded: No such file or directory\n");
}

TEST_F(Tqhost, ACorruptRegistryOrCatalogueIsNamedWithItsLine) {
  const std::string garbage = "<registry><class clsid=\"not a guid\"";
  dir.Write("config/registry.xml", garbage);
  Expect({"info"}, 1,
         "tqhost info: registry " + registry +
             " is corrupt: line 1: Error parsing start element tag; remove it and register the "
             "component libraries again (tqhost regsvr LIB)\n");
  EXPECT_EQ(ReadFile(registry), garbage) << "reported, not overwritten";
  std::filesystem::remove(registry);

  const std::string broken = dir.Write("broken.xml", "<SNVTS>\n<SNVT_1>\n</SNVTS>\n");
  Expect({"info", "--snvt", broken}, 1,
         "tqhost info: " + broken +
             ": line 3, column 3: End tag 'SNVTS' does not match the start tag 'SNVT_1'.\n");
  // A catalogue without the types the definition names: the object says so and goes on.
  const std::string empty = dir.Write("empty.xml", "<SNVTS><SNVT_1/></SNVTS>");
  std::string messages;
  for (const char* type : {"9", "7", "1000", "1001", "107", "107"})
    messages += "message: Error: SNVT_" + std::string(type) + " is not defined\n";
  EXPECT_NE(Expect({"info", "--snvt", empty}, 0, messages), "");
}
