// The configuration block, byte by byte.
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "plugin/BundledObjectFixture.h"

namespace {

using StreamBuilder = BundledObjectFixture;

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

}  // namespace

TEST_F(StreamBuilder, OnlyTheDIsThatCountStreamTheirPulsesPerCount) {
  auto counters = Add("EB8DIC");
  VARIANT_BOOL no = VARIANT_FALSE;
  for (size_t i : {1, 2, 4, 5, 6, 7, 8}) counters->DIs()->At(i)->put_IsCounter(&no);
  CDBAttributes& third = *counters->DIs()->At(3)->Attributes();
  third.Item("ContactType")->SetValueText("0");
  third.Item("PulsesPerCount")->SetValueText("300");
  // clang-format off
  const std::string body = "08" "00" "00" "00" "01"  // NDI NDO NAI NAO NC
                           "04" "FFFF"               // priority 4, field-bus address -1
                           "011401"                  // tag of the placed chain
                           "00"                      // 50 Hz, outputs reset
                           "0258" "000A"             // 60 s and 1 s at 0.1 s
                           "00000000"
                           "FB" "00"                 // contact types of slots 1 and 2
                           "012C";                   // pulses per count of the one counter
  // 31 bytes with the header; data block 24 + 8 + 3 * 8 + 10 * 1 = 66.
  EXPECT_EQ(Stream(*object), "00" "11F8" "001F" "0042" + body);
  // clang-format on
}

// A channel whose first value is not a number is left out of its bitmap; the
// byte is still written, so the bytes after it keep their place. In a point
// locale any text reads as its numeric prefix (here 0), so the bytes are the same.
TEST_F(StreamBuilder, BitmapsLeaveOutChannelsThatAreNotNumbers) {
  struct FirstValues {  // of the channels of one kind of one module, in order
    size_t module;
    std::string kind;
    std::vector<const char*> values;
  };
  const struct {
    std::vector<std::string> chain;
    std::vector<FirstValues> values;
    std::string stream;
  } cases[] = {
      // DIs 0-3 and DOs 4-7 in slot 1, DIs 8-11 and DOs 12-15 in slot 2; bytes
      // DI slot 1 (bits 0, 3), DI slot 2 (bits 0, 2), DO slot 1 (5, 7), DO slot 2 (4, 7).
      {{"EB4DI4DO", "EB4DI4DO"},
       {{1, "DI", {"1", "0", "0", "1"}},
        {1, "DO", {"0", "1", "on", "1"}},
        {2, "DI", {"1", "on", "1", "0"}},
        {2, "DO", {"1", "0", "0", "1"}}},
       // clang-format off
       "00" "11F8" "002F" "0038" "0808000000" "04FFFF" "030C02" "00" "0258000A" "00000000" +
           Repeat("0000", 8) + "09" "05" "A0" "90"},
      // AO modes at channels 0-3, 1 + 3 * 4^2 + 2 * 4^3 = 0xB1; DOs 8-15 in slot 2.
      {{"EB4AO", "EB8DO"},
       {{1, "AO", {"1", "on", "3", "2"}}, {2, "DO", {"1", "0", "0", "0", "0", "0", "0", "1"}}},
       "00" "11F8" "003B" "0028" "0008000400" "04FFFF" "030802" "00" "0258000A" "00000000" +
           Repeat("000000", 4) + Repeat("0000", 8) + "00B1" "00" "81"},
      // clang-format on
  };
  for (const auto& c : cases) {
    for (const auto& m : c.chain) Add(m);
    for (const FirstValues& v : c.values) {
      CDBEBModule& m = *object->ModuleSet()->Modules().At(v.module);
      for (size_t i = 1; i <= v.values.size(); ++i) {
        CDBAttributes* parameters = v.kind == "DI"   ? m.DIs()->At(i)->Attributes()
                                    : v.kind == "DO" ? m.DOs()->At(i)->Attributes()
                                                     : m.AOs()->At(i)->Attributes();
        parameters->Items().At(1)->SetValueText(v.values[i - 1]);
      }
    }
    for (const char* separator : {",", "."}) {
      values::Shared().localeDecimalSeparator = separator;
      EXPECT_EQ(Stream(*object), c.stream) << c.chain.back() << " " << separator;
    }
    for (size_t i = 0; i < c.chain.size(); ++i) RemoveLast();
  }
}

