// tqhost explain, check and diff run as a user runs them.
#include <clocale>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "host/TqhostRun.h"

using testing_support::ReadFile;

namespace {

void Replace(const std::string& path, const std::string& from, const std::string& to) {
  std::string text = ReadFile(path);
  text = std::regex_replace(text, std::regex(from), to);
  std::ofstream(path) << text;
}

// explain's table as cells: columns are two or more blanks apart.
std::vector<std::vector<std::string>> Cells(const std::string& table) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(table);
  std::string line;
  std::getline(lines, line);  // the object's label
  std::getline(lines, line);  // the column heads
  const std::regex gap(" {2,}");
  while (std::getline(lines, line))
    rows.emplace_back(std::sregex_token_iterator(line.begin(), line.end(), gap, -1),
                      std::sregex_token_iterator());
  return rows;
}

class StreamTools : public TqhostRun {
 protected:
  std::string Demo(const std::string& name, const Names& values) {
    const std::string path = dir / name;
    Expect({"new", "-o", path, "--modules", "EB4AI2AO,EB8DIC,EB4AO"}, 0);
    Names set = {"set", path};
    set.insert(set.end(), values.begin(), values.end());
    Expect(set, 0);
    return path;
  }
};

// Every field's bytes, in order, make the stream; every typed value reads back
// as stored, on the demo and with every parameter at its minimum and maximum.
TEST_F(StreamTools, ExplainReadsBackEveryFieldAsTheStreamCarriesIt) {
  const Names demo = {"Priority=2",
                      "Behaviour_OnCommFailure=1",
                      "MaxTimeBetweenComm=120",
                      "EB1/AI/2/sensortype=0",
                      "EB1/AI/2/range=1",
                      "EB1/AI/2/linear_span=50",
                      "EB2/DI/1/PulsesPerCount=10",
                      "EB3/AO/4/OutputMode=3"};
  auto limits = [](bool max) -> Names {
    const char* ai = "EB1/AI/1/";
    return {std::string("Priority=") + (max ? "8" : "1"),
            std::string("Powerline_Freq=") + (max ? "1" : "0"),
            std::string("MaxTimeBetweenComm=") + (max ? "600" : "1"),
            std::string("DO_PulseTime=") + (max ? "25" : "0.1"),
            std::string(ai) + "sensortype=" + (max ? "5" : "0"),
            std::string(ai) + "range=" + (max ? "1" : "0"),
            std::string(ai) + "suppression=" + (max ? "1" : "0"),
            std::string(ai) + "square_root=" + (max ? "1" : "0"),
            std::string(ai) + "alarm=" + (max ? "1" : "0"),
            std::string(ai) + "unit_of_measure=" + (max ? "3" : "0"),
            std::string(ai) + "filter_constant=" + (max ? "60" : "0"),
            std::string(ai) + "diff_alarm_limit=" + (max ? "100" : "0"),
            std::string(ai) + "low_alarm_limit=" + (max ? "1000" : "-1000"),
            std::string(ai) + "high_alarm_limit=" + (max ? "1000" : "-1000"),
            std::string(ai) + "offset=" + (max ? "1000" : "-1000"),
            std::string(ai) + "linear_span=" + (max ? "10000" : "-10000"),
            std::string("EB2/DI/1/ContactType=") + (max ? "1" : "0"),
            std::string("EB2/DI/1/PulsesPerCount=") + (max ? "10000" : "1"),
            std::string("EB3/AO/1/OutputMode=") + (max ? "3" : "0")};
  };
  for (const auto& [name, values] : std::vector<std::pair<std::string, Names>>{
           {"demo", demo}, {"min", limits(false)}, {"max", limits(true)}}) {
    SCOPED_TRACE(name);
    const std::string path = Demo(name + ".xml", values);
    const std::string stream = Expect({"stream", path}, 0);
    std::string bytes;
    size_t compared = 0;
    for (const auto& row : Cells(Expect({"explain", path}, 0))) {
      ASSERT_EQ(row.size(), 6u) << "a note on " << row[3] << ": " << row.back();
      bytes += row[1];
      if (row[2] == "device" || row[2] == "AI" || row[2] == "counters") {
        if (row[3].find('+') == std::string::npos && row[3].find("tag") == std::string::npos &&
            row[3] != "reserved" && row[3].find(',') == std::string::npos) {
          EXPECT_EQ(row[5], row[4]) << row[3];
          ++compared;
        }
      }
    }
    EXPECT_EQ(bytes + "\n", stream);
    EXPECT_EQ(compared, 4u + 4 * 7 + 8);
  }
  // The demo's fields, as the README shows them.
  const std::string out = Expect({"explain", dir / "demo.xml", "--object", "1"}, 0);
  EXPECT_NE(out.find("19      04B0      device      MaxTimeBetweenComm"), std::string::npos);
  EXPECT_NE(out.find("60      81        AI          EB1/AI/2/range,suppression,square_root,alarm,"
                     "unit_of_measure  1 0 0 0 1        129"),
            std::string::npos);
  EXPECT_NE(out.find("119     00C0      AO modes    AO output modes, 2 bits each"),
            std::string::npos);

  Expect({"explain", dir / "demo.xml", "--object", "0"}, 2,
         "tqhost explain: --object takes a number from 1, not 0\n");
  Expect({"explain", dir / "demo.xml", "--object", "3"}, 3,
         "tqhost explain: " + dir / "demo.xml" + " holds 1 object; there is no object 3\n");
}

