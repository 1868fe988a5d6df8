#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "points/PointFixture.h"

namespace points_test {
namespace {

using qcom::ComPtr;

// Outputs of the analog channel 0 unless a test says otherwise.
class OutputPoints : public PointsFixture {
 protected:
  ComPtr<CDBOutput> AddOnce(std::string& name, std::string& type) {
    return AddOutOnce(name, type, analog.get());
  }
  ComPtr<CDBOutput> Add(std::string name, std::string type = "105") {
    return AddOut(std::move(name), analog.get(), std::move(type));
  }
  ComPtr<FakeChannel> analog = Channel("Analog (0)", "EB1\\AI\\1");
};

TEST_F(OutputPoints, TheFirstAnalogValueComesWithItsAlarmStatus) {
  // The caller is sent back for the value output.
  std::string name = "Analog (0) Value", type = "105";
  auto alarm = AddOnce(name, type);
  ASSERT_TRUE(alarm);
  EXPECT_EQ(alarm->NameText() + "|" + alarm->SnvtId() + "|" + alarm->Type().Name(),
            "AI AlarmStatus|83|SNVT_alarm");
  EXPECT_EQ(name + "|" + type, "AI AlarmStatus|105");

  auto value = AddOnce(name, type);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->NameText() + "|" + value->SnvtId(), "analog (0) value|105");
  EXPECT_EQ(Text(value.get(), &IOutput::get_GlobalKey), "G\\ROU\\analog (0) value");
  EXPECT_EQ(Text(value.get(), &IOutput::get_ExtendedKey), "X\\ROU\\analog (0) value");
  EXPECT_EQ(name + "|" + type, "|");
  EXPECT_EQ(Order(), (Lines{"AI AlarmStatus 0", "analog (0) value 1"}));
  EXPECT_EQ(first->calls,
            (Lines{"RefOutAdded G\\ROU\\AI AlarmStatus",
                   "RefOutAddedBefore G\\ROU\\analog (0) value G\\ROU\\AI AlarmStatus"}));
  EXPECT_EQ(second->calls, first->calls);
  EXPECT_TRUE(messages->Texts().empty());

  // Nothing at all for an empty name.
  EXPECT_FALSE(AddOnce(name, type));
  EXPECT_EQ(outputs->Count(), 2u);
  EXPECT_EQ(first->calls.size(), 2u);

  // The value output of a later analog input goes to the end.
  auto next = Add("Analog (1) Value");
  ASSERT_TRUE(next);
  EXPECT_FALSE(next->IsDisplayWritable());
  EXPECT_EQ(Order(), (Lines{"AI AlarmStatus 0", "analog (0) value 1", "Analog (1) Value 2"}));
  EXPECT_EQ(first->calls.back(), "RefOutAdded G\\ROU\\Analog (1) Value");
}

TEST_F(OutputPoints, CountersFollowTheNextLowerCounter) {
  // Counter 2 before counter 1 exists: announced and returned, but left out.
  std::string name = "Binary (2) Counter", type = "8";
  auto early = AddOnce(name, type);
  ASSERT_TRUE(early);
  EXPECT_EQ(name + "|" + type, "|");
  EXPECT_TRUE(early->IsDisplayWritable());
  EXPECT_EQ(outputs->Count(), 0u);

  Add("Binary (0) Counter", "8");
  Add("Analog (1) Value");
  auto one = Add("binary (1) counter", "8");
  ASSERT_TRUE(one);
  EXPECT_EQ(Order(), (Lines{"Binary (0) Counter 0", "binary (1) counter 1", "Analog (1) Value 2"}));
  auto two = Add("Binary (2) Counter", "8");
  EXPECT_EQ(Order(), (Lines{"Binary (0) Counter 0", "binary (1) counter 1", "Binary (2) Counter 2",
                            "Analog (1) Value 3"}));
  EXPECT_TRUE(one->IsDisplayWritable());
  EXPECT_TRUE(Flag(two.get(), &IOutput::get_DisplayWritable));
  EXPECT_TRUE(Flag(two.get(), &IDisplayItem::get_IsWritable));

  EXPECT_EQ(first->calls,
            (Lines{"RefOutAddedBefore G\\ROU\\Binary (2) Counter G\\ROU\\Binary (1) Counter",
                   "RefOutAdded G\\ROU\\Binary (0) Counter", "RefOutAdded G\\ROU\\Analog (1) Value",
                   "RefOutAddedBefore G\\ROU\\binary (1) counter G\\ROU\\Binary (0) Counter",
                   "RefOutAddedBefore G\\ROU\\Binary (2) Counter G\\ROU\\Binary (1) Counter"}));
}

TEST_F(OutputPoints, AnOutputThatCannotBeInsertedIsStillAnnouncedAndReturned) {
  // The value output without its alarm status output.
  std::string name = "AI AlarmStatus", type = "105";
  auto value = AddOnce(name, type);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->NameText(), "analog (0) value");
  EXPECT_EQ(outputs->Count(), 0u);
  EXPECT_EQ(name, "");
  EXPECT_EQ(first->calls,
            (Lines{"RefOutAddedBefore G\\ROU\\analog (0) value G\\ROU\\AI AlarmStatus"}));

