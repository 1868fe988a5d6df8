// tqhost's parameter commands (list, get, export, import) run as a user runs them.
#include "host/TqhostRun.h"

using testing_support::ReadFile;

namespace {

// Two objects with default identities (IDs 1 and 2, user names TQ4600_1 and TQ4600_2).
constexpr const char* kTwoObjects =
    "<QorProject version=\"1\"><Object><TQ4600><Modules><EB4AI2AO/></Modules></TQ4600></Object>"
    "<Object><TQ4600><Modules><EB8DI/></Modules></TQ4600></Object></QorProject>";

const std::string kDevice =
    "the device parameters are: R5_Address, Priority, Powerline_Freq, Behaviour_OnCommFailure, "
    "MaxTimeBetweenComm, DO_PulseTime";

// The lines of a text that hold the given piece.
std::string LinesWith(const std::string& text, const std::string& piece) {
  std::string lines;
  for (size_t start = 0, end; start < text.size(); start = end + 1) {
    end = text.find('\n', start);
    const std::string line = text.substr(start, end - start + 1);
    if (line.find(piece) != std::string::npos) lines += line;
  }
  return lines;
}

using ParameterCommands = TqhostRun;

TEST_F(ParameterCommands, ListShowsTemplatesChainsAndParametersAndNamesTheValidTemplates) {
  const std::string templates = Expect({"list", "templates"}, 0);
  EXPECT_EQ(LinesWith(templates, "EB4AI2AO  "),
            "  EB4AI2AO  EB 4AI/2AO      4 AI, 2 AO  Analog module: 4 universal analog inputs and "
            "2 analog outputs\n");
  // The first chains in tree order, each module below the one it may follow.
  const std::string chains = templates.substr(templates.find("Chains"));
  EXPECT_EQ(chains.substr(0, chains.find("    EB8DIC")),
            "Chains the configuration tree of TQ4600 allows:\n"
            "  EB4AI2AO\n"
            "    EB8DI\n"
            "      EB4AO\n");
  EXPECT_EQ(LinesWith(chains, "  EB4AO\n"),
            "      EB4AO\n      EB4AO\n      EB4AO\n"
            "      EB4AO\n    EB4AO\n  EB4AO\n    EB4AO\n"
            "    EB4AO\n    EB4AO\n    EB4AO\n");

  EXPECT_EQ(Expect({"list", "parameters", "--template", "eb4ao"}, 0),
            "EB4AO (EB 4AO): Analog output module: 4 analog outputs\n"
            "\n"
            "EB4AO AO channels (4):\n"
            "  Parameter   SNVT             Kind  Unit  Min  Max  Default  Members\n"
            "  OutputMode  1009 TQ_ao_mode  Enum                  0        AO_0_10V (0), "
            "AO_2_10V (1), AO_0_20MA (2), AO_4_20MA (3)\n");
  const std::string all = Expect({"list", "parameters"}, 0);
  // The definition's own limits of a number, else its type's, and the catalogue's unit.
  EXPECT_EQ(
      LinesWith(all, "  Priority ") + LinesWith(all, "DO_PulseTime") +
          LinesWith(all, "filter_constant") + LinesWith(all, "Powerline_Freq"),
      "  Priority                 7 SNVT_char_ascii  UnsignedNumeric        1       8      4\n"
      "  DO_PulseTime             107 SNVT_time_sec  UnsignedNumeric  sec   0.1     25     1\n"
      "  filter_constant   107 SNVT_time_sec     UnsignedNumeric  sec   0       60     2\n"
      "  Powerline_Freq           1000 TQ_line_freq  Enum                                  0"
      "        HZ_50 (0), HZ_60 (1)\n");
  for (const char* heading : {"EB4AI2AO AI channels (4):", "EB4AI2AO AO channels (2):",
                              "EB4DI4DO DO channels (4):", "EB8DIC DI channels (8):"})
    EXPECT_NE(all.find(heading), std::string::npos) << heading;

  Expect({"list", "parameters", "--template", "EB9"}, 1,
         "tqhost list: unknown module template EB9; the templates are: EB4AI2AO, EB4AO, "
         "EB4DI4DO, EB8DI, EB8DIC, EB8DO\n");
  Expect({"list", "modules"}, 2,
         "tqhost list: cannot list modules; expected templates or parameters\n");
  Expect({"list"}, 2, "tqhost list: expected templates or parameters (see tqhost list --help)\n");
  Expect({"list", "templates", "--template", "EB4AO"}, 2,
         "tqhost list: --template belongs to list parameters\n");
}

TEST_F(ParameterCommands, GetShowsValuesMarksChangesInEachFormatAndNamesTheValidNames) {
  const std::string path = dir.Write("p.xml", kTwoObjects);
  Expect({"set", path, "Priority=3", "EB1/AI/2/sensortype=PT1000", "EB1/AI/2/offset=0.0"}, 0,
         "tqhost set: note: EB1/AI/2/sensortype=PT1000 is kept as \"4\"\n"
         "tqhost set: note: EB1/AI/2/offset=0.0 is kept as \"0\"\n");
  // Given names in their order, any letter case; a float is kept as its single's text.
  const std::vector<std::string> names = {
      "get", path, "eb1/ai/2/SENSORTYPE", "priority", "MaxTimeBetweenComm", "EB1/AI/2/offset"};
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> words = names;
    words.insert(words.end(), extra.begin(), extra.end());
    return words;
  };
  EXPECT_EQ(Expect(names, 0), path +
                                  ": object 1 (TQ4600) \"TQ4600_1\"\n"
                                  "  Parameter            Value  Unit  Default\n"
                                  "  EB1/AI/2/sensortype  4            1        *\n"
                                  "  Priority             3            4        *\n"
                                  "  MaxTimeBetweenComm   60     sec   60\n"
                                  "  EB1/AI/2/offset      0            0\n");
  EXPECT_EQ(Expect(with({"--format", "csv"}), 0),
            "kind,name,value,unit,default,changed,snvt,connected\n"
            "parameter,EB1/AI/2/sensortype,4,,1,yes,1002,\n"
            "parameter,Priority,3,,4,yes,7,\n"
            "parameter,MaxTimeBetweenComm,60,sec,60,no,107,\n"
            "parameter,EB1/AI/2/offset,0,,0,no,52,\n");
  EXPECT_EQ(Expect({"get", path, "--object", "2", "Priority", "--format", "json"}, 0),
            "{\"object\": 2, \"id\": \"2\", \"name\": \"TQ4600_2\", \"type\": \"TQ4600\",\n"
            " \"parameters\": [\n"
            "  {\"name\": \"Priority\", \"value\": \"4\", \"unit\": \"\", \"default\": \"4\", "
            "\"changed\": false}],\n"
            " \"points\": []}\n");
  // Without names: every parameter, then the inputs and outputs.
  const std::string whole = Expect({"get", path, "--object", "2"}, 0);
  EXPECT_EQ(LinesWith(whole, "Binary (7)"), "  output  Binary (7) Value  95    not connected\n");
  EXPECT_EQ(LinesWith(whole, "ContactType").size(), 8 * LinesWith(whole, "DI/1/").size());

