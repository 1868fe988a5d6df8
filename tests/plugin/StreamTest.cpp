// The configuration block, byte by byte.
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "plugin/BundledObjectFixture.h"

namespace {

using StreamBuilder = BundledObjectFixture;

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

}  // namespace

TEST_F(StreamBuilder, ACounterModuleInSlotOne) {
  Add("EB8DIC");
  // clang-format off
  const std::string body = "08" "00" "00" "00" "08"  // NDI NDO NAI NAO NC
                           "04" "FFFF"               // priority 4, field-bus address -1
                           "011401"                  // tag of the placed chain
                           "00"                      // 50 Hz, outputs reset
                           "0258" "000A"             // 60 s and 1 s at 0.1 s
                           "00000000"
                           "FF" "00"                 // contact types of slots 1 and 2
                           + Repeat("0001", 8);      // pulses per count of each counter
  // 45 bytes with the header; data block 24 + 8 + 3 * 8 + 10 * 8 = 136.
  EXPECT_EQ(Stream(*object), "00" "11F8" "002D" "0088" + body);
  // clang-format on
  EXPECT_EQ(Get(&CDBAppObject::get_CDBDimension), 25 + 1 + 8);
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
