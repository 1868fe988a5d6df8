// Channels create the application object's host inputs and outputs; the host's
// sinks and the editor window hear about every point, in order.
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "plugin/BundledObjectFixture.h"

using testing_support::RecordingSink;

namespace {

const char* kAnalogInput = R"(<AI><Attributes>
    <gain><SNVTTYPE>107</SNVTTYPE><DefaultValue>2</DefaultValue></gain></Attributes>
    <OutReferences><Value>105</Value></OutReferences></AI>)";
const char* kCounterInput = R"(<DI><Attributes>
    <ContactType><SNVTTYPE>1008</SNVTTYPE><DefaultValue>1</DefaultValue></ContactType></Attributes>
    <OutReferences><Value>95</Value><Counter>8</Counter></OutReferences></DI>)";
const char* kAnalogOutput = R"(<AO><Attributes>
    <OutputMode><SNVTTYPE>1009</SNVTTYPE><DefaultValue>0</DefaultValue></OutputMode></Attributes>
    <InReferences><Value>81,21</Value></InReferences></AO>)";

class AppObjectPoints : public BundledObjectFixture {
 protected:
  // A channel collection of the object, its channels loaded from the
  // definition as (number, position in the module) pairs.
  template <class Channels>
  qcom::ComPtr<Channels> Load(const char* xml, std::vector<std::pair<int, int>> channels,
                              const char* keyPrefix = nullptr) {
    auto collection = qcom::Make<Channels>();
    collection->SetAppObject(object.get());
    auto definition = Parse(xml);
    for (auto [number, position] : channels)
      collection->LoadFromXML(definition.get(), object.get(), number, position, 1);
    if (keyPrefix) collection->SetKeyPrefix(keyPrefix);
    return collection;
  }
};

}  // namespace

TEST_F(AppObjectPoints, FirstAnalogInputsBringTheAlarmStatusPair) {
  auto ais = Load<CDBAIs>(kAnalogInput, {{0, 1}, {1, 2}, {2, 3}, {3, 4}}, "EB1\\AI");

  EXPECT_EQ(
      sink->calls,
      (std::vector<std::string>{
          "RefOutAdded OBJ1\\ROU\\AI AlarmStatus",
          "RefOutAddedBefore OBJ1\\ROU\\analog (0) value OBJ1\\ROU\\AI AlarmStatus",
          "RefOutAdded OBJ1\\ROU\\Analog (1) Value", "RefOutAdded OBJ1\\ROU\\Analog (2) Value",
          "RefOutAdded OBJ1\\ROU\\Analog (3) Value"}));
  EXPECT_EQ(OutputNames(), (std::vector<std::string>{"AI AlarmStatus #0", "analog (0) value #1",
                                                     "Analog (1) Value #2", "Analog (2) Value #3",
                                                     "Analog (3) Value #4"}));
  EXPECT_EQ(object->OutputSet()->Items().ByKey("AI AlarmStatus")->SnvtId(), "83");
  EXPECT_EQ(ais->At(1)->References(), std::vector<std::string>{"analog (0) value"})
      << "the channel keeps the name of the point it was given last";
  EXPECT_EQ(editor->calls,
            (std::vector<std::string>{"add AI Analog (0) | EB1\\AI\\1 | gain=2 sec",
                                      "add AI Analog (1) | EB1\\AI\\2 | gain=2 sec",
                                      "add AI Analog (2) | EB1\\AI\\3 | gain=2 sec",
                                      "add AI Analog (3) | EB1\\AI\\4 | gain=2 sec"}));
  qcom::Bstr key;
  object->OutputSet()->Items().ByKey("Analog (2) Value")->get_ExtendedKey(key.out());
  EXPECT_EQ(key.utf8(), "P1\\OBJ1\\ROU\\Analog (2) Value");
}

TEST_F(AppObjectPoints, CounterOutputsFollowTheNextLowerCounter) {
  auto dis = Load<CDBDIs>(kCounterInput, {{2, 3}, {0, 1}, {1, 2}});

  EXPECT_EQ(
      sink->calls,
      (std::vector<std::string>{
          "RefOutAdded OBJ1\\ROU\\Binary (2) Value",
          // Its lower neighbour does not exist yet: announced, but not in the collection.
          "RefOutAddedBefore OBJ1\\ROU\\Binary (2) Counter OBJ1\\ROU\\Binary (1) Counter",
          "RefOutAdded OBJ1\\ROU\\Binary (0) Value", "RefOutAdded OBJ1\\ROU\\Binary (0) Counter",
          "RefOutAdded OBJ1\\ROU\\Binary (1) Value",
          "RefOutAddedBefore OBJ1\\ROU\\Binary (1) Counter OBJ1\\ROU\\Binary (0) Counter"}));
  EXPECT_EQ(OutputNames(),
            (std::vector<std::string>{"Binary (2) Value #0", "Binary (0) Value #1",
                                      "Binary (0) Counter #2", "Binary (1) Counter #3",
                                      "Binary (1) Value #4"}));
  for (size_t i = 1; i <= 3; ++i) EXPECT_TRUE(dis->At(i)->IsCounterFlag());
}