  // A name already taken: the collection keeps the first output, but the
  // caller's texts change and the renumbering starts at the existing one.
  Add("Analog (1) Value");
  Add("Analog (2) Value");
  outputs->Items().At(2)->SetIndex(42);
  first->calls.clear();
  auto again = Add("Analog (2) Value");
  ASSERT_TRUE(again);
  EXPECT_NE(again.get(), outputs->Items().At(2).get());
  EXPECT_EQ(Order(), (Lines{"Analog (1) Value 0", "Analog (2) Value 1"}));
  EXPECT_EQ(first->calls, (Lines{"RefOutAdded G\\ROU\\Analog (2) Value"}));

  // The pair again: neither output gets in, both are announced.
  Add("Analog (0) Value");
  first->calls.clear();
  EXPECT_EQ(Add("Analog (0) Value")->NameText(), "analog (0) value");
  EXPECT_EQ(outputs->Count(), 4u);
  EXPECT_EQ(first->calls,
            (Lines{"RefOutAdded G\\ROU\\AI AlarmStatus",
                   "RefOutAddedBefore G\\ROU\\analog (0) value G\\ROU\\AI AlarmStatus"}));
}

TEST_F(OutputPoints, RenumberStartsAtTheNamedOutputAndRemoveFirstKeepsTheIndexes) {
  Add("A");
  Add("B");
  Add("C");
  outputs->Items().At(1)->SetIndex(42);
  outputs->Items().At(2)->SetIndex(7);
  outputs->Items().At(3)->SetIndex(7);
  outputs->Renumber("b");
  EXPECT_EQ(Order(), (Lines{"A 42", "B 7", "C 7"})) << "names compare exactly";
  outputs->Renumber("B");
  EXPECT_EQ(Order(), (Lines{"A 42", "B 1", "C 2"}));

  first->calls.clear();
  outputs->RemoveFirst();
  EXPECT_EQ(Order(), (Lines{"B 1", "C 2"})) << "the indexes are not renumbered";
  for (int i = 0; i < 3; ++i) outputs->RemoveFirst();
  EXPECT_EQ(outputs->Count(), 0u);
  EXPECT_EQ(first->calls, (Lines{"RefOutRemoved G\\ROU\\A", "RefOutRemoved G\\ROU\\B",
                                 "RefOutRemoved G\\ROU\\C"}));
}

