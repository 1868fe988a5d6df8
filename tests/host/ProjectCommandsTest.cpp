// tqhost's project commands (new, set, stream, save) run as a user runs them.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <chrono>
#include <clocale>
#include <csignal>
#include <filesystem>
#include <map>
#include <thread>
#include <tuple>

#include "com/TextRules.h"
#include "com/Variant.h"
#include "host/TqhostRun.h"
#include "xml/Elements.h"

using testing_support::ProcessResult;
using testing_support::ReadFile;

namespace {

// The first element matching a slash path in a saved file.
qxml::NodePtr At(const std::string& file, const std::string& path) {
  auto document = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  document->load(qcom::Variant(file).raw(), &ok);
  return qxml::FirstMatch(document.get(), path);
}
std::string TextAt(const std::string& file, const std::string& path) {
  auto node = At(file, path);
  return node ? qxml::TextOf(node.get()) : "";
}
std::vector<std::string> ChildrenAt(const std::string& file, const std::string& path) {
  std::vector<std::string> names;
  for (const auto& child : qxml::ChildElements(At(file, path).get()))
    names.push_back(qxml::NameOf(child.get()));
  return names;
}

// n bytes of a stream from byte position i, as hex text.
std::string Bytes(const std::string& stream, size_t i, size_t n = 1) {
  return 2 * i < stream.size() ? stream.substr(2 * i, 2 * n) : std::string();
}

// Where the demo chain EB4AI2AO, EB8DIC, EB4AO puts things in its stream.
constexpr size_t kPriorityByte = 12;
constexpr size_t kMaxTimeByte = 19;  // MaxTimeBetweenComm, two bytes in 0.1 s steps
constexpr size_t kFirstAiByte = 45;  // after 6 three-byte input references
constexpr size_t kAiBytes = 14;

class ProjectCommands : public TqhostRun {
 protected:
  // A new project file with the given modules.
  std::string NewProject(const std::string& name, const std::string& modules) {
    const std::string path = dir / name;
    Expect({"new", "-o", path, "--modules", modules}, 0);
    return path;
  }
  std::string StreamOf(const std::string& path) {
    const std::string out = Expect({"stream", path}, 0);
    return out.empty() ? out : out.substr(0, out.size() - 1);
  }
  // The stream's own length field (header bytes 3-4) against its real length.
  static void ExpectConsistentLength(const std::string& stream) {
    ASSERT_GE(stream.size(), 14u) << stream;
    EXPECT_EQ(std::stoul(Bytes(stream, 3, 2), nullptr, 16), stream.size() / 2) << stream;
  }
};

TEST_F(ProjectCommands, NewRefusesChainsTheTreeDoesNotAllowAndWritesNothing) {
  const std::string path = dir / "refused.xml";
  const std::pair<std::string, std::string> refusals[] = {
      {"EB4AO,EB4AO",
       "module template EB4AO cannot go at position 2 after EB4AO; allowed there: EB8DI, "
       "EB8DIC, EB8DO, EB4DI4DO"},
      {"EB4AI2AO,EB8DI,EB4AO,EB8DO",
       "module template EB8DO cannot go at position 4 after EB4AI2AO -> EB8DI -> EB4AO; "
       "allowed there: none, the chain is complete"},
      {"EB8DI,EB8X",
       "unknown module template EB8X at position 2; the templates are: EB4AI2AO, EB4AO, EB4DI4DO, "
       "EB8DI, EB8DIC, EB8DO"}};
  for (const auto& [modules, why] : refusals)
    EXPECT_EQ(Expect({"new", "-o", path, "--modules", modules}, 1, "tqhost new: " + why + "\n"),
              "");
  Expect({"new", "-o", path, "--type", "TQ9999"}, 1,
         "message: Error: The object TQ9999 is not available; Please verify its name.\n"
         "tqhost new: the object type TQ9999 cannot be initialised: The file '" +
             std::string(TQ_BUILD_DIR) +
             "/plugins/O_TQ4600/../TQ9999/TQ9999.xml' cannot be found.\n");
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ProjectCommands, LoadingRefusesChainsTheTreeDoesNotAllowAndWritesNothing) {
  std::string fifty;
  for (int i = 0; i < 50; ++i) fifty += "<EB4AI2AO/>";
  const std::pair<std::string, std::string> refusals[] = {
      {"<EB4AO/><eb4ao/>",
       "module template eb4ao cannot go at position 2 after EB4AO; allowed there: EB8DI, EB8DIC, "
       "EB8DO, EB4DI4DO"},
      {"<EB4AI2AO/><EB8DI/><EBNOPE/><EB4AO/><EB8DO/><EB8DO/>",
       "module template EB8DO cannot go at position 4 after EB4AI2AO -> EB8DI -> EB4AO; allowed "
       "there: none, the chain is complete"},
      {fifty,
       "module template EB4AI2AO cannot go at position 2 after EB4AI2AO; allowed there: EB8DI, "
       "EB8DIC, EB8DO, EB4DI4DO, EB4AO"}};
  const std::string p = dir / "p.xml", out = dir / "out.xml";
  const std::string first =
      StreamOf(dir.Write("1.xml", "<TQ4600><Modules><EB8DI/></Modules></TQ4600>"));
  for (const auto& [modules, why] : refusals) {
    const std::string original =
        ReadFile(dir.Write("p.xml",
                           "<QorProject version=\"1\"><Object><TQ4600><Modules><EB8DI/>"
                           "</Modules></TQ4600></Object><Object><TQ4600><Modules>" +
                               modules + "</Modules></TQ4600></Object></QorProject>"));
    const std::string line = p + ": object 2 (TQ4600): " + why + "\n";
    // The first object's stream, then nothing for the second.
    EXPECT_EQ(Expect({"stream", p}, 1, "tqhost stream: " + line), first + "\n");
    EXPECT_EQ(Expect({"save", p, "-o", out}, 1, "tqhost save: " + line), "");
    EXPECT_EQ(Expect({"set", p, "--object", "2", "Priority=3"}, 1, "tqhost set: " + line), "");
    EXPECT_EQ(ReadFile(p), original);
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST_F(ProjectCommands, NewPlacesModulesAndSetChangesTheirParametersAndTheStream) {
  const std::string path = dir / "demo.xml";
  EXPECT_EQ(Expect({"new", "-o", path, "--modules", "EB4AI2AO, eb8dic,EB4AO"}, 0),
            path + ": TQ4600 \"TQ4600_1\" with EB4AI2AO, EB8DIC, EB4AO\n");
  EXPECT_EQ(ChildrenAt(path, "TQ4600/Modules"), (Names{"EB4AI2AO", "EB8DIC", "EB4AO"}));
  EXPECT_EQ(ChildrenAt(path, "Modules/EB4AI2AO"), (Names{"AI", "AI", "AI", "AI", "AO", "AO"}));
  EXPECT_EQ(ChildrenAt(path, "Modules/EB8DIC"), Names(8, "DI"));
  const std::string before = StreamOf(path);
  ExpectConsistentLength(before);
  EXPECT_EQ(Bytes(before, 7, 5), "0800040608");  // NDI NDO NAI NAO NC
  EXPECT_EQ(Bytes(before, 15, 3), "070203");     // tag of EB4AO in slot 3

  const std::string out =
      Expect({"set", path, "priority=3", "EB1/AI/2/sensortype=3", "eb3/ao/4/OutputMode=3"}, 0);
  const std::string after = StreamOf(path);
  EXPECT_EQ(out, after + "\n");
  EXPECT_EQ(TextAt(path, "TQ4600/CDB"), after);
  ASSERT_EQ(after.size(), before.size());
  // Exactly the three parameters' bytes change: Priority, the second AI's sensor
  // type, and the fourth AO's two bits in the output mode word (channel 19 of slot 3).
  const size_t aiSensor = kFirstAiByte + kAiBytes;
  const size_t aoWord = after.size() / 2 - 2;
  for (size_t i = 0; i < after.size() / 2; ++i) {
    if (i == kPriorityByte || i == aiSensor || i == aoWord + 1) continue;
    EXPECT_EQ(Bytes(after, i), Bytes(before, i)) << "byte " << i;
  }
  EXPECT_EQ(Bytes(after, kPriorityByte), "03");
  EXPECT_EQ(Bytes(after, aiSensor), "03");
  EXPECT_EQ(Bytes(after, aoWord, 2), "00C0");
}

TEST_F(ProjectCommands, SetRefusesWhatDoesNotExistAndLeavesTheFile) {
  const std::string path = NewProject("keep.xml", "EB4AI2AO,EB8DIC");
  const std::string original = ReadFile(path);
  const std::string device =
      "; the device parameters are: R5_Address, Priority, Powerline_Freq, "
      "Behaviour_OnCommFailure, MaxTimeBetweenComm, DO_PulseTime";
  const std::pair<std::string, std::string> refusals[] = {
      {"Colour=1", "no device parameter Colour" + device},
      {"2=5", "no device parameter 2" + device},  // never a parameter by its position
      {"EB1/AI/1/nope=1",
       "EB1/AI/1 has no parameter nope; its parameters are: sensortype, range, suppression, "
       "square_root, alarm, unit_of_measure, filter_constant, diff_alarm_limit, "
       "low_alarm_limit, high_alarm_limit, offset, linear_span"},
      {"EB1/AI/5/sensortype=1", "module EB1 (EB4AI2AO) has no AI 5 (it has 4)"},
      {"EB2/AI/1/sensortype=1", "module EB2 (EB8DIC) has no AI 1 (it has 0)"},
      {"EB3/AO/1/OutputMode=1", "the object has no module EB3 (it has 2)"}};
  for (const auto& [assignment, why] : refusals)
    EXPECT_EQ(Expect({"set", path, "Priority=2", assignment}, 1,
                     "tqhost set: " + path + ": object 1 (TQ4600): " + why + "\n"),
              "");
  Expect({"set", path, "--object", "2", "Priority=1"}, 1,
         "tqhost set: " + path + " holds 1 object; there is no object 2\n");
  EXPECT_EQ(ReadFile(path), original);
}

TEST_F(ProjectCommands, SetRefusesWhatTheEditDialogsRefuseUnlessForced) {
  // A catalogue typing R5_Address as a text of 4 characters,
  // Behaviour_OnCommFailure as an 8-bit field and the AI floats as temperatures.
  std::string c = ReadFile(TQ_SNVT_FILE);
  for (auto [id, content] : {std::pair{"9", "<TYPE>Textual</TYPE><LENGTH>4</LENGTH>"},
                             {"1001", "<TYPE>Bitfield</TYPE><LENGTH>1</LENGTH>"},
                             {"52",
                              "<NAME>SNVT_temp_p</NAME><TYPE>SignedNumeric</TYPE><UNIT>°C</UNIT>"
                              "<MIN>-273.17</MIN><MAX>327.66</MAX><LENGTH>2</LENGTH><A_COEF>1"
                              "</A_COEF><B_COEF>-2</B_COEF><C_COEF>0</C_COEF>"}}) {
    const size_t begin = c.find('>', c.find("<SNVT_" + std::string(id) + " ")) + 1;
    c.replace(begin, c.find("</SNVT_" + std::string(id) + ">") - begin, content);
  }
  const std::string snvt = dir.Write("c.xml", c), path = dir / "p.xml";
  Expect({"new", "-o", path, "--modules", "EB4AI2AO", "--snvt", snvt}, 0);
  const std::string original = ReadFile(path), object = path + ": object 1 (TQ4600): ";
  const std::pair<Names, std::string> refusals[] = {
      {{"Priority=3", "MaxTimeBetweenComm=-1"}, "The value is less than 0"},
      {{"MaxTimeBetweenComm=6553.5"}, "The value is greater than 6553.4"},
      {{"Priority=x"}, "The value is not a number"},
      {{"EB1/AI/4/offset=-273.2"}, "The value is less than -273.17"},
      {{"--units", "us", "EB1/AI/1/offset=621.8"}, "The value is greater than 621.79"},
      {{"R5_Address=abcde"}, "The text cannot exceed 4 characters"},
      {{"Powerline_Freq=2"},
       "The value is none of the members of TQ_line_freq: HZ_50 (0), HZ_60 (1)"},
      {{"EB1/AI/2/sensortype=pt100"},
       "The value is none of the members of TQ_sensor_type: LINEAR (0), NI1000 (1), NI1000_EXT "
       "(2), K47 (3), PT1000 (4), NI1000_LG (5)"},
      {{"Behaviour_OnCommFailure=256"},
       "The bit field has 8 bits: the value must be a whole number from 0 to 255"}};
  for (auto [args, why] : refusals) {
    const std::string word = args.back();
    args.insert(args.begin(), {"set", path, "--snvt", snvt});
    EXPECT_EQ(Expect(args, 1, "tqhost set: " + object + word + ": " + why + "\n"), "");
  }
  // Numbers are held to their definition's limits and their type's decimals.
  for (const auto& [word, why] :
       {std::pair{"Priority=200", "The value is outside the limits of its definition: 1 to 8"},
        {"Priority=2.5", "The value must be a whole number"}}) {
    Expect({"set", path, "--snvt", snvt, word}, 1,
           "tqhost set: " + object + word + ": " + why + "\n");
    Expect({"import", path,
            dir.Write("c.csv", "object,name,parameter,value,unit\n1,TQ4600_1," +
                                   std::string(word).replace(8, 1, ",") + ",\n"),
            "--snvt", snvt},
           1, "tqhost import: " + object + word + ": " + why + "\n");
  }
  Expect({"set", path, "Priority=3", "--units", "K"}, 2,
         "tqhost set: --units takes si or us, not K\n");
  EXPECT_EQ(ReadFile(path), original);

  // Members by name in any letter case, and °F, are written as the catalogue has them.
  Expect({"set", path, "--snvt", snvt, "powerline_freq=hz_60", "EB1/AI/2/sensortype=Pt1000",
          "--units=US", "EB1/AI/1/offset=212", "Behaviour_OnCommFailure=255", "R5_Address=abcd"},
         0,
         "tqhost set: note: powerline_freq=hz_60 is kept as \"1\"\n"
         "tqhost set: note: EB1/AI/2/sensortype=Pt1000 is kept as \"4\"\n"
         "tqhost set: note: EB1/AI/1/offset=212 is kept as \"100\"\n");
  EXPECT_EQ(TextAt(path, "Attributes/Powerline_Freq") + TextAt(path, "EB4AI2AO/AI/offset"), "1100");
  Expect({"set", path, "--snvt", snvt, "--force", "R5_Address=abcdef", "Priority=256"}, 0,
         "tqhost set: note: R5_Address=abcdef is forced: The text cannot exceed 4 characters\n"
         "tqhost set: note: Priority=256 is forced: The value is greater than 255\n");
  EXPECT_EQ(TextAt(path, "Attributes/R5_Address") + TextAt(path, "Attributes/Priority"),
            "abcdef256");
  // A number is stored in one form, however it is typed.
  for (const char* word : {"Priority=5 ", "Priority= 5", "Priority=+5", "Priority=5e0"}) {
    Expect({"set", path, "--snvt", snvt, word}, 0,
           "tqhost set: note: " + std::string(word) + " is kept as \"5\"\n");
    EXPECT_EQ(TextAt(path, "Attributes/Priority"), "5") << word;
  }
}

TEST_F(ProjectCommands, SetStoresOddValuesAsTheObjectDoes) {
  const std::string path = NewProject("odd.xml", "EB4AI2AO,EB8DIC,EB4AO");
  const std::string before = StreamOf(path);
  const size_t offsetByte = kFirstAiByte + 10;  // the fifth float of the first AI

  // A comma is taken as the decimal separator and stored with the locale's point.
  Expect({"set", path, "EB1/AI/1/offset=1,5"}, 0,
         "tqhost set: note: EB1/AI/1/offset=1,5 is kept as \"1.5\"\n");
  EXPECT_EQ(TextAt(path, "EB4AI2AO/AI/offset"), "1.5");
  const std::string withComma = StreamOf(path);
  EXPECT_NE(Bytes(withComma, offsetByte, 2), Bytes(before, offsetByte, 2));
  // In a comma locale a point is stored as a comma, the object's value is the
  // same 1.5 (no note) and so is the stream.
  if (std::setlocale(LC_ALL, "de_DE.UTF-8")) {
    std::setlocale(LC_ALL, "C");
    ProcessResult r = Run({"set", path, "EB1/AI/1/offset=1.5"}, "de_DE.UTF-8");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(TextAt(path, "EB4AI2AO/AI/offset"), "1,5");
    EXPECT_EQ(r.out, withComma + "\n");
    EXPECT_EQ(Run({"stream", path}, "de_DE.UTF-8").out, r.out);
    EXPECT_EQ(StreamOf(path), withComma);
  }

  // A value too large for a short float is forced past its definition's
  // limits; it contributes nothing, the length says so and stream names it.
  Expect({"set", path, "EB1/AI/1/offset=99999", "--force"}, 0,
         "tqhost set: note: EB1/AI/1/offset=99999 is forced: The value is outside the limits of "
         "its definition: -1000 to 1000\n");
  ProcessResult streamed = Run({"stream", path});
  EXPECT_EQ(streamed.exitCode, 1);
  EXPECT_EQ(streamed.err, "tqhost stream: " + path +
                              ": object 1 (TQ4600): the stream is not what was set: "
                              "EB1/AI/1/offset: encoding failed\n");
  const std::string tooLarge = streamed.out.substr(0, streamed.out.size() - 1);
  EXPECT_EQ(tooLarge.size(), before.size() - 4);
  ExpectConsistentLength(tooLarge);

  // Without a stream there is nothing to download: the file stays as it was.
  Expect({"set", path, "EB1/AI/1/offset=0"}, 0);
  EXPECT_EQ(StreamOf(path), before);
  const std::string good = ReadFile(path);
  Expect({"set", path, "Powerline_Freq=abc", "--force"}, 1,
         "tqhost set: note: Powerline_Freq=abc is forced: The value is none of the members of "
         "TQ_line_freq: HZ_50 (0), HZ_60 (1)\nmessage: Error exporting the object: TQ4600,   A "
         "possible error is the lenght of the object.\ntqhost set: " +
             path + ": object 1 (TQ4600): no configuration stream with these values; " + path +
             " is unchanged\n");
  EXPECT_EQ(ReadFile(path), good);
}

TEST_F(ProjectCommands, ACatalogueWithNoneOfTheTypesTheDefinitionUsesIsRefused) {
  const std::string path = NewProject("p.xml", "EB8DI");
  const std::string original = ReadFile(path), object = path + ": object 1 (TQ4600): ";
  for (const char* body : {"<SNVTS/>", "<SNVTS><SNVT_1/><SNVT_2/></SNVTS>", "<T><SNVT_7/></T>"}) {
    const std::string catalogue = dir.Write("c.xml", body);
    const std::string why = "the SNVT catalogue " + catalogue +
                            " defines none of the SNVT types of the TQ4600 definition (SNVT_9, "
                            "SNVT_7, SNVT_1000, SNVT_1001, SNVT_107)\n";
    const std::pair<Names, std::string> runs[] = {
        {{"set", path, "Priority=3"}, "set: " + object},
        {{"stream", path}, "stream: " + object},
        {{"save", path, "-o", dir / "out.xml"}, "save: " + object},
        {{"new", "-o", dir / "new.xml"}, "new: "}};
    for (auto [args, prefix] : runs) {
      args.insert(args.end(), {"--snvt", catalogue});
      EXPECT_EQ(Expect(args, 1, "tqhost " + prefix + why), "");
    }
  }
  EXPECT_EQ(ReadFile(path), original);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.xml") ||
               std::filesystem::exists(dir / "new.xml"));
}

TEST_F(ProjectCommands, StreamPrintsOneLinePerObjectInFileOrder) {
  const std::string first = "<TQ4600><Attributes><Priority>2</Priority></Attributes></TQ4600>";
  const std::string second = "<TQ4600><Modules><EB8DI/><EB8DO/></Modules></TQ4600>";
  const std::string one = dir.Write("one.xml", first);
  const std::string streamOne = StreamOf(one), streamTwo = StreamOf(dir.Write("two.xml", second));
  const std::string both =
      dir.Write("both.xml", "<QorProject version=\"1\">\n<!-- two objects -->\n<Object key=\"A\">" +
                                first + "</Object>\n<Object key=\"B\" userName=\"Second\">" +
                                second + "</Object>\n</QorProject>\n");
  EXPECT_EQ(StreamOf(both), streamOne + "\n" + streamTwo);

  // Setting the second object (an option may carry its value after '=') leaves
  // the first one's element as it was.
  const std::string set = Expect({"set", both, "--object=2", "Priority=7"}, 0);
  EXPECT_EQ(StreamOf(both) + "\n", streamOne + "\n" + set);
  EXPECT_EQ(ChildrenAt(both, "Object/TQ4600"), Names{"Attributes"});
  EXPECT_EQ(TextAt(both, "Object/TQ4600/UserName"), "Second");

  // A bare saved element stays bare when set.
  Expect({"set", one, "Priority=3"}, 0);
  EXPECT_EQ(ChildrenAt(one, "TQ4600"),
            (Names{"UserName", "X_Position", "Y_Position", "CDB", "Attributes", "Modules"}));
  EXPECT_EQ(StreamOf(dir.Write("empty.xml", "<QorProject version=\"1\"/>")), "");
}

TEST_F(ProjectCommands, SaveWritesEveryFormWithItsChildrenAndKeepsIdentities) {
  const std::string in = dir.Write(
      "in.xml",
      "<QorProject version=\"1\"><Object key=\"K7\" globalKey=\"G7\" extendedKey=\"P1\\K7\" "
      "uniqueId=\"77\" tag=\"T\" userName=\"ignored\" x=\"12.5\" y=\"-3\" exportIndex=\"5\">"
      "<TQ4600><UserName>Pump</UserName><Modules><EB4AI2AO/></Modules>"
      "<Outputs><Output00 IsDisplayable=\"0\"/></Outputs></TQ4600></Object></QorProject>");
  const std::map<std::string, Names> forms = {
      {"normal",
       {"UserName", "X_Position", "Y_Position", "CDB", "Attributes", "Modules", "Outputs"}},
      {"sim", {"UserName", "Key", "Attributes", "Modules"}},
      {"interop", {"UserName", "Key", "Attributes", "Modules", "Outputs"}}};
  for (const auto& [form, children] : forms) {
    const std::string out = dir / (form + ".xml");
    EXPECT_EQ(Expect({"save", in, "-o", out, "--form=" + qcom::text::Upper(form)}, 0),
              out + ": 1 object, " + form + " form\n");
    EXPECT_EQ(ChildrenAt(out, "Object/TQ4600"), children) << form;
    const std::string text = ReadFile(out);
    EXPECT_NE(
        text.find(
            R"(<Object type="TQ4600" progId="O_TQ4600.CAppObject" key="K7" globalKey="G7" extendedKey="P1\K7" uniqueId="77" tag="T" userName="Pump" x="12.5" y="-3" exportIndex="5">)"),
        std::string::npos)
        << text;
    EXPECT_EQ(text.find(" form=\"" + form + "\">") != std::string::npos, form != "normal");
    EXPECT_EQ(TextAt(out, "TQ4600/Key"), form == "normal" ? "" : "P1\\K7");
    EXPECT_EQ(ChildrenAt(out, "EB4AI2AO/AI").at(0) == "Alias", form == "sim");
    // Any IsDisplayable attribute, whatever its value, marks the output.
    EXPECT_EQ(text.find("<Outputs>\n        <Output00 IsDisplayable=\"1\"/>\n      </Outputs>") !=
                  std::string::npos,
              form != "sim");
  }
  // The normal form of a project is the project itself, with the stream of
  // what is saved as its CDB whatever the file held.
  const std::string made = NewProject("made.xml", "EB4DI4DO,EB8DO");
  std::string stale = ReadFile(made);
  stale.replace(stale.find("<CDB>") + 5, 4, "FFFF");
  Expect({"save", dir.Write("stale.xml", stale), "-o", dir / "again.xml"}, 0);
  EXPECT_EQ(ReadFile(dir / "again.xml"), ReadFile(made));
  // An object without a stream is not saved, and nothing is written.
  const std::string bad = dir.Write(
      "bad.xml", "<TQ4600><Attributes><Powerline_Freq>abc</Powerline_Freq></Attributes></TQ4600>");
  Expect({"save", bad, "-o", dir / "bad-saved.xml"}, 1,
         "message: Error exporting the object: TQ4600,   A possible error is the lenght of the "
         "object.\ntqhost save: " +
             bad + ": object 1 (TQ4600): no configuration stream; " + dir / "bad-saved.xml" +
             " is not written\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "bad-saved.xml"));
}

TEST_F(ProjectCommands, FilesThatCannotBeReadGetOneLineNamingThem) {
  const std::string missing = dir / "missing.xml", p = dir / "p.xml";
  const std::string broken =
      dir.Write("broken.xml", "<QorProject version=\"1\">\n<Object>\n<TQ4600>\n</Object>\n");
  const std::string line4 =
      ": line 4, column 3: End tag 'Object' does not match the start tag 'TQ4600'.\n";
  const std::pair<Names, std::string> files[] = {
      {{"stream", missing},
       "stream: " + missing + ": The file '" + missing + "' cannot be found.\n"},
      {{"stream", broken}, "stream: " + broken + line4},
      {{"save", broken, "-o", p}, "save: " + broken + line4},
      {{"set", broken, "Priority=1"}, "set: " + broken + line4}};
  for (const auto& [args, err] : files) EXPECT_EQ(Expect(args, 1, "tqhost " + err), "");
  const std::pair<std::string, std::string> projects[] = {
      {"not xml at all", "line 1, column 1: Invalid at the top level of the document."},
      {"<QorProject version=\"2\"/>",
       "project version 2 is not supported (this tqhost reads version 1)"},
      {"<Object><TQ4600/><TQ4600/></Object>",
       "object 1 holds 2 elements; it must hold exactly one saved object element"},
      {"<Object x=\"1,5\"><TQ4600/></Object>",
       "object 1: x \"1,5\" is not a number (write it with a \".\")"},
      {"<Object exportIndex=\"40000\"><TQ4600/></Object>",
       "object 1: exportIndex \"40000\" is not a whole number from -32768 to 32767"},
      {"<Object type=\"TQ9\"><TQ4600/></Object>",
       "object 1: type TQ9 does not match its element <TQ4600>"},
      {"<Thing/>", "unexpected element <Thing> (a project holds <Object> elements)"},
      {"<Object><TQ4600><UserName>B\xE4r</UserName></TQ4600></Object>",
       "line 1, column 52: Invalid UTF-8 (byte 0xE4); a file in another encoding must name it "
       "in its XML declaration."}};
  for (const auto& [body, why] : projects) {
    dir.Write("p.xml", body.front() != '<' || body.rfind("<QorProject", 0) == 0
                           ? body
                           : "<QorProject version=\"1\">" + body + "</QorProject>");
    EXPECT_EQ(Expect({"stream", p}, 1, "tqhost stream: " + p + ": " + why + "\n"), "");
  }
}

TEST_F(ProjectCommands, WhatTheObjectCannotPlaceIsNeverWrittenAwayNorShownAsWhole) {
  const std::string clean = dir.Write(
      "clean.xml",
      "<TQ4600><Attributes><Priority>2</Priority><Powerline_Freq>1</Powerline_Freq></Attributes>"
      "<Modules><EB8DI/><EB8DO><DO><ContactType>1</ContactType></DO></EB8DO></Modules></TQ4600>");
  // Values the object does not take: its stream is the clean one, but no
  // command writes the object back without them. The third parameter is named
  // by its position.
  const std::string odd =
      dir.Write("odd.xml",
                "<TQ4600><Attributes><Priority>2</Priority><NoSuch>5</NoSuch><R5_Address/>"
                "<x:3 xmlns:x=\"urn:x\">1</x:3></Attributes><Modules><EB8DI/><EB8DO><DO>"
                "<ContactType>1</ContactType><Colour>red</Colour></DO></EB8DO></Modules></TQ4600>");
  EXPECT_EQ(StreamOf(odd), StreamOf(clean));
  const std::string oddText = ReadFile(odd);
  const std::string lost =
      "odd.xml: object 1 (TQ4600): cannot place Attributes/NoSuch, "
      "Attributes/3, EB2/DO/1/Colour; writing the object back would lose them\n";
  Expect({"set", odd, "Priority=3"}, 1, "tqhost set: " + dir / lost);
  Expect({"save", odd, "-o", dir / "out.xml"}, 1, "tqhost save: " + dir / lost);
  EXPECT_EQ(ReadFile(odd), oddText);
  EXPECT_FALSE(std::filesystem::exists(dir / "out.xml"));
  const std::string label = dir / "odd.xml: object 1 (TQ4600): ";
  EXPECT_EQ(Expect({"check", odd}, 1, "tqhost check: " + odd + ": 3 findings\n"),
            label + "saved element: the object cannot place Attributes/3\n" + label +
                "saved element: the object cannot place Attributes/NoSuch\n" + label +
                "saved element: the object cannot place EB2/DO/1/Colour\n");

  // A module or channel it cannot place: nothing shows the object without it.
  const std::string missing = dir.Write(
      "missing.xml",
      "<TQ4600><Modules><EB8DI/><EBNOPE/><EB8DO><DO><ContactType>1</ContactType></DO><XX/>"
      "</EB8DO></Modules></TQ4600>");
  const std::string unplaced =
      missing + ": object 1 (TQ4600): cannot place module EB2 (EBNOPE), channel EB3/XX/1; ";
  for (const char* command : {"stream", "explain", "get", "export", "report"}) {
    Names args = {command, missing};
    if (std::string(command) == "export" || std::string(command) == "report")
      args.insert(args.end(), {"-o", dir / "out.pdf"});
    // explain tells trouble from an object that builds no stream.
    Expect(args, args[0] == "explain" ? 3 : 1,
           "tqhost " + args[0] + ": " + unplaced + "what it shows would lack them\n");
  }
  Expect({"save", missing, "-o", dir / "out.xml"}, 1,
         "tqhost save: " + unplaced + "writing the object back would lose them\n");
  // The template of a placed module gone from the plug-in folder.
  const std::string plugins = dir / "plugins";
  std::filesystem::copy(std::string(TQ_BUILD_DIR) + "/plugins", plugins,
                        std::filesystem::copy_options::recursive);
  std::filesystem::remove(plugins + "/O_TQ4600/EB8DIC/EB8DIC.xml");
  const std::string three = NewProject("three.xml", "EB4AI2AO,EB8DIC,EB4AO");
  const std::string threeText = ReadFile(three);
  testing_support::ProcessResult r = Run({"set", three, "Priority=5", "--plugins", plugins});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.err.ends_with("tqhost set: " + three +
                              ": object 1 (TQ4600): cannot place module EB2 (EB8DIC); writing the "
                              "object back would lose it\n"))
      << r.err;
  EXPECT_EQ(ReadFile(three), threeText);
  r = Run({"check", three, "--plugins", plugins});
  EXPECT_NE(r.out.find("modules: the object cannot place module EB2 (EB8DIC)"), std::string::npos)
      << r.out;

  // What people write into the object element beside what the object knows,
  // and their comments anywhere, stay where they were.
  const std::string noted =
      dir.Write("noted.xml",
                "<QorProject version=\"1\"><!-- plant A --><Object><TQ4600><Bogus a=\"1\">1</Bogus>"
                "<X_Position>1,5</X_Position><!-- note --><Y_Position>abc</Y_Position><Attributes>"
                "<Priority>2</Priority><!-- in --></Attributes></TQ4600></Object></QorProject>");
  Expect({"set", noted, "Priority=4"}, 0);
  const std::string out = dir / "noted-saved.xml";
  Expect({"save", noted, "-o", out}, 0);
  for (const std::string& file : {noted, out}) {
    const std::string text = ReadFile(file);
    const size_t plant = text.find("<!-- plant A -->"),
                 bogus = text.find("<Bogus a=\"1\">1</Bogus>"), x = text.find("<X_Position>"),
                 note = text.find("<!-- note -->"), y = text.find("<Y_Position>"),
                 in = text.find("<!-- in -->");
    EXPECT_TRUE(plant < bogus && bogus < x && x < note && note < y && y < in &&
                in != std::string::npos)
        << file << "\n"
        << text;
  }
  EXPECT_NE(ReadFile(out).find("x=\"1.5\" y=\"0\""), std::string::npos);
  EXPECT_EQ(TextAt(out, "Object/TQ4600/X_Position"), "1.5");
  // A position beyond the range of a double is not read: the one the host gave stays.
  Expect({"save",
          dir.Write("huge.xml",
                    "<QorProject version=\"1\"><Object x=\"7\" y=\"-2\"><TQ4600><X_Position>1e400"
                    "</X_Position><Y_Position>-1e999</Y_Position></TQ4600></Object></QorProject>"),
          "-o", out},
         0);
  EXPECT_NE(ReadFile(out).find("x=\"7\" y=\"-2\""), std::string::npos);
  EXPECT_EQ(TextAt(out, "TQ4600/Y_Position"), "-2");
  Expect({"stream", out}, 0);
}

TEST_F(ProjectCommands, AFailedWriteLeavesTheOldFileWhole) {
  Expect({"new", "-o", dir / "no/such/p.xml"}, 1,
         "tqhost new: cannot write " + dir / "no/such/p.xml" + ": the folder " + dir / "no/such" +
             " does not exist\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "no"));

  // A write that fails half way (the file size limit) keeps the old project and
  // leaves no partial file beside it.
  const std::string path = NewProject("whole.xml", "EB4AI2AO,EB8DIC,EB4AO");
  const std::string original = ReadFile(path);
  ASSERT_GT(original.size(), 4096u);
  const std::vector<std::string> entries = dir.Entries();
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 2048;
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);  // inherited: writes fail instead of killing
  setrlimit(RLIMIT_FSIZE, &small);
  ProcessResult limited = Run({"set", path, "Priority=3"});
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(limited.exitCode, 1);
  EXPECT_EQ(limited.err, "tqhost set: cannot write " + path +
                             ": File too large; an existing file is left as it was\n");
  EXPECT_EQ(limited.out, "");
  EXPECT_EQ(ReadFile(path), original);
  EXPECT_EQ(dir.Entries(), entries);
}

TEST_F(ProjectCommands, SimultaneousSetsOnOneProjectLoseNoUpdate) {
  const std::string path = dir.Write("p.xml",
                                     "<QorProject version=\"1\"><Object><TQ4600/></Object>"
                                     "<Object><TQ4600/></Object></QorProject>");
  for (int pair = 1; pair <= 50; ++pair) {
    const int one = Start({"set", path, "--object", "1", "R5_Address=" + std::to_string(pair)});
    const int two =
        Start({"set", path, "--object", "2", "MaxTimeBetweenComm=" + std::to_string(300 + pair)});
    EXPECT_EQ(testing_support::WaitProcess(one), 0) << "pair " << pair;
    EXPECT_EQ(testing_support::WaitProcess(two), 0) << "pair " << pair;
    const std::string streams = StreamOf(path), second = streams.substr(streams.find('\n') + 1);
    EXPECT_EQ(std::stoi(Bytes(streams, kPriorityByte + 1, 2), nullptr, 16), pair)
        << "pair " << pair;
    EXPECT_EQ(std::stoi(Bytes(second, kMaxTimeByte, 2), nullptr, 16), 3000 + 10 * pair) << pair;
  }
}

TEST_F(ProjectCommands, AKilledSetLeavesTheOldOrTheNewProjectAndNoTemporaries) {
  const std::string path = dir / "p.xml";
  Expect({"new", "-o", path}, 0);
  std::string old = ReadFile(path);
  const size_t begin = old.find("<Object"), end = old.find("</Object>") + 9;
  const std::string object = "\n" + old.substr(begin, end - begin);
  for (int i = 1; i < 5000; ++i) old.insert(end, object);
  testing_support::WriteFile(path, old);
  const Names set = {"set", path, "--object", "5000", "Priority=7"};
  const auto start = std::chrono::steady_clock::now();
  Expect(set, 0);
  const auto took = std::chrono::steady_clock::now() - start;
  const std::string updated = ReadFile(path);

  // Killed at random moments while it writes: from when its new file appears
  // beside the project, through the rename, to shortly after.
  for (int round = 0; round < 50; ++round) {
    testing_support::WriteFile(path, old);
    const int pid = Start(set);
    const std::string temporary = path + ".tq4600~" + std::to_string(pid) + "~0";
    const auto deadline = std::chrono::steady_clock::now() + 2 * took;
    while (!std::filesystem::exists(temporary) && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::microseconds(50));
    std::this_thread::sleep_for(took * (std::rand() % 100) / 2000);
    ::kill(pid, SIGKILL);
    testing_support::WaitProcess(pid);
    const std::string now = ReadFile(path);
    EXPECT_TRUE(now == old || now == updated) << "round " << round << ": " << now.size();
  }
  // The next write removes what the killed ones left, but not the temporary of
  // a running process or of another user, nor a user's file of a like name.
  const std::string live = "p.xml.tq4600~" + std::to_string(::getpid()) + "~0";
  dir.Write(live, "");
  dir.Write("p.xml.tq4600~x~0", "");
  dir.Write("thesis.~99999.1", "");
  dir.Write("thesis.tq4600~99999~1", "");
  ASSERT_EQ(::chown((dir / "thesis.tq4600~99999~1").c_str(), testing_support::kUnprivilegedId,
                    testing_support::kUnprivilegedId),
            0);
  Expect(set, 0);
  EXPECT_EQ(ReadFile(path), updated);
  EXPECT_EQ(dir.Entries(), (Names{"config", "p.xml", live, "p.xml.tq4600~x~0",
                                  "thesis.tq4600~99999~1", "thesis.~99999.1"}));
}

TEST_F(ProjectCommands, OnlyRegularFilesAreReadOrReplacedAndLinksAreFollowed) {
  namespace fs = std::filesystem;
  const std::string p = NewProject("p.xml", "EB8DI");
  const std::string fifo = dir / "fifo", folder = dir / "folder", device = dir / "null";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(folder);
  std::vector<std::tuple<std::string, std::string, fs::file_type>> specials = {
      {fifo, "a named pipe", fs::file_type::fifo}, {folder, "a folder", fs::file_type::directory}};
  // A device like /dev/null, made here so that a fault harms nothing else (root only).
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
    specials.emplace_back(device, "a device", fs::file_type::character);
  for (const auto& [path, kind, type] : specials) {
    // Read without waiting for a writer, written without replacing it.
    const std::string why = "'" + path + "' is " + kind + ", not a regular file.\n";
    Expect({"stream", path}, 1, "tqhost stream: " + path + ": " + why);
    Expect({"info", "--snvt", path}, 1, "tqhost info: " + path + ": " + why);
    Expect({"save", p, "-o", path}, 1,
           "tqhost save: cannot write " + path + ": it is " + kind + ", not a regular file\n");
    Expect({"new", "-o", path, "--force"}, 1,
           "tqhost new: cannot write " + path + ": it is " + kind + ", not a regular file\n");
    EXPECT_EQ(fs::symlink_status(path).type(), type) << path;
  }
  // A chain of links ends at a project, which is replaced; the links stay.
  const std::string q = NewProject("q.xml", "EB8DI");
  fs::create_symlink("q.xml", dir / "link");
  fs::create_symlink(dir / "link", dir / "link2");
  Expect({"save", p, "-o", dir / "link2", "--form", "sim"}, 0);
  EXPECT_TRUE(fs::is_symlink(dir / "link") && fs::is_symlink(dir / "link2"));
  EXPECT_NE(ReadFile(q).find("form=\"sim\""), std::string::npos);
  // A link to no file yet makes that file.
  fs::create_symlink("made.xml", dir / "dangling");
  Expect({"new", "-o", dir / "dangling"}, 0);
  EXPECT_TRUE(fs::is_symlink(dir / "dangling"));
  EXPECT_NE(ReadFile(dir / "made.xml").find("<TQ4600>"), std::string::npos);
}

TEST_F(ProjectCommands, ExistingAndReadOnlyFilesAreKeptAndStandardOutputIsChecked) {
  const std::string p = NewProject("p.xml", "EB8DI"), original = ReadFile(p);
  Expect({"new", "-o", p}, 1, "tqhost new: " + p + " exists; use --force to replace it\n");
  EXPECT_EQ(ReadFile(p), original);
  // "-o -" gives the text the file would hold, and nothing else.
  EXPECT_EQ(Expect({"new", "-o", "-", "--modules", "EB8DI"}, 0), original);
  EXPECT_EQ(Expect({"save", p, "-o", "-"}, 0), original);
  Expect({"new", "-o", p, "--force"}, 0);
  const std::string forced = ReadFile(p);
  EXPECT_EQ(forced.find("EB8DI"), std::string::npos);

  // Standard output that takes nothing: the text is lost, and that is an error.
  child.out = "/dev/full";
  for (const Names& args : {Names{"stream", p}, Names{"save", p, "-o", "-"}})
    Expect(args, 1,
           "tqhost " + args[0] + ": cannot write to standard output: No space left on device\n");

  // A file made read-only is not renamed over merely because its folder is
  // writable; root may replace it, so this runs as another user.
  child = {.unprivileged = true, .out = {}, .in = {}};
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  ASSERT_EQ(::chmod(p.c_str(), 0444), 0);
  if (Run({"--help"}).exitCode != 0)
    GTEST_SKIP() << "user " << testing_support::kUnprivilegedId << " cannot run " << TQ_BUILD_DIR;
  for (const Names& args :
       {Names{"set", p, "Priority=3"}, Names{"save", p, "-o", p}, Names{"new", "-o", p, "--force"}})
    Expect(args, 1, "tqhost " + args[0] + ": cannot write " + p + ": access denied\n");
  EXPECT_EQ(ReadFile(p), forced);
}

TEST_F(ProjectCommands, ThePluginFolderOptionUsesAnotherComponent) {
  const std::string path = NewProject("p.xml", "EB8DI");
  const std::string stream = StreamOf(path);
  Expect({"stream", path, "--plugins", dir / "nowhere"}, 1,
         "tqhost stream: no component " + dir / "nowhere/O_TQ4600/O_TQ4600.so\n");

  // A copy of the plug-in folder is registered and used in place of the bundled one.
  const std::string plugins = dir / "plugins";
  std::filesystem::copy(TQ_PLUGINS_DIR, plugins, std::filesystem::copy_options::recursive);
  EXPECT_EQ(Expect({"stream", path, "--plugins", plugins}, 0), stream + "\n");
  EXPECT_NE(ReadFile(registry).find(plugins + "/O_TQ4600/O_TQ4600.so"), std::string::npos);

  // A template the tree allows but the component lacks: no chain places it.
  std::filesystem::remove_all(plugins + "/O_TQ4600/EB8DO");
  Expect({"new", "-o", dir / "q.xml", "--plugins", plugins, "--modules", "EB8DO"}, 1,
         "tqhost new: unknown module template EB8DO at position 1; the templates are: EB4AI2AO, "
         "EB4AO, EB4DI4DO, EB8DI, EB8DIC\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "q.xml"));
  // A template the component has but the tree never names is placed by no chain.
  std::filesystem::create_directory(plugins + "/O_TQ4600/EB9X");
  std::filesystem::copy(plugins + "/O_TQ4600/EB8DI/EB8DI.xml", plugins + "/O_TQ4600/EB9X/EB9X.xml");
  const std::string r = dir.Write("r.xml", "<TQ4600><Modules><EB8DI/><eb9x/></Modules></TQ4600>");
  Expect({"stream", r, "--plugins", plugins}, 1,
         "tqhost stream: " + r +
             ": object 1 (TQ4600): module template eb9x cannot go at position 2 after EB8DI; "
             "allowed there: EB8DI, EB4AO\n");
}

}  // namespace