TEST_F(AppObjectPoints, RemovingAChannelsPointsAnnouncesEachOnce) {
  auto ais = Load<CDBAIs>(kAnalogInput, {{1, 1}}, "EB1\\AI");
  auto aos = Load<CDBAOs>(kAnalogOutput, {{2, 1}, {3, 2}}, "EB1\\AO");
  EXPECT_EQ(sink->calls, (std::vector<std::string>{"RefOutAdded OBJ1\\ROU\\Analog (1) Value",
                                                   "RefInAdded OBJ1\\RIN\\Analog (2) Value",
                                                   "RefInAdded OBJ1\\RIN\\Analog (3) Value"}));
  sink->calls.clear();

  object->InputSet()->RemoveByChannel(aos->At(2).get());
  object->OutputSet()->RemoveByChannel(ais->At(1).get());
  EXPECT_EQ(sink->calls, (std::vector<std::string>{"RefInRemoved OBJ1\\RIN\\Analog (3) Value",
                                                   "RefOutRemoved OBJ1\\ROU\\Analog (1) Value"}));
  EXPECT_EQ(object->InputSet()->Count(), 1u);
  EXPECT_EQ(object->OutputSet()->Count(), 0u);

  // The host resets the references of the remaining inputs before it rewires them.
  object->InputSet()->Items().At(1)->put_Value(qcom::Bstr("0A1B2C").get());
  object->ClearReferences();
  EXPECT_EQ(object->InputSet()->Items().At(1)->ValueText(), "000000");
}

TEST_F(AppObjectPoints, ConnectingTwiceNeedsTwoDisconnections) {
  auto ais = Load<CDBAIs>(kAnalogInput, {{1, 1}}, "EB3\\AI");
  editor->calls.clear();
  auto output = object->OutputSet()->Items().ByKey("Analog (1) Value");
  auto connable = qcom::QueryAs<ISubItemConnable>(static_cast<IOutput*>(output.get()));
  ASSERT_TRUE(connable);
  auto connected = [&] {
    VARIANT_BOOL b = VARIANT_FALSE;
    ais->At(1)->get_IsConnected(&b);
    return b != VARIANT_FALSE;
  };
  connable->put_IsConnected(VARIANT_TRUE);
  connable->put_IsConnected(VARIANT_TRUE);
  connable->put_IsConnected(VARIANT_FALSE);
  EXPECT_TRUE(connected());
  connable->put_IsConnected(VARIANT_FALSE);
  EXPECT_FALSE(connected());
  EXPECT_EQ(editor->calls, (std::vector<std::string>{
                               "connected AI EB3\\AI\\1 true", "connected DI EB3\\AI\\1 true",
                               "connected AI EB3\\AI\\1 true", "connected DI EB3\\AI\\1 true",
                               "connected AI EB3\\AI\\1 true", "connected DI EB3\\AI\\1 true",
                               "connected AI EB3\\AI\\1 false", "connected DI EB3\\AI\\1 false"}));
}

TEST_F(AppObjectPoints, LateSinksReachEveryPointAndDestroyLeavesNoObject) {
  int32_t before = qcom::ThisModule().objects.load();
  {
    auto ais = Load<CDBAIs>(kAnalogInput, {{4, 1}});
    auto late = qcom::Make<RecordingSink>();
    object->CallBack(late.get());
    EXPECT_EQ(late->calls, std::vector<std::string>{"CDBChanged 0 0 0"});
    object->OutputSet()->RemoveByChannel(ais->At(1).get());
    EXPECT_EQ(late->calls.back(), "RefOutRemoved OBJ1\\ROU\\Analog (4) Value");
  }
  object->Destroy();
  EXPECT_EQ(editor->calls.back(), "close by owner");
  object = nullptr;
  editor = nullptr;
  sink = nullptr;
  EXPECT_LT(qcom::ThisModule().objects.load(), before) << "the object and its collections are gone";
}
