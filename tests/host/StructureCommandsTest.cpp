// A connected project built from nothing with tqhost's structure commands,
// as an integrator builds one: objects and modules added, points bound across
// objects, the references in the streams, refused changes, the points list.
#include "host/TqhostRun.h"

using testing_support::ReadFile;

namespace {

// n bytes of a stream from byte position i, as hex text.
std::string Bytes(const std::string& stream, size_t i, size_t n) {
  return 2 * i < stream.size() ? stream.substr(2 * i, 2 * n) : std::string();
}

// Where the input references start: after the header, the counts and the
// device fields of an object without AI channels.
constexpr size_t kFirstReferenceByte = 27;

class StructureCommands : public TqhostRun {
 protected:
  std::vector<std::string> Streams() {
    std::vector<std::string> lines;
    std::string out = Expect({"stream", project}, 0), line;
    for (char c : out) {
      if (c != '\n') {
        line += c;
        continue;
      }
      lines.push_back(line);
      line.clear();
    }
    return lines;
  }
  // A command that must be refused, leaving the project as it was.
  void ExpectRefused(const Names& args, const std::string& err) {
    const std::string before = ReadFile(project);
    Expect(args, 1, err);
    EXPECT_EQ(ReadFile(project), before) << ::testing::PrintToString(args);
  }