  const std::string label = "tqhost get: " + path + ": object 1 (TQ4600): ";
  Expect({"get", path, "Prio"}, 1, label + "no device parameter Prio; " + kDevice + "\n");
  Expect({"get", path, "EB1/AO/1/Mode"}, 1,
         label + "EB1/AO/1 has no parameter Mode; its parameters are: OutputMode\n");
  Expect({"get", path, "EB2/DI/1/ContactType"}, 1,
         label + "the object has no module EB2 (it has 1)\n");
  Expect({"get", path, "EB1/XI/1/a"}, 2,
         "tqhost get: EB1/XI/1/a: the channel kind is AI, AO, DI or DO\n");
  Expect({"get", path, "--format", "xml"}, 2,
         "tqhost get: --format takes text, csv or json, not xml\n");
  Expect({"get", path, "--object", "3"}, 1,
         "tqhost get: " + path + " holds 2 objects; there is no object 3\n");
}

TEST_F(ParameterCommands, ExportThenImportChangesExactlyTheEditedValues) {
  const std::string path = dir.Write("p.xml", kTwoObjects), csv = dir / "p.csv";
  const std::string original = ReadFile(path);
  EXPECT_EQ(Expect({"export", path, "-o", csv}, 0), csv + ": 70 parameters of 2 objects\n");
  const std::string exported = ReadFile(csv);
  EXPECT_EQ(Expect({"export", path, "-o", "-"}, 0), exported);
  EXPECT_EQ(exported.substr(0, exported.find("EB1/AI/1/range")),
            "object,name,parameter,value,unit\n"
            "1,TQ4600_1,R5_Address,-1,\n"
            "1,TQ4600_1,Priority,4,\n"
            "1,TQ4600_1,Powerline_Freq,0,\n"
            "1,TQ4600_1,Behaviour_OnCommFailure,0,\n"
            "1,TQ4600_1,MaxTimeBetweenComm,60,sec\n"
            "1,TQ4600_1,DO_PulseTime,1,sec\n"
            "1,TQ4600_1,EB1/AI/1/sensortype,1,\n"
            "1,TQ4600_1,");
  EXPECT_EQ(LinesWith(Expect({"export", path, "-o", "-", "--object", "2"}, 0), "Priority"),
            "2,TQ4600_2,Priority,4,\n");

  // Unchanged, the project is left byte for byte as it was.
  EXPECT_EQ(Expect({"import", path, csv}, 0),
            csv + ": no value differs; " + path + " is unchanged\n");
  EXPECT_EQ(ReadFile(path), original);

  // Two edits, an enumeration member by name and a number, saved as a
  // spreadsheet in a decimal-comma language saves them, some rows left out.
  std::string edited = exported;
  auto edit = [&](const std::string& from, const std::string& to) {
    edited.replace(edited.find(from), from.size(), to);
  };
  edit("2,TQ4600_2,Powerline_Freq,0,", "2,TQ4600_2,Powerline_Freq,HZ_60,");
  edit("1,TQ4600_1,EB1/AI/3/low_alarm_limit,-50,", "1,TQ4600_1,EB1/AI/3/low_alarm_limit,-20.5,");
  std::string semicolons = edited;
  for (char& c : semicolons)
    if (c == ',') c = ';';
  const size_t first = semicolons.find("1;TQ4600_1;EB1/AI/1/");
  semicolons.erase(first, semicolons.find("1;TQ4600_1;EB1/AI/2/") - first);
  semicolons.replace(semicolons.find("-20.5"), 5, "\"-20.5\"");
  EXPECT_EQ(Expect({"import", path, dir.Write("e.csv", semicolons)}, 0,
                   "tqhost import: note: Powerline_Freq=HZ_60 is kept as \"1\"\n"),
            path + ": 2 values of 2 objects changed\n");
  // Again: the name is the stored code, so nothing differs now.
  EXPECT_EQ(Expect({"import", path, dir / "e.csv"}, 0),
            dir / "e.csv: no value differs; " + path + " is unchanged\n");
  edit("Powerline_Freq,HZ_60,", "Powerline_Freq,1,");
  EXPECT_EQ(Expect({"export", path, "-o", "-"}, 0), edited);
  // The project is what set makes of the same changes, byte for byte.
  const std::string same = dir.Write("q.xml", kTwoObjects);
  Expect({"set", same, "--object", "2", "Powerline_Freq=1"}, 0);
  Expect({"set", same, "EB1/AI/3/low_alarm_limit=-20.5"}, 0);
  EXPECT_EQ(ReadFile(path), ReadFile(same));
}

