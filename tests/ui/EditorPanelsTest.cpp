// The details list of the device and of a module.
#include "ui/EditorFixture.h"

namespace {

using EditorPanels = EditorFixture;

TEST_F(EditorPanels, DeviceAndModuleDetails) {
  auto analog = Add("EB4AI2AO");
  auto digital = Add("EB8DO");
  ASSERT_TRUE(analog && digital);
  Open();
  // The name and every parameter but the field-bus address.
  const Strings device = {"Name=TQ4600",
                          "Priority=4 ",
                          "Powerline_Freq=HZ_50",
                          "Behaviour_OnCommFailure=OUTPUT_RESET",
                          "MaxTimeBetweenComm=60 sec",
                          "DO_PulseTime=1 sec"};
  EXPECT_EQ(Details(), device);
  // A module's rows come after the device's (the module-button command clears
  // the list first); only the kinds the module has.
  auto shown = [&](const CDBEBModule& module) {
    window->ShowDeviceDetails();
    window->ShowModuleDetails(&module);
    const Strings all = Details();
    return Strings(all.begin() + 6, all.end());
  };
  EXPECT_EQ(shown(*analog), (Strings{"Name=EB 4AI/2AO", "Description=" + analog->DescriptionText(),
                                     "Slot=1", "AINumber=4", "AONumber=2", "IsConnected=False"}));
  EXPECT_EQ(shown(*digital), (Strings{"Name=EB 8DO", "Description=" + digital->DescriptionText(),
                                      "Slot=2", "DONumber=8", "IsConnected=False"}));
  window->ShowModuleDetails(nullptr);
  window->Activate();
  EXPECT_EQ(Details(), device) << "activation comes back to the device";

  // Hidden in any letter case, and only that exact name; current values.
  auto priority = object->AttributeSet()->Item("Priority");
  for (const auto& [name, rows] : {std::pair{"r5_aDDress", 5u}, {"R5_ADDRESS2", 6u}}) {
    priority->SetName(name);
    window->ShowDeviceDetails();
    EXPECT_EQ(Details().size(), rows) << name;
  }
  priority->SetValueText("7");
  window->ShowDeviceDetails();
  EXPECT_EQ(Details()[1], "R5_ADDRESS2=7 ");
}

}  // namespace