  std::string project = dir / "plant.xml";
};

TEST_F(StructureCommands, AConnectedProjectFromNothing) {
  const std::string p = project;
  Expect({"new", "-o", p, "--name", "AHU 1", "--modules", "EB8DI,EB8DO"}, 0);
  EXPECT_EQ(Expect({"add-object", p, "--name", "AHU 2", "--modules", "eb4di4do"}, 0),
            p + ": object 2 (TQ4600) \"AHU 2\" added with EB4DI4DO\n");
  Expect({"add-object", p, "--name", "Boiler", "--modules", "EB8DIC"}, 0);
  EXPECT_EQ(Expect({"add-module", p, "--object", "3", "eb8do"}, 0),
            p + ": object 3 (TQ4600): EB 8DO added as EB2\n");
  // The tree is complete after two modules: the object's own warning, then why.
  ExpectRefused({"add-module", p, "--object", "3", "EB4AO"},
                "message: The Module can not be added: Verify the resource used inside the "
                "Application!\ntqhost add-module: " +
                    p +
                    ": object 3 (TQ4600): module template EB4AO cannot be added; allowed "
                    "there: none, the chain is complete\n");
  ExpectRefused({"add-module", p, "--object", "2", "EB9"},
                "tqhost add-module: " + p +
                    ": object 2 (TQ4600): unknown module template EB9; the templates are: "
                    "EB4AI2AO, EB4AO, EB4DI4DO, EB8DI, EB8DIC, EB8DO\n");
  // Each object has its own unique ID, keys and export index.
  const std::string file = ReadFile(p);
  EXPECT_NE(file.find("key=\"TQ4600_3\" globalKey=\"TQ4600_3\" extendedKey=\"TQ4600_3\" "
                      "uniqueId=\"3\" tag=\"\" userName=\"Boiler\" x=\"0\" y=\"0\" "
                      "exportIndex=\"2\""),
            std::string::npos)
      << file;

  // Four bindings across the objects (one within object 3), names in any case.
  EXPECT_EQ(Expect({"connect", p, "2:binary (0) value", "1:Binary (8) Value"}, 0),
            p + ": 2:Binary (0) Value -> 1:Binary (8) Value, reference 4001\n");
  Expect({"connect", p, "2:Binary (1) Value", "1:Binary (9) Value"}, 0);
  Expect({"connect", p, "1:Binary (0) Value", "2:Binary (4) Value"}, 0);
  Expect({"connect", p, "3:Binary (7) Value", "3:Binary (15) Value"}, 0);
  const std::pair<Names, std::string> refusals[] = {
      {{"connect", p, "3:Binary (0) Counter", "1:Binary (10) Value"},
       ": 3:Binary (0) Counter -> 1:Binary (10) Value: the output's SNVT 8 is not one the input "
       "takes (95,22); nothing is written"},
      {{"connect", p, "2:Binary (3) Value", "1:Binary (8) Value"},
       ": 1:Binary (8) Value is bound already (2:Binary (0) Value -> 1:Binary (8) Value); tqhost "
       "disconnect removes that binding"},
      {{"connect", p, "1:Binary (8) Value", "2:Binary (4) Value"},
       ": object 1 (TQ4600) has no output Binary (8) Value; its outputs are: Binary (0) Value, "
       "Binary (1) Value, Binary (2) Value, Binary (3) Value, Binary (4) Value, Binary (5) Value, "
       "Binary (6) Value, Binary (7) Value"},
      {{"connect", p, "4:Binary (0) Value", "2:Binary (4) Value"},
       " holds 3 objects; there is no object 4"},
  };
  for (const auto& [args, err] : refusals) ExpectRefused(args, "tqhost connect: " + p + err + "\n");
  Expect({"connect", p, "Binary (0) Value", "2:Binary (4) Value"}, 2,
         "tqhost connect: a point is named as OBJECT:NAME, the object's number from 1 and the "
         "point's name as get lists it (2:Analog (0) Value), not \"Binary (0) Value\"\n");
  // One element per binding after the objects, sorted by input.
  const std::string bindings = ReadFile(p).substr(ReadFile(p).find("  <Binding"));
  EXPECT_EQ(bindings,
            "  <Binding fromObject=\"2\" output=\"Binary (0) Value\" toObject=\"1\" input=\"Binary "
            "(8) Value\"/>\n"
            "  <Binding fromObject=\"2\" output=\"Binary (1) Value\" toObject=\"1\" input=\"Binary "
            "(9) Value\"/>\n"
            "  <Binding fromObject=\"1\" output=\"Binary (0) Value\" toObject=\"2\" input=\"Binary "
            "(4) Value\"/>\n"
            "  <Binding fromObject=\"3\" output=\"Binary (7) Value\" toObject=\"3\" input=\"Binary "
            "(15) Value\"/>\n"
            "</QorProject>\n");

  // Row 13 of each stream: the references of the inputs, the sources' display
  // references (16384 + 256 x output index + the source's export index).
  std::vector<std::string> streams = Streams();
  ASSERT_EQ(streams.size(), 3u);
  EXPECT_EQ(Bytes(streams[0], kFirstReferenceByte, 16), "40014101000000000000000000000000");
  EXPECT_EQ(Bytes(streams[1], kFirstReferenceByte, 8), "4000000000000000");
  EXPECT_EQ(Bytes(streams[2], kFirstReferenceByte, 16),
            "0000000000000000000000000000"
            "4F02");
  EXPECT_EQ(Expect({"connections", p}, 0),
            "  Output              Input                Reference\n"
            "  2:Binary (0) Value  1:Binary (8) Value   4001\n"
            "  2:Binary (1) Value  1:Binary (9) Value   4101\n"
            "  1:Binary (0) Value  2:Binary (4) Value   4000\n"
            "  3:Binary (7) Value  3:Binary (15) Value  4F02\n");

  // Bound modules and objects stay, unless forced; then their bindings go, named.
  ExpectRefused({"remove-module", p, "--object", "1"},
                "tqhost remove-module: " + p +
                    ": object 1 (TQ4600): EB 8DO cannot be removed because it is connected "
                    "(2:Binary (0) Value -> 1:Binary (8) Value, 2:Binary (1) Value -> 1:Binary "
                    "(9) Value; --force removes these bindings)\n");
  ExpectRefused({"remove-object", p, "--object", "3"},
                "tqhost remove-object: " + p +
                    ": object 3 (TQ4600) is bound (3:Binary (7) Value -> 3:Binary (15) Value); "
                    "--force removes these bindings with it\n");

  // The points list, in CSV and JSON.
  const std::string csv = Expect({"points", p}, 0);
  EXPECT_EQ(csv.substr(0, csv.find('\n', csv.find('\n') + 1) + 1),
            "object,name,direction,point,channel,snvt,type,unit,reference,bindings\n"
            "1,AHU 1,input,Binary (8) Value,EB2/DO/1,\"95,22\",\"SNVT_switch,SNVT_lev_disc\",,"
            "4001,2:Binary (0) Value\n");
  EXPECT_NE(csv.find("\n2,AHU 2,output,Binary (0) Value,EB1/DI/1,95,SNVT_switch,,4001,1:Binary "
                     "(8) Value\n2,AHU 2,output,Binary (1) Value,"),
            std::string::npos)
      << csv;
  EXPECT_NE(csv.find("\n3,Boiler,output,Binary (0) Counter,EB1/DI/1,8,SNVT_count,,4102,\n"),
            std::string::npos)
      << csv;
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 16 + 8 + 24);
  EXPECT_NE(Expect({"points", p, "--delimiter", ";"}, 0)
                .find("\n1;AHU 1;input;Binary (8) Value;EB2/DO/1;\"95,22\";\"SNVT_switch,"
                      "SNVT_lev_disc\";;4001;2:Binary (0) Value\n"),
            std::string::npos);
  const std::string json = Expect({"points", p, "--format", "json"}, 0);
  EXPECT_EQ(json.substr(0, json.find('\n', 2) + 1),
            "[\n  {\"object\": 1, \"id\": \"1\", \"name\": \"AHU 1\", \"direction\": \"input\", "
            "\"point\": \"Binary (8) Value\", \"channel\": \"EB2/DO/1\", \"snvt\": [95, 22], "
            "\"type\": [\"SNVT_switch\", \"SNVT_lev_disc\"], \"unit\": [\"\", \"\"], "
            "\"reference\": \"4001\", \"bindings\": [\"2:Binary (0) Value\"]},\n");
  EXPECT_NE(json.find("\"point\": \"Binary (0) Value\", \"channel\": \"EB1/DI/1\", \"snvt\": "
                      "[95], \"type\": [\"SNVT_switch\"], \"unit\": [\"\"], \"reference\": "
                      "\"4000\", \"bindings\": [\"2:Binary (4) Value\"]}"),
            std::string::npos);