// Findings name object, parameter and reason, sorted; a clean project says so.
TEST_F(StreamTools, CheckFindsValuesChainsTypesAndShortStreams) {
  const std::string good = Demo("good.xml", {"Priority=2"});
  EXPECT_EQ(Expect({"check", good}, 0), good + ": 1 object, no findings\n");

  const std::string bad = Demo("bad.xml", {"EB1/AI/2/range=1", "EB1/AI/2/linear_span=50"});
  Replace(bad, "<Priority>4</Priority>", "<Priority>300</Priority>");
  Replace(bad, "<linear_span>50</linear_span>", "<linear_span>40000</linear_span>");
  Replace(bad, "<range>1</range>", "<range>7</range>");
  const std::string label = bad + ": object 1 (TQ4600): ";
  EXPECT_EQ(Expect({"check", bad}, 1, "tqhost check: " + bad + ": 7 findings\n"),
            label +
                "EB1/AI/2/linear_span: 40000: The value is outside the limits of its definition: "
                "-10000 to 10000\n" +
                label + "EB1/AI/2/linear_span: 40000: encoding failed in the stream\n" + label +
                "EB1/AI/2/range: 7: The value is none of the members of TQ_input_range: "
                "RANGE_0_10V (0), RANGE_0_20V (1)\n" +
                label +
                "EB1/AI/2/range,suppression,square_root,alarm,unit_of_measure: 7 0 0 0 1: clamped "
                "in the stream (FF reads back as 255)\n" +
                label + "Priority: 300: The value is greater than 255\n" + label +
                "Priority: 300: clamped in the stream (FF reads back as 255)\n" + label +
                "stream: the stream has 119 bytes; its types promise 121\n");
  const std::string explained = Expect({"explain", bad}, 0);
  EXPECT_NE(explained.find("71      -         AI          EB1/AI/2/linear_span"),
            std::string::npos);

  const std::string chain = dir / "chain.xml";
  Expect({"new", "-o", chain, "--modules", "EB8DI,EB8DO"}, 0);
  Replace(chain, "EB8DO>", "EB8DIC>");
  EXPECT_EQ(Expect({"check", chain}, 1, "tqhost check: " + chain + ": 1 finding\n"),
            chain +
                ": object 1 (TQ4600): modules: module template EB8DIC cannot go at position 2 "
                "after EB8DI; allowed there: EB8DI, EB8DO, EB4AO\n");

  const std::string catalogue = dir / "no107.xml";
  std::ofstream(catalogue) << std::regex_replace(
      ReadFile(std::string(TQ_BUILD_DIR) + "/snvt/snvt.xml"),
      std::regex("<SNVT_107 [^]*?</SNVT_107>"), "");
  const std::string found = Run({"check", good, "--snvt", catalogue}).out;
  EXPECT_NE(found.find(good + ": object 1 (TQ4600): MaxTimeBetweenComm: the catalogue has no "
                              "SNVT_107\n"),
            std::string::npos);
  EXPECT_EQ(Run({"check", good, "--snvt", catalogue}).out, found);
}

