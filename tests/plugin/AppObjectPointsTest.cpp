// Channels create the application object's host inputs and outputs; the host's
// sinks and the editor window hear about every point, in order.
#include "modules/CDBAIs.h"
#include "modules/CDBDIs.h"
#include "plugin/BundledObjectFixture.h"

using Strings = std::vector<std::string>;
using AppObjectPoints = BundledObjectFixture;

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

TEST_F(AppObjectPoints, ClearingReferencesZeroesEveryInputByItsWidth) {
  object->ClearReferences();  // no input yet
  ASSERT_TRUE(Add("EB4AO") && Add("EB8DO"));
  Strings values;
  for (const auto& entry : object->InputSet()->Items()) {
    entry.item->put_Value(qcom::Bstr("ABCDEF").get());
    object->ClearReferences();
    qcom::Bstr value;
    entry.item->get_Value(value.out());
    values.push_back(value.utf8() + (entry.item->IsExtended() ? " wide" : ""));
  }
  Strings expected(4, "000000 wide");  // the analog outputs' inputs are extended
  expected.resize(12, "0000");
  EXPECT_EQ(values, expected);
}