  // Forced, disconnected, copied and renamed: the bindings follow the objects.
  Expect({"remove-module", p, "--object", "1", "--force"}, 0,
         "tqhost remove-module: note: binding 2:Binary (0) Value -> 1:Binary (8) Value removed\n"
         "tqhost remove-module: note: binding 2:Binary (1) Value -> 1:Binary (9) Value removed\n");
  Expect({"disconnect", p, "1:binary (0) value", "2:Binary (4) Value"}, 0);
  ExpectRefused({"disconnect", p, "1:Binary (0) Value", "2:Binary (4) Value"},
                "tqhost disconnect: " + p +
                    ": no binding 1:Binary (0) Value -> 2:Binary (4) Value; the bindings are: "
                    "3:Binary (7) Value -> 3:Binary (15) Value\n");
  Expect({"remove-object", p, "--object", "1"}, 0);
  EXPECT_EQ(Expect({"connections", p}, 0),
            "  Output              Input                Reference\n"
            "  2:Binary (7) Value  2:Binary (15) Value  4F02\n");
  EXPECT_EQ(Expect({"copy-object", p, "--object", "2"}, 0),
            p + ": object 3 (TQ4600) \"Boiler (copy)\" added as a copy of object 2\n");
  Expect({"rename-object", p, "--object", "3", "Boiler 2"}, 0);
  streams = Streams();
  ASSERT_EQ(streams.size(), 3u);
  // The copy's stream is the original's, less the reference of its bound input.
  std::string unbound = streams[1];
  unbound.replace(2 * (kFirstReferenceByte + 14), 4, "0000");
  EXPECT_EQ(streams[2], unbound);
  EXPECT_NE(ReadFile(p).find("userName=\"Boiler 2\" x=\"0\" y=\"0\" exportIndex=\"0\""),
            std::string::npos);
}

}  // namespace
