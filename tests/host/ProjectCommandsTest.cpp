// tqhost's project commands (new, set, stream, save) run as a user runs them,
// on the bundled data.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <clocale>
#include <csignal>
#include <filesystem>
#include <map>

#include "com/Variant.h"
#include "support/Process.h"
#include "support/TempDir.h"
#include "xml/Dom.h"

using testing_support::ProcessResult;
using testing_support::ReadFile;
using testing_support::RunProcess;
using testing_support::TempDir;

namespace {

const std::string kTqhost = std::string(TQ_BUILD_DIR) + "/bin/tqhost";
const std::string kExportMessage =
    "message: Error exporting the object: TQ4600,   A possible error is the lenght of the "
    "object.\n";

// A file read through the DOM, asked by slash paths (every element matching
// the path anywhere below the root, in document order).
class Xml {
 public:
  explicit Xml(const std::string& path) : doc_(qxml::CreateDocument()) {
    VARIANT_BOOL ok = VARIANT_FALSE;
    doc_->load(qcom::Variant(path).raw(), &ok);
    loaded_ = ok == VARIANT_TRUE;
  }
  bool loaded() const { return loaded_; }
  qcom::ComPtr<IXMLDOMNode> Find(const std::string& path, long which = 0) const {
    qcom::ComPtr<IXMLDOMNodeList> list;
    qcom::ComPtr<IXMLDOMNode> node;
    qcom::Bstr p(path);
    doc_->getElementsByTagName(p.get(), list.put());
    if (list) list->get_item(which, node.put());
    return node;
  }
  long Count(const std::string& path) const {
    qcom::ComPtr<IXMLDOMNodeList> list;
    qcom::Bstr p(path);
    doc_->getElementsByTagName(p.get(), list.put());
    LONG n = 0;
    if (list) list->get_length(&n);
    return n;
  }
  std::string Text(const std::string& path, long which = 0) const {
    qcom::Bstr text;
    if (auto node = Find(path, which)) node->get_text(text.out());
    return text.utf8();
  }
  std::string Attribute(const std::string& path, const std::string& name) const {
    auto element = Find(path).As<IXMLDOMElement>();
    qcom::Variant value;
    qcom::Bstr n(name);
    if (element) element->getAttribute(n.get(), value.out());
    return value.text();
  }
  // Names of the element children of the element at path.
  std::vector<std::string> Children(const std::string& path, long which = 0) const {
    std::vector<std::string> names;
    auto node = Find(path, which);
    qcom::ComPtr<IXMLDOMNode> child;
    if (node) node->get_firstChild(child.put());
    while (child) {
      DOMNodeType type = NODE_INVALID;
      child->get_nodeType(&type);
      qcom::Bstr name;
      child->get_nodeName(name.out());
      if (type == NODE_ELEMENT) names.push_back(name.utf8());
      qcom::ComPtr<IXMLDOMNode> next;
      child->get_nextSibling(next.put());
      child = next;
    }
    return names;
  }