TEST_F(OutputPoints, AnswersTheHostsInterfaces) {
  auto output = Add("Analog (1) Value");
  ASSERT_TRUE(output);
  IOutput* out = output.get();
  EXPECT_EQ(Number(out, &IOutput::get_Index), 0);
  EXPECT_FALSE(Flag(out, &IOutput::get_DisplayWritable));
  EXPECT_EQ(Text(out, &IOutput::get_Name), "Analog (1) Value");
  ComPtr<ICompatibleSNVT> compatible;
  out->get_SNVTCompatible(compatible.put());
  ASSERT_TRUE(compatible);
  qcom::Bstr id;
  compatible->get_ID(id.out());
  EXPECT_EQ(id.utf8(), "105");
  ComPtr<ISNVType> type;
  out->get_SNVTType(type.put());
  ASSERT_TRUE(type);
  type->get_ID(id.out());
  EXPECT_EQ(id.utf8(), "105");
  ComPtr<IDispatch> parent;
  out->get_Parent(parent.put());
  EXPECT_EQ(parent.get(), static_cast<IAppObject*>(owner.get()));
  EXPECT_EQ(output->GetChannelGlobalKey(), "EB1\\AI\\1");
  auto connable = qcom::QueryAs<ISubItemConnable>(out);
  ASSERT_TRUE(connable);
  ComPtr<ISNVType> sameType;
  connable->get_SNVTType(sameType.put());
  EXPECT_EQ(sameType.get(), type.get());

  auto display = qcom::QueryAs<IDisplayItem>(out);
  ASSERT_TRUE(display);
  display->put_DisplayText(qcom::Bstr("shown elsewhere").get());
  EXPECT_EQ(Text(display.get(), &IDisplayItem::get_DisplayText), "Analog (1) Value")
      << "reading the display text resets it to the name";
  EXPECT_EQ(Text(display.get(), &IDisplayItem::get_Key), "X\\ROU\\Analog (1) Value");
  EXPECT_FALSE(Flag(out, &IOutput::get_IsDisplayable));
  out->put_IsDisplayable(VARIANT_TRUE);
  EXPECT_TRUE(output->IsDisplayableFlag());
  EXPECT_TRUE(Flag(display.get(), &IDisplayItem::get_IsDisplayable));

  // The display views never show a connection, the output interface does.
  Connect(*output, true);
  EXPECT_TRUE(Flag(out, &IOutput::get_IsConnected));
  EXPECT_FALSE(Flag(display.get(), &IDisplayItem::get_IsConnected));
}

TEST_F(OutputPoints, ReferenceCombinesIndexAndExportIndex) {
  Add("A");
  auto output = Add("B");
  auto reference = [&] { return Text(output.get(), &IDisplayItem::get_Reference); };
  owner->put_ExportIndex(3);
  EXPECT_EQ(reference(), "4103");  // 16384 + 256 + 3
  owner->exportIndexAnswers = false;
  EXPECT_EQ(reference(), "4100");
  output->SetParent(nullptr);
  EXPECT_EQ(reference(), "4100");
  output->SetIndex(191);
  EXPECT_EQ(reference(), "FF00");
  output->SetIndex(192);
  EXPECT_EQ(reference(), "FFFF") << "above 65535";
}

TEST_F(OutputPoints, ConnectionsAreShownAsInputChannels) {
  // The counting itself is the inputs' (InputPoints); an output shows its
  // channel under the input kinds.
  owner->window = qcom::Make<testing_support::RecordingEditor>();
  auto output = Add("Analog (1) Value");
  Connect(*output, true);
  EXPECT_TRUE(Flag(output.get(), &IOutput::get_IsConnected));
  EXPECT_EQ(output->ConnectionCount(), 1);
  Connect(*output, false);
  EXPECT_FALSE(Flag(output.get(), &IOutput::get_IsConnected));
  EXPECT_EQ(analog->setTo, (std::vector<bool>{true, false}));
  EXPECT_EQ(owner->window->calls,
            (Lines{"connected AI EB1\\AI\\1 true", "connected DI EB1\\AI\\1 true",
                   "connected AI EB1\\AI\\1 false", "connected DI EB1\\AI\\1 false"}));

  // An output without a channel only counts.
  std::string name = "Loose", type = "105";
  auto loose = outputs->AddOutput(name, type, static_cast<IAppObject*>(owner.get()), nullptr);
  ASSERT_TRUE(loose);
  owner->window->calls.clear();
  Connect(*loose, true);
  EXPECT_TRUE(loose->IsConnectedFlag());
  EXPECT_TRUE(owner->window->calls.empty());
}

TEST_F(OutputPoints, MacroConnectionIsFoundInTheOutputList) {
  auto device = testing_support::MacroDevice::Make();
  owner->SetParent(device.get());
  auto listed = Add("Analog (1) Value");
  auto inputOnly = Add("Analog (2) Value");
  device->Set()->Outputs()->AddSingle("G\\ROU\\Other").AddSingle("G\\ROU\\Analog (1) Value");
  device->Set()->Inputs()->AddItems({"G\\ROU\\Analog (2) Value"});
  EXPECT_TRUE(Flag(listed.get(), &IOutput::get_IsMacroConnected));
  EXPECT_FALSE(Flag(inputOnly.get(), &IOutput::get_IsMacroConnected));
  owner->SetParent(qcom::Make<testing_support::HostedAppObject>().get());
  EXPECT_FALSE(Flag(listed.get(), &IOutput::get_IsMacroConnected))
      << "a parent that holds no macros";
}

}  // namespace
}  // namespace points_test