// A stream the controller would not read as set is never printed quietly:
// stream exits 1 naming each field, and check reports it.
TEST_F(StreamTools, NoBadStreamGoesOutQuietly) {
  const std::string bundled = ReadFile(std::string(TQ_BUILD_DIR) + "/snvt/snvt.xml");
  auto catalogue = [&](const std::string& name, const std::string& from, const std::string& to) {
    std::ofstream(dir / name) << std::regex_replace(bundled, std::regex(from), to);
    return dir / name;
  };
  const std::string plugins = dir / "plugins";
  std::filesystem::copy(std::string(TQ_BUILD_DIR) + "/plugins", plugins,
                        std::filesystem::copy_options::recursive);
  const std::string definition = plugins + "/TQ4600/TQ4600.xml";
  std::string tree = ReadFile(definition);
  std::filesystem::remove(definition);  // a link into the shared data
  std::ofstream(definition) << std::regex_replace(tree, std::regex("TQIOMAP=\"[0-9A-F]+\""),
                                                  "TQIOMAP=\"ZZ\"");
  const struct {
    Names options, values;
    std::string malformed;  // what stream says after the object's label
    std::string finding;    // one line check prints after the label
  } cases[] = {
      {{},
       {"Priority=2.5", "--force"},
       "Priority: rounded",
       "Priority: 2.5: rounded in the stream (02 reads back as 2)"},
      {{"--snvt", catalogue("twice.xml", "</SNVT_7>",
                            "</SNVT_7><SNVT_7><NAME>x</NAME><TYPE>Enum</TYPE></SNVT_7>")},
       {},
       "Priority: SNVT_7 defined 2 times in the catalogue",
       "Priority: the catalogue defines SNVT_7 2 times; the object uses the first"},
      {{"--snvt",
        catalogue("b400.xml", "(<SNVT_107 [^]*?)<B_COEF>-1</B_COEF>", "$1<B_COEF>400</B_COEF>")},
       {},
       "MaxTimeBetweenComm: reads back as no number; DO_PulseTime: reads back as no number",
       "MaxTimeBetweenComm: 60 sec: reads back as no number in the stream (0000 reads back as NaN "
       "sec)"},
      {{"--snvt", catalogue("no107.xml", "<SNVT_107 [^]*?</SNVT_107>", "")},
       {},
       "MaxTimeBetweenComm: no SNVT type; DO_PulseTime: no SNVT type",
       "MaxTimeBetweenComm: the catalogue has no SNVT_107"},
      {{"--plugins", plugins},
       {},
       "tag of the last module: not hex",
       "tag of the last module: EB8DI in slot 1: not hex in the stream (ZZ0401 reads back as "
       "ZZ0401)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.malformed);
    const std::string path = dir / "p.xml";
    Names words = {"new", "-o", path, "--force", "--modules", "EB8DI"};
    words.insert(words.end(), c.options.begin(), c.options.end());
    Run(words);
    if (!c.values.empty()) {
      words = {"set", path};
      words.insert(words.end(), c.values.begin(), c.values.end());
      Run(words);
    }
    const std::string label = path + ": object 1 (TQ4600): ";
    words = {"stream", path};
    words.insert(words.end(), c.options.begin(), c.options.end());
    testing_support::ProcessResult streamed = Run(words);
    EXPECT_EQ(streamed.exitCode, 1);
    EXPECT_GT(streamed.out.size(), 2 * 25u) << "the stream is printed";
    EXPECT_TRUE(streamed.err.ends_with("tqhost stream: " + label +
                                       "the stream is not what was set: " + c.malformed + "\n"))
        << streamed.err;
    words[0] = "check";
    testing_support::ProcessResult checked = Run(words);
    EXPECT_EQ(checked.exitCode, 1);
    EXPECT_NE(checked.out.find(label + c.finding + "\n"), std::string::npos) << checked.out;
  }
}

// The same project gives the same answers in C and in a decimal-comma
// language, whichever of them it was set in.
TEST_F(StreamTools, EveryCommandAnswersAlikeInEveryLocale) {
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  std::setlocale(LC_ALL, "C");
  for (const std::string setIn : {"C", "de_DE.UTF-8"}) {
    const std::string path = dir / (setIn + ".xml");
    Expect({"new", "-o", path, "--modules", "EB4AI2AO,EB8DIC,EB4AO"}, 0);
    testing_support::ProcessResult set =
        Run({"set", path, "EB1/AI/1/linear_span=1.5", "DO_PulseTime=0.5", "EB1/AI/2/offset=-2.25"},
            setIn);
    EXPECT_EQ(std::pair(set.exitCode, set.err), std::pair(0, std::string())) << setIn;
    for (const Names& command :
         {Names{"check", path}, Names{"explain", path}, Names{"get", path},
          Names{"get", path, "--format", "json"}, Names{"explain", path, "--format", "json"},
          Names{"list", "parameters", "--format", "json"}, Names{"export", path, "-o", "-"},
          Names{"stream", path}}) {
      const testing_support::ProcessResult c = Run(command, "C"), de = Run(command, "de_DE.UTF-8");
      EXPECT_EQ(std::tie(de.exitCode, de.out, de.err), std::tie(c.exitCode, c.out, c.err))
          << command[0] << " on a project set in " << setIn;
    }
    EXPECT_EQ(Expect({"check", path}, 0), path + ": 1 object, no findings\n");
    EXPECT_EQ(Expect({"get", path, "EB1/AI/1/linear_span", "DO_PulseTime", "--format", "csv"}, 0),
              "kind,name,value,unit,default,changed,snvt,connected\n"
              "parameter,EB1/AI/1/linear_span,1.5,,100,yes,52,\n"
              "parameter,DO_PulseTime,0.5,sec,1,yes,107,\n");
  }
}

TEST_F(StreamTools, DiffListsObjectsModulesParametersAndStreamBytes) {
  const std::string a = Demo("a.xml", {"Priority=2"});
  const std::string b = Demo("b.xml", {"Priority=3", "EB1/AI/2/linear_span=50"});
  EXPECT_EQ(Expect({"diff", a, a}, 0), "");
  const std::string label = "object 1 (TQ4600 \"TQ4600_1\"): ";
  EXPECT_EQ(Expect({"diff", a, b}, 1),
            label + "Priority: 2 -> 3\n" + label + "EB1/AI/2/linear_span: 100 -> 50\n" + label +
                "stream byte 12, device Priority: 02 -> 03\n" + label +
                "stream byte 71, AI EB1/AI/2/linear_span: 7640 -> 6640\n");

  const std::string d = dir / "d.xml";
  Expect({"new", "-o", d, "--modules", "EB4AI2AO"}, 0);
  const std::string fewer = Expect({"diff", a, d}, 1);
  EXPECT_EQ(fewer.find(label + "EB2 EB8DIC removed\n" + label + "EB3 EB4AO removed\n"), 0u);
  // A second object, matched by its unique ID while the first keeps its place.
  const std::string two = dir / "two.xml";
  std::string text = ReadFile(a);
  std::smatch object;
  ASSERT_TRUE(std::regex_search(text, object, std::regex("  <Object [^]*?</Object>\n")));
  std::ofstream(two) << text.insert(
      object.position() + object.length(),
      std::regex_replace(object.str(), std::regex("uniqueId=\"1\""), "uniqueId=\"2\""));
  EXPECT_EQ(Expect({"diff", a, two}, 1), "+ object 2 (TQ4600 \"TQ4600_1\") only in " + two + "\n");
  EXPECT_EQ(Expect({"diff", two, a}, 1), "- object 2 (TQ4600 \"TQ4600_1\") only in " + two + "\n");
  Expect({"diff", a}, 2, "tqhost diff: expected two project files (see tqhost diff --help)\n");
}

}  // namespace

