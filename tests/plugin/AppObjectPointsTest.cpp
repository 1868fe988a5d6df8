// Channels create the application object's host inputs and outputs; the host's
// sinks and the editor window hear about every point, in order.
#include "modules/CDBAIs.h"
#include "modules/CDBDIs.h"
#include "plugin/BundledObjectFixture.h"

using Strings = std::vector<std::string>;
using AppObjectPoints = BundledObjectFixture;

TEST_F(AppObjectPoints, AnAnalogModulesPointsFromPlacingToRemoval) {
  auto module = Add("EB4AI2AO");
  // The first analog input brings the alarm status, announced before its own value.
  const Strings added = {"RefOutAdded OBJ1\\ROU\\AI AlarmStatus",
                         "RefOutAddedBefore OBJ1\\ROU\\analog (0) value OBJ1\\ROU\\AI AlarmStatus",
                         "RefOutAdded OBJ1\\ROU\\Analog (1) Value",
                         "RefOutAdded OBJ1\\ROU\\Analog (2) Value",
                         "RefOutAdded OBJ1\\ROU\\Analog (3) Value",
                         "RefInAdded OBJ1\\RIN\\Analog (4) Value",
                         "RefInAdded OBJ1\\RIN\\Analog (5) Value",
                         "CDBChanged 0 0 0"};
  EXPECT_EQ(sink->calls, added);
  EXPECT_EQ(OutputNames(),
            (Strings{"AI AlarmStatus #0", "analog (0) value #1", "Analog (1) Value #2",
                     "Analog (2) Value #3", "Analog (3) Value #4"}));
  EXPECT_EQ(object->OutputSet()->Items().ByKey("AI AlarmStatus")->SnvtId(), "83");
  EXPECT_EQ(module->AIs()->At(1)->References(), Strings{"analog (0) value"})
      << "the channel keeps the name of the point it was given last";

  // The host resets the references of the inputs before it rewires them.
  object->InputSet()->Items().At(1)->put_Value(qcom::Bstr("0A1B2C").get());
  object->ClearReferences();
  EXPECT_EQ(object->InputSet()->Items().At(1)->ValueText(), "000000");

  // A sink registered late hears the removal as the first one does.
  auto late = qcom::Make<testing_support::RecordingSink>();
  object->CallBack(late.get());
  sink->calls.clear();
  RemoveLast();
  const Strings removed = {
      "RefOutRemoved OBJ1\\ROU\\AI AlarmStatus",   "RefOutRemoved OBJ1\\ROU\\analog (0) value",
      "RefOutRemoved OBJ1\\ROU\\Analog (1) Value", "RefOutRemoved OBJ1\\ROU\\Analog (2) Value",
      "RefOutRemoved OBJ1\\ROU\\Analog (3) Value", "RefInRemoved OBJ1\\RIN\\Analog (4) Value",
      "RefInRemoved OBJ1\\RIN\\Analog (5) Value",  "CDBChanged 0 0 0"};
  EXPECT_EQ(sink->calls, removed);
  late->calls.erase(late->calls.begin());  // its own registration
  EXPECT_EQ(late->calls, removed);
}

TEST_F(AppObjectPoints, CounterOutputsFollowTheNextLowerCounter) {
  auto dis = qcom::Make<CDBDIs>();
  dis->SetAppObject(object.get());
  auto definition = Parse(R"(<DI><Attributes>
    <ContactType><SNVTTYPE>1008</SNVTTYPE><DefaultValue>1</DefaultValue></ContactType></Attributes>
    <OutReferences><Value>95</Value><Counter>8</Counter></OutReferences></DI>)");
  // Channels loaded out of order, as (number, position in the module).
  for (auto [number, position] : {std::pair{2, 3}, {0, 1}, {1, 2}})
    dis->LoadFromXML(definition.get(), object.get(), number, position, 1);
  EXPECT_EQ(
      sink->calls,
      (Strings{"RefOutAdded OBJ1\\ROU\\Binary (2) Value",
               // Its lower neighbour does not exist yet: announced, but not in the collection.
               "RefOutAddedBefore OBJ1\\ROU\\Binary (2) Counter OBJ1\\ROU\\Binary (1) Counter",
               "RefOutAdded OBJ1\\ROU\\Binary (0) Value",
               "RefOutAdded OBJ1\\ROU\\Binary (0) Counter",
               "RefOutAdded OBJ1\\ROU\\Binary (1) Value",
               "RefOutAddedBefore OBJ1\\ROU\\Binary (1) Counter OBJ1\\ROU\\Binary (0) Counter"}));
  EXPECT_EQ(OutputNames(),
            (Strings{"Binary (2) Value #0", "Binary (0) Value #1", "Binary (0) Counter #2",
                     "Binary (1) Counter #3", "Binary (1) Value #4"}));
  for (size_t i = 1; i <= 3; ++i) EXPECT_TRUE(dis->At(i)->IsCounterFlag());
}
