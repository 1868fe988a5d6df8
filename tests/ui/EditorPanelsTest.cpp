// The details list of the device and of a module.
#include "faces/Points.h"
#include "ui/EditorFixture.h"

namespace {

using Strings = std::vector<std::string>;
using EditorPanels = EditorFixture;

TEST_F(EditorPanels, DeviceDetailsListTheNameAndEveryParameterButTheFieldBusAddress) {
  Open();
  Strings expected = {"Name=TQ4600"};
  for (const auto& entry : object->AttributeSet()->Items())
    if (entry.item->NameText() != "R5_Address")
      expected.push_back(entry.item->NameText() + "=" + entry.item->DisplayValue());
  EXPECT_EQ(Details(), expected);
  EXPECT_EQ(Details().size(), 6u) << "five of the six parameters";
  EXPECT_EQ(Details()[1], "Priority=4 ") << "value and unit (none)";

  // Hidden in any letter case, and only that exact name.
  auto priority = object->AttributeSet()->Item("Priority");
  priority->SetName("r5_aDDress");
  window->ShowDeviceDetails();
  EXPECT_EQ(Details().size(), 5u);
  EXPECT_EQ(Details()[1].rfind("Powerline_Freq=", 0), 0u) << Details()[1];
  priority->SetName("R5_ADDRESS2");
  window->ShowDeviceDetails();
  EXPECT_EQ(Details()[1], "R5_ADDRESS2=4 ");
  priority->SetName("Priority");

  // The list shows current values when asked again, and is cleared first.
  priority->SetValueText("7");
  window->ShowDeviceDetails();
  window->ShowDeviceDetails();
  EXPECT_EQ(Details()[1], "Priority=7 ");
  EXPECT_EQ(Details().size(), 6u);
  // Activation shows the device again.
  window->ShowModuleDetails(nullptr);
  EXPECT_EQ(Details().size(), 6u) << "no module, no rows";
}

TEST_F(EditorPanels, ModuleDetailsListOnlyTheKindsTheModuleHas) {
  auto analog = Add("EB4AI2AO");
  auto digital = Add("EB8DO");
  ASSERT_TRUE(analog && digital);
  Open();

  // The module-button command clears the list first; the details only add.
  window->ShowModuleDetails(analog.get());
  const Strings analogRows = {"Name=" + analog->NameText(),
                              "Description=" + analog->DescriptionText(),
                              "Slot=1",
                              "AINumber=4",
                              "AONumber=2",
                              "IsConnected=False"};
  Strings shown = Details();
  ASSERT_EQ(shown.size(), 6u + analogRows.size());
  EXPECT_EQ(Strings(shown.begin() + 6, shown.end()), analogRows);
  EXPECT_EQ(analog->NameText(), "EB 4AI/2AO");
  EXPECT_FALSE(analog->DescriptionText().empty());

  window->ShowDeviceDetails();
  window->ShowModuleDetails(digital.get());
  shown = Details();
  EXPECT_EQ(Strings(shown.begin() + 6, shown.end()),
            (Strings{"Name=" + digital->NameText(), "Description=" + digital->DescriptionText(),
                     "Slot=2", "DONumber=8", "IsConnected=False"}));

  // A connection on one of the module's points shows.
  auto alarm = object->OutputSet()->Items().ByKey("AI AlarmStatus");
  ASSERT_TRUE(alarm);
  auto connable = qcom::QueryAs<ISubItemConnable>(static_cast<IOutput*>(alarm.get()));
  connable->put_IsConnected(VARIANT_TRUE);
  window->ShowDeviceDetails();
  window->ShowModuleDetails(analog.get());
  EXPECT_EQ(Details().back(), "IsConnected=True");
  connable->put_IsConnected(VARIANT_FALSE);

  // Activation comes back to the device.
  window->Activate();
  EXPECT_EQ(Details().size(), 6u);
  EXPECT_EQ(Details()[0], "Name=TQ4600");
}

TEST_F(EditorPanels, WithoutAnObjectTheWindowShowsNothingOfOne) {
  window = qcom::Make<frmMain>();
  window->Load();
  window->Activate();
  EXPECT_TRUE(window->Details().Rows().empty());
  EXPECT_TRUE(window->Explorer().Exists());
  EXPECT_TRUE(window->Explorer().Buttons().empty());
  EXPECT_FALSE(window->Commands().addEnabled);
  EXPECT_FALSE(window->Commands().removeEnabled);
  EXPECT_EQ(EnabledTabs(), (std::vector<bool>{false, false, false, false}));
  window->AddModuleButton({"EB1", "loose"});
  EXPECT_EQ(Buttons(), Strings{"2 EB1 EB1 loose"});
  EXPECT_FALSE(window->Explorer().Buttons()[0].picture);
}

}  // namespace