// What a script relies on: 0 nothing found, 1 findings or differences, 2 a
// wrong command line, 3 trouble; JSON with numbers as numbers; "-" reads the
// project from standard input, and a command that writes its project refuses it.
TEST_F(StreamTools, ScriptsTellFindingsFromTroubleInJsonAndFromStandardInput) {
  const std::string good = Demo("good.xml", {"Priority=2"});
  const std::string other = Demo("other.xml", {"Priority=3"});
  const std::string bad = Demo("bad.xml", {"Priority=4"});
  Replace(bad, "<Priority>4</Priority>", "<Priority>300</Priority>");
  const std::string broken = dir / "broken.xml";
  std::ofstream(broken) << "<QorProject version=\"1\"><Object>";
  const std::string missing = dir / "missing.xml";
  struct Case {
    Names args;
    std::string in;  // standard input's file
    int code;
    std::string out;  // a part of standard output
  };
  const Case cases[] = {
      {{"check", good, "--format", "json"},
       "",
       0,
       "{\"file\": \"" + good + "\", \"objects\": 1, \"findings\": []}\n"},
      {{"check", "-", "--format", "json"},
       bad,
       1,
       "\n  {\"object\": 1, \"id\": \"1\", \"name\": \"TQ4600_1\", \"parameter\": "
       "\"Priority\", \"reason\": \"300: The value is greater than 255\"},"},
      {{"check", "-"}, broken, 3, ""},
      {{"check", missing, "--format", "json"}, "", 3, ""},
      {{"check", good, "--format", "xml"}, "", 2, ""},
      {{"diff", good, "-", "--format", "json"}, good, 0, "\"differences\": []}\n"},
      {{"diff", good, other, "--format", "json"},
       "",
       1,
       "{\"kind\": \"stream\", \"object\": 1, \"id\": \"1\", \"name\": \"TQ4600_1\", "
       "\"what\": \"device Priority\", \"offset\": 12, \"a\": \"02\", \"b\": \"03\"}"},
      {{"diff", good, missing}, "", 3, ""},
      {{"diff", "-", "-"}, good, 2, ""},
      {{"explain", "-", "--format", "json"},
       good,
       0,
       "{\"offset\": 12, \"size\": 1, \"hex\": \"02\", \"row\": \"device\", \"field\": "
       "\"Priority\", \"stored\": \"2\", \"readBack\": \"2\", \"note\": \"\", \"source\": null}"},
      {{"explain", broken}, "", 3, ""},
      {{"list", "parameters", "--format", "json"},
       "",
       0,
       "{\"name\": \"DO_PulseTime\", \"channel\": null, \"snvt\": 107, \"type\": "
       "\"SNVT_time_sec\", \"kind\": \"UnsignedNumeric\", \"unit\": \"sec\", \"min\": 0.1, "
       "\"max\": 25, \"default\": 1, \"members\": []}"},
      {{"list", "templates", "--format", "json"},
       "",
       0,
       "\"channels\": {\"AI\": 4, \"AO\": 2, \"DI\": 0, \"DO\": 0}"},
      {{"points", "-", "--format", "json"}, good, 0, "\"snvt\": [81, 21]"},
      {{"connections", "-", "--format", "json"}, good, 0, "[]\n"},
      {{"set", "-", "Priority=5"}, good, 1, ""},
  };
  const std::string before = ReadFile(good);
  for (const Case& c : cases) {
    child.in = c.in;
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
      const testing_support::ProcessResult r = Run(c.args, locale);
      EXPECT_EQ(r.exitCode, c.code) << ::testing::PrintToString(c.args) << " " << locale << "\n"
                                    << r.err;
      EXPECT_NE(r.out.find(c.out), std::string::npos)
          << ::testing::PrintToString(c.args) << " " << locale << "\n"
          << r.out.substr(0, 2000);
      if (c.code >= 2) {
        EXPECT_TRUE(r.err.starts_with("tqhost " + c.args[0] + ": ")) << r.err;
      }
    }
  }
  EXPECT_EQ(ReadFile(good), before) << "standard input is never written";
  EXPECT_FALSE(std::filesystem::exists(dir / "-"));
}