TEST_F(StreamBuilder, AnalogParametersAndOutputModes) {
  auto analog = Add("EB4AI2AO");
  auto ai = analog->AIs()->At(2);
  auto set = [&](const char* name, const char* value) {
    ai->Attributes()->Item(name)->SetValueText(value);
  };
  set("range", "1");
  set("square_root", "1");
  set("unit_of_measure", "3");
  analog->AOs()->At(2)->Attributes()->Item("OutputMode")->SetValueText("3");
  const std::string stream = Stream(*object);

  // Each AI: sensor type, the flag byte, six short floats or times: 1 + 1 + 12 bytes.
  const size_t header = 14, fixedRows = 5 + 1 + 2 + 3 + 1 + 2 + 2 + 4;
  const size_t inputs = 2 * 3;  // two analog outputs of the module are extended inputs
  const size_t perAi = 14;
  ASSERT_EQ(stream.size(), header + 2 * (fixedRows + inputs + 4 * perAi + 2));
  const size_t secondAi = header + 2 * (fixedRows + inputs + perAi);
  EXPECT_EQ(stream.substr(secondAi, 4), "01A3") << "Ni1000, then 128 + 32 + 3";
  EXPECT_EQ(stream.substr(stream.size() - 4), "0C00") << "mode 3 of channel 5: 3 * 4^5";
  EXPECT_EQ(stream.substr(header + 2 * fixedRows, 12), "000000000000");
}

TEST_F(StreamBuilder, HeaderLengthsAndTheExportError) {
  dir.Write("TQX/TQX.xml", R"(<AppObject><NAME>X</NAME><ID>12</ID><FIXEDDDB>10</FIXEDDDB>
    <FIXEDSHDB>2</FIXEDSHDB><Attributes>
      <R5_Address><SNVTTYPE>7</SNVTTYPE><DefaultValue>0</DefaultValue></R5_Address>
      <Priority><SNVTTYPE>7</SNVTTYPE><DefaultValue>3</DefaultValue></Priority>
      <Powerline_Freq><SNVTTYPE>1000</SNVTTYPE><DefaultValue>1</DefaultValue></Powerline_Freq>
      <Behaviour_OnCommFailure><SNVTTYPE>1001</SNVTTYPE><DefaultValue>1</DefaultValue></Behaviour_OnCommFailure>
      <MaxTimeBetweenComm><SNVTTYPE>177</SNVTTYPE><DefaultValue>60</DefaultValue></MaxTimeBetweenComm>
      <DO_PulseTime><SNVTTYPE>7</SNVTTYPE><DefaultValue>5</DefaultValue></DO_PulseTime>
    </Attributes></AppObject>)");
  modules::SetComponentModulePathForTesting(dir.Write("O_TQ4600/O_TQ4600.so", ""));
  object->Destroy();  // the host's order: Destroy, then release
  object = qcom::Make<CDBAppObject>();
  ASSERT_TRUE(Init("TQX"));
  object->Create();
  // 17 body bytes and 7 header bytes; the one-byte address -1 is its low byte.
  // clang-format off
  EXPECT_EQ(Stream(*object), "00" "000C" "0018" "000C"
                             "0000000000" "03" "FF" "000000" "03" "3C" "05" "00000000");
  // clang-format on
  EXPECT_EQ(object->LastStreamText(), Stream(*object));

  object->AttributeSet()->Item("Behaviour_OnCommFailure")->SetValueText("hold");
  messages->Clear();
  EXPECT_EQ(Stream(*object), "");
  EXPECT_EQ(messages->Texts(),
            std::vector<std::string>{"Error exporting the object: X,   A possible "
                                     "error is the lenght of the object."});
}

// A map/type/module tag of the configuration tree that is not hex goes out as
// it stands, and the engineering interface flags it.
TEST_F(StreamBuilder, ATagThatIsNotHexIsFlagged) {
  std::string definition =
      testing_support::ReadFile(std::string(TQ_PLUGINS_DIR) + "/TQ4600/TQ4600.xml");
  const std::string tag = "<EB8DI TQIOMAP=\"01\"";
  ASSERT_NE(definition.find(tag), std::string::npos);
  definition.replace(definition.find(tag), tag.size(), "<EB8DI TQIOMAP=\"ZZ\"");
  dir.Write("TQ4600/TQ4600.xml", definition);
  dir.Write("O_TQ4600/EB8DI/EB8DI.xml",
            testing_support::ReadFile(std::string(TQ_PLUGINS_DIR) + "/O_TQ4600/EB8DI/EB8DI.xml"));
  modules::SetComponentModulePathForTesting(dir.Write("O_TQ4600/O_TQ4600.so", ""));
  object->Destroy();
  object = qcom::Make<CDBAppObject>();
  ASSERT_TRUE(Init("TQ4600"));
  object->Create();
  ASSERT_TRUE(Add("EB8DI"));
  EXPECT_EQ(Stream(*object).substr(2 * 15, 6), "ZZ0401");
  qcom::ComPtr<IStreamExplanation> explained;
  ASSERT_EQ(qcom::QueryAs<IEngineering>(object.get())->ExplainStream(explained.put()), S_OK);
  qcom::Bstr malformed;
  explained->get_Malformed(malformed.out());
  EXPECT_EQ(malformed.utf8(), "tag of the last module: not hex");
}