 private:
  qcom::ComPtr<IXMLDOMDocument> doc_;
  bool loaded_ = false;
};

using Names = std::vector<std::string>;

// n bytes of a stream from byte position i, as hex text.
std::string Bytes(const std::string& stream, size_t i, size_t n = 1) {
  return 2 * i < stream.size() ? stream.substr(2 * i, 2 * n) : std::string();
}

size_t Lines(const std::string& text) {
  return std::count(text.begin(), text.end(), '\n');
}

// Where the demo chain EB4AI2AO, EB8DIC, EB4AO puts things in its stream.
constexpr size_t kPriorityByte = 12;
constexpr size_t kFirstAiByte = 45;  // after 6 three-byte input references
constexpr size_t kAiBytes = 14;

class ProjectCommands : public ::testing::Test {
 protected:
  ProcessResult Run(const std::vector<std::string>& args, const std::string& locale = "C") {
    return RunProcess(kTqhost, args, {{"QORDB_REGISTRY", registry}, {"LC_ALL", locale}});
  }
  // A new project file with the given modules; fails the test when it cannot be made.
  std::string NewProject(const std::string& name, const std::string& modules = "") {
    std::string path = dir / name;
    std::vector<std::string> args{"new", "-o", path};
    if (!modules.empty()) args.insert(args.end(), {"--modules", modules});
    ProcessResult r = Run(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return path;
  }
  std::string StreamOf(const std::string& path) {
    ProcessResult r = Run({"stream", path});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    return r.out.empty() ? r.out : r.out.substr(0, r.out.size() - 1);
  }
  // The stream's own length field (header bytes 3-4) against its real length.
  static void ExpectConsistentLength(const std::string& stream) {
    ASSERT_GE(stream.size(), 14u) << stream;
    EXPECT_EQ(std::stoul(Bytes(stream, 3, 2), nullptr, 16), stream.size() / 2) << stream;
  }

  TempDir dir;
  std::string registry = dir / "config/registry.xml";
};

TEST_F(ProjectCommands, NewWritesOneObjectWithItsIdentityAndStream) {
  std::string path = dir / "plain.xml";
  ProcessResult r = Run({"new", "-o", path, "--name", "Boiler room"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, path + ": TQ4600 \"Boiler room\" without modules\n");
  Xml xml(path);
  ASSERT_TRUE(xml.loaded());
  EXPECT_EQ(xml.Attribute("QorProject", "version"), "1");
  EXPECT_EQ(xml.Count("QorProject/Object"), 1);
  for (auto [name, value] : {std::pair{"type", "TQ4600"},
                             {"progId", "O_TQ4600.CAppObject"},
                             {"key", "TQ4600_1"},
                             {"globalKey", "TQ4600_1"},
                             {"extendedKey", "TQ4600_1"},
                             {"uniqueId", "1"},
                             {"userName", "Boiler room"},
                             {"x", "0"},
                             {"exportIndex", "0"}})
    EXPECT_EQ(xml.Attribute("Object", name), value) << name;
  EXPECT_EQ(xml.Children("Object/TQ4600"),
            (Names{"UserName", "X_Position", "Y_Position", "CDB", "Attributes", "Modules"}));
  EXPECT_EQ(xml.Text("TQ4600/UserName"), "Boiler room");
  EXPECT_EQ(xml.Children("TQ4600/Modules"), Names{});

  // The saved element keeps the stream the host read, and the stream reads it back.
  std::string stream = StreamOf(path);
  EXPECT_EQ(xml.Text("TQ4600/CDB"), stream);
  ExpectConsistentLength(stream);
  EXPECT_EQ(Bytes(stream, 0, 3), "0011F8");      // header byte, ID 4600
  EXPECT_EQ(Bytes(stream, 5, 2), "0020");        // DDB length: 24 + 8
  EXPECT_EQ(Bytes(stream, 7, 5), "0000000000");  // no channels
  EXPECT_EQ(Bytes(stream, 15, 3), "000000");     // no module tag
}

TEST_F(ProjectCommands, NewPlacesModulesAlongTheConfigurationTree) {
  std::string path = dir / "demo.xml";
  ProcessResult r = Run({"new", "-o", path, "--modules", "EB4AI2AO, eb8dic,EB4AO"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, path + ": TQ4600 \"TQ4600_1\" with EB4AI2AO, EB8DIC, EB4AO\n");
  Xml xml(path);
  EXPECT_EQ(xml.Children("TQ4600/Modules"), (Names{"EB4AI2AO", "EB8DIC", "EB4AO"}));
  EXPECT_EQ(xml.Children("Modules/EB4AI2AO"), (Names{"AI", "AI", "AI", "AI", "AO", "AO"}));
  EXPECT_EQ(xml.Count("Modules/EB8DIC/DI"), 8);
  std::string stream = StreamOf(path);
  ExpectConsistentLength(stream);
  EXPECT_EQ(Bytes(stream, 7, 5), "0800040608");  // NDI NDO NAI NAO NC
  EXPECT_EQ(Bytes(stream, 15, 3), "070203");     // tag of EB4AO in slot 3
}

TEST_F(ProjectCommands, NewRefusesChainsTheTreeDoesNotAllowAndWritesNothing) {
  std::string path = dir / "refused.xml";
  auto refused = [&](const std::string& modules, const std::string& why) {
    ProcessResult r = Run({"new", "-o", path, "--modules", modules});
    EXPECT_EQ(r.exitCode, 1) << modules;
    EXPECT_EQ(r.err, "tqhost new: " + why + "\n");
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(path)) << modules;
  };
  refused("EB4AO,EB4AO",
          "module template EB4AO cannot go at position 2 after EB4AO; allowed there: EB8DI, "
          "EB8DIC, EB8DO, EB4DI4DO");
  refused("EB8DI,EB4AI2AO",
          "module template EB4AI2AO cannot go at position 2 after EB8DI; allowed there: EB8DI, "
          "EB8DO, EB4AO");
  refused("EB4AI2AO,EB8DI,EB4AO,EB8DO",
          "module template EB8DO cannot go at position 4 after EB4AI2AO -> EB8DI -> EB4AO; "
          "allowed there: none, the chain is complete");
  refused("EB8DI,EBX", "unknown module template EBX at position 2");

  ProcessResult unknownType = Run({"new", "-o", path, "--type", "TQ9999"});
  EXPECT_EQ(unknownType.exitCode, 1);
  EXPECT_EQ(unknownType.err,
            "message: Error: The object TQ9999 is not available; Please verify its name.\n"
            "tqhost new: the object type TQ9999 cannot be initialised\n");
  EXPECT_EQ(Run({"new", "-o", path, "--modules", "EB8DI,,EB8DO"}).exitCode, 2);
  EXPECT_EQ(Run({"new", "--modules", "EB8DI"}).exitCode, 2);
  EXPECT_EQ(Run({"new", "-o", path, "extra"}).exitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ProjectCommands, SetChangesDeviceAndChannelParametersAndPrintsTheNewStream) {
  std::string path = NewProject("set.xml", "EB4AI2AO,EB8DIC,EB4AO");
  std::string before = StreamOf(path);
  ProcessResult r =
      Run({"set", path, "priority=3", "EB1/AI/2/sensortype=3", "eb3/ao/4/OutputMode=3"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  ASSERT_EQ(Lines(r.out), 1u);
  std::string after = r.out.substr(0, r.out.size() - 1);
  EXPECT_EQ(StreamOf(path), after);
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
  Xml xml(path);
  EXPECT_EQ(xml.Text("Attributes/Priority"), "3");
  EXPECT_EQ(xml.Text("EB4AI2AO/AI/sensortype", 1), "3");
  EXPECT_EQ(xml.Text("EB4AI2AO/AI/sensortype", 0), "1");
  EXPECT_EQ(xml.Text("TQ4600/CDB"), after);
}

TEST_F(ProjectCommands, SetRefusesWhatDoesNotExistAndLeavesTheFile) {
  std::string path = NewProject("keep.xml", "EB4AI2AO,EB8DIC");
  const std::string original = ReadFile(path);
  const std::string object = path + ": object 1 (TQ4600): ";
  auto refused = [&](const std::string& assignment, const std::string& why) {
    ProcessResult r = Run({"set", path, "Priority=2", assignment});
    EXPECT_EQ(r.exitCode, 1) << assignment;
    EXPECT_EQ(r.err, "tqhost set: " + object + why + "\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(ReadFile(path), original) << assignment;
  };
  refused("Colour=1", "no device parameter Colour");
  refused("2=5", "no device parameter 2");  // never a parameter by its position
  refused("EB1/AI/1/nope=1", "EB1/AI/1 has no parameter nope");
  refused("EB1/AI/5/sensortype=1", "module EB1 (EB4AI2AO) has no AI 5 (it has 4)");
  refused("EB2/AI/1/sensortype=1", "module EB2 (EB8DIC) has no AI 1 (it has 0)");
  refused("EB3/AO/1/OutputMode=1", "the object has no module EB3 (it has 2)");

  for (const std::vector<std::string>& usage : {std::vector<std::string>{"set", path},
                                                {"set", path, "Priority"},
                                                {"set", path, "=3"},
                                                {"set", path, "EB1/AI/two/sensortype=1"},
                                                {"set", path, "EB1/XI/1/sensortype=1"},
                                                {"set", path, "EB1/AI/sensortype=1"},
                                                {"set", path, "--object", "0", "Priority=1"}})
    EXPECT_EQ(Run(usage).exitCode, 2) << usage.back();
  ProcessResult noObject = Run({"set", path, "--object", "2", "Priority=1"});
  EXPECT_EQ(noObject.exitCode, 1);
  EXPECT_EQ(noObject.err, "tqhost set: " + path + " holds 1 objects; there is no object 2\n");
  EXPECT_EQ(ReadFile(path), original);
}

TEST_F(ProjectCommands, SetStoresOddValuesAsTheObjectDoes) {
  std::string path = NewProject("odd.xml", "EB4AI2AO,EB8DIC,EB4AO");
  const std::string before = StreamOf(path);
  const size_t offsetByte = kFirstAiByte + 10;  // the fifth float of the first AI

  ProcessResult text = Run({"set", path, "Priority=abc"});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_EQ(Xml(path).Text("Attributes/Priority"), "abc");
  EXPECT_NE(Bytes(StreamOf(path), kPriorityByte), Bytes(before, kPriorityByte));

  // A comma is taken as the decimal separator and stored with the locale's point.
  ProcessResult comma = Run({"set", path, "Priority=4", "EB1/AI/1/offset=1,5"});
  ASSERT_EQ(comma.exitCode, 0) << comma.err;
  EXPECT_EQ(comma.err, "tqhost set: note: EB1/AI/1/offset=1,5 is kept as \"1.5\"\n");
  EXPECT_EQ(Xml(path).Text("EB4AI2AO/AI/offset"), "1.5");
  std::string withComma = StreamOf(path);
  ASSERT_EQ(Run({"set", path, "EB1/AI/1/offset=1.5"}).exitCode, 0);
  EXPECT_EQ(StreamOf(path), withComma);
  EXPECT_NE(Bytes(withComma, offsetByte, 2), Bytes(before, offsetByte, 2));

  // A value too large for a short float contributes nothing, and the length says so.
  ASSERT_EQ(Run({"set", path, "EB1/AI/1/offset=99999"}).exitCode, 0);
  std::string tooLarge = StreamOf(path);
  EXPECT_EQ(tooLarge.size(), before.size() - 4);
  ExpectConsistentLength(tooLarge);

  // Without a stream there is nothing to download: the file stays as it was.
  ASSERT_EQ(Run({"set", path, "EB1/AI/1/offset=0", "Priority=4"}).exitCode, 0);
  EXPECT_EQ(StreamOf(path), before);
  const std::string good = ReadFile(path);
  ProcessResult broken = Run({"set", path, "Powerline_Freq=abc"});
  EXPECT_EQ(broken.exitCode, 1);
  EXPECT_EQ(broken.err, kExportMessage + "tqhost set: " + path +
                            ": object 1 (TQ4600): no configuration stream with these values; " +
                            path + " is unchanged\n");
  EXPECT_EQ(ReadFile(path), good);
}

TEST_F(ProjectCommands, ACommaLocaleKeepsNumbersItsWayAndStreamsTheSame) {
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  std::setlocale(LC_ALL, "C");
  std::string path = NewProject("komma.xml", "EB4AI2AO");
  ProcessResult r = Run({"set", path, "EB1/AI/1/offset=1.5", "Priority=3"}, "de_DE.UTF-8");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "tqhost set: note: EB1/AI/1/offset=1.5 is kept as \"1,5\"\n");
  EXPECT_EQ(Xml(path).Text("EB4AI2AO/AI/offset"), "1,5");
  EXPECT_EQ(StreamOf(path) + "\n", r.out);
  ProcessResult inComma = Run({"stream", path}, "de_DE.UTF-8");
  EXPECT_EQ(inComma.out, r.out);
}

TEST_F(ProjectCommands, StreamPrintsOneLinePerObjectInFileOrder) {
  const std::string first = "<TQ4600><Attributes><Priority>2</Priority></Attributes></TQ4600>";
  const std::string second = "<TQ4600><Modules><EB8DI/><EB8DO/></Modules></TQ4600>";
  std::string one = dir.Write("one.xml", first), two = dir.Write("two.xml", second);
  std::string both =
      dir.Write("both.xml", "<QorProject version=\"1\">\n<!-- two objects -->\n<Object key=\"A\">" +
                                first + "</Object>\n<Object key=\"B\" userName=\"Second\">" +
                                second + "</Object>\n</QorProject>\n");
  std::string streamOne = StreamOf(one), streamTwo = StreamOf(two);
  EXPECT_NE(streamOne, streamTwo);
  ProcessResult r = Run({"stream", both});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, streamOne + "\n" + streamTwo + "\n");

  // Setting the second object leaves the first one's element as it was.
  ProcessResult set = Run({"set", both, "--object", "2", "Priority=7"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  ProcessResult again = Run({"stream", both});
  EXPECT_EQ(again.out, streamOne + "\n" + set.out);
  Xml xml(both);
  EXPECT_EQ(xml.Children("QorProject", 0), (Names{"Object", "Object"}));
  EXPECT_EQ(xml.Children("Object/TQ4600", 0), Names{"Attributes"});
  EXPECT_EQ(xml.Attribute("QorProject/Object", "key"), "A");
  EXPECT_EQ(xml.Text("Object/TQ4600/UserName", 0), "Second");

  // A bare saved element stays bare when set.
  ASSERT_EQ(Run({"set", one, "Priority=3"}).exitCode, 0);
  EXPECT_EQ(Xml(one).Children("TQ4600", 0),
            (Names{"UserName", "X_Position", "Y_Position", "CDB", "Attributes", "Modules"}));
  EXPECT_EQ(Xml(one).Count("QorProject"), 0);

  std::string empty = dir.Write("empty.xml", "<QorProject version=\"1\"/>");
  ProcessResult none = Run({"stream", empty});
  EXPECT_EQ(none.exitCode, 0);
  EXPECT_EQ(none.out, "");
}

TEST_F(ProjectCommands, SaveWritesEveryFormWithItsChildrenAndKeepsIdentities) {
  std::string in = dir.Write(
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
    std::string out = dir / (form + ".xml");
    ProcessResult r = Run({"save", in, "-o", out, "--form", form});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, out + ": 1 object, " + form + " form\n");
    Xml xml(out);
    EXPECT_EQ(xml.Children("Object/TQ4600"), children) << form;
    EXPECT_EQ(xml.Attribute("QorProject", "form"), form == "normal" ? "" : form);
    for (auto [name, value] : {std::pair{"key", "K7"},
                               {"globalKey", "G7"},
                               {"extendedKey", "P1\\K7"},
                               {"uniqueId", "77"},
                               {"tag", "T"},
                               {"userName", "Pump"},
                               {"x", "12.5"},
                               {"y", "-3"},
                               {"exportIndex", "5"}})
      EXPECT_EQ(xml.Attribute("Object", name), value) << form << " " << name;
    EXPECT_EQ(xml.Text("TQ4600/Key"), form == "normal" ? "" : "P1\\K7");
    EXPECT_EQ(xml.Children("EB4AI2AO/AI").at(0) == "Alias", form == "sim");
    EXPECT_EQ(xml.Children("TQ4600/Outputs"), form == "sim" ? Names{} : Names{"Output00"});
  }
  EXPECT_EQ(Xml(dir / "normal.xml").Text("TQ4600/X_Position"), "12.5");

  // The normal form of a project is the project itself.
  std::string made = NewProject("made.xml", "EB4DI4DO,EB8DO");
  ASSERT_EQ(Run({"save", made, "-o", dir / "again.xml"}).exitCode, 0);
  EXPECT_EQ(ReadFile(dir / "again.xml"), ReadFile(made));
  EXPECT_EQ(Run({"save", made, "-o", dir / "x.xml", "--form", "pdf"}).exitCode, 2);
  EXPECT_EQ(Run({"save", made}).exitCode, 2);
}

TEST_F(ProjectCommands, FilesThatCannotBeReadGetOneLineNamingThem) {
  auto oneLine = [&](const std::vector<std::string>& args, const std::string& start) {
    ProcessResult r = Run(args);
    EXPECT_EQ(r.exitCode, 1) << args[1];
    EXPECT_EQ(Lines(r.err), 1u) << r.err;
    EXPECT_EQ(r.err.rfind(start, 0), 0u) << r.err;
    EXPECT_EQ(r.out, "");
  };
  std::string missing = dir / "missing.xml";
  oneLine({"stream", missing}, "tqhost stream: " + missing + ": ");
  std::string broken =
      dir.Write("broken.xml", "<QorProject version=\"1\">\n<Object>\n<TQ4600>\n</Object>\n");
  oneLine({"stream", broken}, "tqhost stream: " + broken + ": line 4: ");
  oneLine({"save", broken, "-o", dir / "out.xml"}, "tqhost save: " + broken + ": line 4: ");
  oneLine({"set", broken, "Priority=1"}, "tqhost set: " + broken + ": line 4: ");
  std::string text = dir.Write("text.xml", "not xml at all\n");
  oneLine({"stream", text}, "tqhost stream: " + text + ": line 1: ");

  auto project = [&](const std::string& body) {
    return dir.Write("p.xml", "<QorProject version=\"1\">" + body + "</QorProject>");
  };
  const std::string element = "<TQ4600/>";
  std::string p = dir / "p.xml";
  oneLine({"stream", dir.Write("p.xml", "<QorProject version=\"2\"/>")},
          "tqhost stream: " + p + ": project version 2 is not supported");
  oneLine({"stream", project("<Object>" + element + element + "</Object>")},
          "tqhost stream: " + p + ": object 1 holds 2 elements");
  oneLine({"stream", project("<Object x=\"1,5\">" + element + "</Object>")},
          "tqhost stream: " + p + ": object 1: x \"1,5\" is not a number");
  oneLine({"stream", project("<Object exportIndex=\"40000\">" + element + "</Object>")},
          "tqhost stream: " + p + ": object 1: exportIndex \"40000\"");
  oneLine({"stream", project("<Object type=\"TQ9\">" + element + "</Object>")},
          "tqhost stream: " + p + ": object 1: type TQ9 does not match its element <TQ4600>");
  oneLine({"stream", project("<Thing/>")}, "tqhost stream: " + p + ": unexpected element <Thing>");
  EXPECT_EQ(Run({"stream"}).exitCode, 2);
  EXPECT_EQ(Run({"stream", p, p}).exitCode, 2);
}

TEST_F(ProjectCommands, ASavedElementWithUnknownPartsLoadsWhatItCan) {
  std::string clean =
      dir.Write("clean.xml",
                "<TQ4600><Attributes><Priority>2</Priority></Attributes><Modules><EB8DI/>"
                "<EB8DO><DO><ContactType>1</ContactType></DO></EB8DO></Modules></TQ4600>");
  std::string odd = dir.Write(
      "odd.xml",
      "<TQ4600><Bogus>1</Bogus><X_Position>1,5</X_Position><!-- note -->"
      "<Attributes><Priority>2</Priority><NoSuch>5</NoSuch><R5_Address/></Attributes>"
      "<Modules><EB8DI/><EBNOPE/><EB8DO><DO><ContactType>1</ContactType><Colour>red</Colour>"
      "</DO><XX/></EB8DO></Modules></TQ4600>");
  EXPECT_EQ(StreamOf(odd), StreamOf(clean));
  std::string out = dir / "odd-saved.xml";
  ASSERT_EQ(Run({"save", odd, "-o", out}).exitCode, 0);
  Xml xml(out);
  EXPECT_EQ(xml.Children("TQ4600/Modules"), (Names{"EB8DI", "EB8DO"}));
  EXPECT_EQ(xml.Text("TQ4600/X_Position"), "1.5");
  EXPECT_EQ(xml.Attribute("Object", "x"), "1.5");
  EXPECT_EQ(xml.Text("Attributes/R5_Address"), "-1");
  EXPECT_EQ(xml.Count("Attributes/NoSuch"), 0);
}

TEST_F(ProjectCommands, AFailedWriteLeavesTheOldFileWhole) {
  ProcessResult noFolder = Run({"new", "-o", dir / "no/such/p.xml"});
  EXPECT_EQ(noFolder.exitCode, 1);
  EXPECT_EQ(noFolder.err, "tqhost new: cannot write " + dir / "no/such/p.xml" + ": the folder " +
                              dir / "no/such" + " does not exist\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "no"));

  std::string path = NewProject("whole.xml", "EB4AI2AO,EB8DIC,EB4AO");
  std::filesystem::create_directory(dir / "folder");
  ProcessResult onFolder = Run({"save", path, "-o", dir / "folder"});
  EXPECT_EQ(onFolder.exitCode, 1);
  EXPECT_EQ(Lines(onFolder.err), 1u) << onFolder.err;
  EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));

  // A write that fails half way (the file size limit) keeps the old project and
  // leaves no partial file beside it.
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
  EXPECT_EQ(limited.err.rfind("tqhost set: cannot write " + path, 0), 0u) << limited.err;
  EXPECT_EQ(limited.out, "");
  EXPECT_EQ(ReadFile(path), original);
  EXPECT_EQ(dir.Entries(), entries);
}

TEST_F(ProjectCommands, HelpAndThePluginFolderOption) {
  for (const char* command : {"new", "stream", "save", "set", "info"}) {
    ProcessResult help = Run({command, "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind(std::string("usage: tqhost ") + command, 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--plugins DIR"), std::string::npos) << command;
    EXPECT_NE(help.out.find("--snvt FILE"), std::string::npos) << command;
  }
  std::string path = NewProject("p.xml", "EB8DI");
  const std::string stream = StreamOf(path);

  ProcessResult none = Run({"stream", path, "--plugins", dir / "nowhere"});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_EQ(none.err, "tqhost stream: no component " + dir / "nowhere/O_TQ4600/O_TQ4600.so\n");

  // A copy of the plug-in folder is registered and used in place of the bundled one.
  std::filesystem::copy(TQ_PLUGINS_DIR, dir / "plugins", std::filesystem::copy_options::recursive);
  ProcessResult copy = Run({"stream", path, "--plugins", dir / "plugins"});
  EXPECT_EQ(copy.exitCode, 0) << copy.err;
  EXPECT_EQ(copy.out, stream + "\n");
  EXPECT_NE(ReadFile(registry).find(dir / "plugins/O_TQ4600/O_TQ4600.so"), std::string::npos);

  ProcessResult badCatalogue = Run({"stream", path, "--snvt", dir / "none.xml"});
  EXPECT_EQ(badCatalogue.exitCode, 1);
  EXPECT_EQ(badCatalogue.err.rfind("tqhost stream: " + dir / "none.xml" + ": ", 0), 0u);
}

}  // namespace