TEST_F(ParameterCommands, ImportRefusesEveryBadRowAndWritesNothing) {
  const std::string path = dir.Write("p.xml", kTwoObjects);
  const std::string original = ReadFile(path);
  const std::string header = "object,name,parameter,value,unit\n";
  const std::string good = "1,TQ4600_1,Priority,2,\n";
  const std::pair<std::string, std::string> refusals[] = {
      {"object,name,value\n" + good,
       "c.csv: line 1: expected the header object,name,parameter,value,unit"},
      {header + good + "1,TQ4600_1,Priority\n", "c.csv: line 3: expected 5 fields, not 3"},
      {header + good + "3,TQ4600_3,Priority,1,\n",
       "c.csv: line 3: p.xml has no object with the ID 3"},
      {header + good + "2,Boiler,Priority,1,\n",
       "c.csv: line 3: the object with the ID 2 is named \"TQ4600_2\" in p.xml, not \"Boiler\""},
      {header + good + "1,TQ4600_1,PRIORITY,3,\n",
       "c.csv: line 3: PRIORITY of the object with the ID 1 is also on line 2"},
      {header + good + "1,TQ4600_1,EB1/AI/1/offset,,\n",
       "c.csv: line 3: EB1/AI/1/offset: the value is empty"},
      {header + good + "1,\"TQ4600_1,Priority,3,\n", "c.csv: line 3: a quoted field is not closed"},
      {header + good + "2,TQ4600_2,Colour,1,\n",
       "c.csv: line 3: p.xml: object 2 (TQ4600): no device parameter Colour; " + kDevice},
      {header + good + "2,TQ4600_2,Priority,300,\n2,TQ4600_2,Powerline_Freq,HZ_70,\n",
       "p.xml: object 2 (TQ4600): Priority=300: The value is greater than 255\n"
       "tqhost import: p.xml: object 2 (TQ4600): Powerline_Freq=HZ_70: The value is none of the "
       "members of TQ_line_freq: HZ_50 (0), HZ_60 (1)"}};
  // The messages name the files as the command line does.
  auto paths = [&](std::string text) {
    for (const char* name : {"c.csv", "p.xml"})
      for (size_t at = 0; (at = text.find(name, at)) != std::string::npos;
           at += dir.path().size() + 6)
        text.replace(at, 5, dir / name);
    return text;
  };
  for (const auto& [text, why] : refusals) {
    Expect({"import", path, dir.Write("c.csv", text)}, 1, "tqhost import: " + paths(why) + "\n");
    EXPECT_EQ(ReadFile(path), original);
  }
  Expect({"import", path}, 2,
         "tqhost import: expected a project file and a CSV file (see tqhost import --help)\n");
  Expect({"export", path}, 2, "tqhost export: missing -o OUT (see tqhost export --help)\n");
}

}  // namespace
