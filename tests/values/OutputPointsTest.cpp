#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "com/Bstr.h"
#include "support/FakeMacroHost.h"
#include "support/RecordingEditor.h"
#include "support/RecordingSink.h"
#include "values/CDBOutput.h"
#include "values/CDBOutputs.h"
#include "values/CatalogueFixture.h"
#include "values/PointChecks.h"
#include "values/PointFakes.h"

namespace {

using points_test::Connect;
using points_test::FakeChannel;
using points_test::FakeOwner;
using points_test::Flag;
using points_test::Text;
using qcom::ComPtr;
using testing_support::RecordingEditor;
using testing_support::RecordingSink;
using Lines = std::vector<std::string>;

constexpr const char* kTypes = R"(
  <SNVT_83><NAME>SNVT_alarm</NAME><TYPE>Enum</TYPE><Enums><OK>0</OK><ALARM>1</ALARM></Enums></SNVT_83>
  <SNVT_105><NAME>SNVT_temp_p</NAME><TYPE>SignedNumeric</TYPE><LENGTH>2</LENGTH></SNVT_105>
  <SNVT_8><NAME>SNVT_count</NAME><TYPE>UnsignedNumeric</TYPE><LENGTH>2</LENGTH></SNVT_8>)";

IOutput* AsOutput(const ComPtr<CDBOutput>& output) {
  return static_cast<IOutput*>(output.get());
}

IDisplayItem* AsDisplay(const ComPtr<CDBOutput>& output) {
  return static_cast<IDisplayItem*>(output.get());
}

class OutputPoints : public CatalogueFixture {
 protected:
  void SetUp() override {
    UseCatalogue(kTypes);
    points_test::KeyAndListen(*outputs, "G\\ROU", "X\\ROU", first.get(), second.get());
  }

  // One AddOutput call; the texts the caller is left with go to `name` and `type`.
  ComPtr<CDBOutput> AddOnce(std::string& name, std::string& type, IChannelLink* channel = nullptr) {
    return outputs->AddOutput(name, type, static_cast<IAppObject*>(owner.get()),
                              channel ? channel : analog.get());
  }

  // As the application object adds a channel's output: again while a name is left.
  ComPtr<CDBOutput> Add(std::string name, std::string type = "105",
                        IChannelLink* channel = nullptr) {
    ComPtr<CDBOutput> last;
    while (!name.empty()) last = AddOnce(name, type, channel);
    return last;
  }

  // Name and index of every output, in collection order.
  Lines Order() const {
    Lines lines;
    for (const auto& entry : outputs->Items())
      lines.push_back(entry.item->GetName() + " " + std::to_string(entry.item->IndexValue()));
    return lines;
  }

  ComPtr<FakeOwner> owner = qcom::Make<FakeOwner>();
  ComPtr<CDBOutputs> outputs = qcom::Make<CDBOutputs>();
  ComPtr<RecordingSink> first = qcom::Make<RecordingSink>();
  ComPtr<RecordingSink> second = qcom::Make<RecordingSink>();
  ComPtr<FakeChannel> analog = qcom::Make<FakeChannel>("Analog (0)", "EB1\\AI\\1");
};

}  // namespace

TEST_F(OutputPoints, TheFirstAnalogValueComesWithItsAlarmStatus) {
  std::string name = "Analog (0) Value", type = "105";
  auto alarm = AddOnce(name, type);
  ASSERT_TRUE(alarm);
  EXPECT_EQ(alarm->GetName(), "AI AlarmStatus");
  EXPECT_EQ(alarm->SnvtId(), "83");
  EXPECT_EQ(alarm->Type().Name(), "SNVT_alarm");
  EXPECT_EQ(name, "AI AlarmStatus") << "the caller is sent back for the value output";
  EXPECT_EQ(type, "105");

  auto value = AddOnce(name, type);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->GetName(), "analog (0) value");
  EXPECT_EQ(value->SnvtId(), "105");
  EXPECT_EQ(Text(AsOutput(value), &IOutput::get_GlobalKey), "G\\ROU\\analog (0) value");
  EXPECT_EQ(Text(AsOutput(value), &IOutput::get_ExtendedKey), "X\\ROU\\analog (0) value");
  EXPECT_EQ(name, "");
  EXPECT_EQ(type, "");
  EXPECT_EQ(Order(), (Lines{"AI AlarmStatus 0", "analog (0) value 1"}));

  const Lines announced{"RefOutAdded G\\ROU\\AI AlarmStatus",
                        "RefOutAddedBefore G\\ROU\\analog (0) value G\\ROU\\AI AlarmStatus"};
  EXPECT_EQ(first->calls, announced);
  EXPECT_EQ(second->calls, announced);
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
  EXPECT_EQ(name, "");
  EXPECT_EQ(type, "");
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
  EXPECT_TRUE(two->IsDisplayWritable());
  EXPECT_TRUE(Flag(AsOutput(two), &IOutput::get_DisplayWritable));
  EXPECT_TRUE(Flag(AsDisplay(two), &IDisplayItem::get_IsWritable));

  EXPECT_EQ(first->calls,
            (Lines{"RefOutAddedBefore G\\ROU\\Binary (2) Counter G\\ROU\\Binary (1) Counter",
                   "RefOutAdded G\\ROU\\Binary (0) Counter", "RefOutAdded G\\ROU\\Analog (1) Value",
                   "RefOutAddedBefore G\\ROU\\binary (1) counter G\\ROU\\Binary (0) Counter",
                   "RefOutAddedBefore G\\ROU\\Binary (2) Counter G\\ROU\\Binary (1) Counter"}));
  EXPECT_EQ(second->calls, first->calls);
}

TEST_F(OutputPoints, AnOutputThatCannotBeInsertedIsStillAnnouncedAndReturned) {
  // The value output without its alarm status output.
  std::string name = "AI AlarmStatus", type = "105";
  auto value = AddOnce(name, type);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->GetName(), "analog (0) value");
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
  auto pairValue = Add("Analog (0) Value");
  EXPECT_EQ(pairValue->GetName(), "analog (0) value");
  EXPECT_EQ(outputs->Count(), 4u);
  EXPECT_EQ(first->calls,
            (Lines{"RefOutAdded G\\ROU\\AI AlarmStatus",
                   "RefOutAddedBefore G\\ROU\\analog (0) value G\\ROU\\AI AlarmStatus"}));
}

TEST_F(OutputPoints, RenumberStartsAtTheNamedOutput) {
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
}

TEST_F(OutputPoints, AnswersTheHostsInterfaces) {
  auto output = Add("Analog (1) Value");
  ASSERT_TRUE(output);
  IOutput* out = AsOutput(output);
  LONG number = 0;
  out->get_NodeType(&number);
  EXPECT_EQ(number, 8);
  out->get_Index(&number);
  EXPECT_EQ(number, 0);
  EXPECT_TRUE(Flag(out, &IOutput::get_Visible));
  EXPECT_FALSE(Flag(out, &IOutput::get_IsTypeDependent));
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
  connable->get_ItemType(&number);
  EXPECT_EQ(number, 8);
  ComPtr<ISNVType> sameType;
  connable->get_SNVTType(sameType.put());
  EXPECT_EQ(sameType.get(), type.get());

  auto display = qcom::QueryAs<IDisplayItem>(out);
  ASSERT_TRUE(display);
  qcom::Bstr shown("shown elsewhere");
  display->put_DisplayText(shown.get());
  EXPECT_EQ(Text(display.get(), &IDisplayItem::get_DisplayText), "Analog (1) Value")
      << "reading the display text resets it to the name";
  EXPECT_EQ(Text(display.get(), &IDisplayItem::get_Key), "X\\ROU\\Analog (1) Value");
  display->get_itemType(&number);
  EXPECT_EQ(number, 10);
  display->get_Icon(&number);
  EXPECT_EQ(number, 0);
  EXPECT_FALSE(Flag(display.get(), &IDisplayItem::get_IsTrendable));
  ComPtr<IDispatch> fields;
  EXPECT_EQ(display->get_Fields(fields.put()), S_OK);
  EXPECT_FALSE(fields);

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
  auto second = Add("B");
  auto display = AsDisplay(second);
  owner->put_ExportIndex(3);
  EXPECT_EQ(Text(display, &IDisplayItem::get_Reference), "4103");  // 16384 + 256 + 3
  owner->exportIndexAnswers = false;
  EXPECT_EQ(Text(display, &IDisplayItem::get_Reference), "4100");
  second->SetParent(nullptr);
  EXPECT_EQ(Text(display, &IDisplayItem::get_Reference), "4100");
  second->SetIndex(191);
  EXPECT_EQ(Text(display, &IDisplayItem::get_Reference), "FF00");
  second->SetIndex(192);
  EXPECT_EQ(Text(display, &IDisplayItem::get_Reference), "FFFF") << "above 65535";
}

TEST_F(OutputPoints, ConnectionsAreShownAsInputChannels) {
  owner->window = qcom::Make<RecordingEditor>();
  auto output = Add("Analog (1) Value", "105", analog.get());
  Connect(*output, true);
  Connect(*output, true);
  Connect(*output, false);
  EXPECT_TRUE(Flag(AsOutput(output), &IOutput::get_IsConnected));
  EXPECT_EQ(output->ConnectionCount(), 1);
  Connect(*output, false);
  EXPECT_FALSE(Flag(AsOutput(output), &IOutput::get_IsConnected));
  EXPECT_EQ(analog->setTo, (std::vector<bool>{true, true, false, false}));
  EXPECT_EQ(owner->window->calls,
            (Lines{"connected AI EB1\\AI\\1 true", "connected DI EB1\\AI\\1 true",
                   "connected AI EB1\\AI\\1 true", "connected DI EB1\\AI\\1 true",
                   "connected AI EB1\\AI\\1 false", "connected DI EB1\\AI\\1 false",
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
  EXPECT_TRUE(Flag(AsOutput(listed), &IOutput::get_IsMacroConnected));
  EXPECT_FALSE(Flag(AsOutput(inputOnly), &IOutput::get_IsMacroConnected));
  owner->SetParent(qcom::Make<testing_support::HostedAppObject>().get());
  EXPECT_FALSE(Flag(AsOutput(listed), &IOutput::get_IsMacroConnected))
      << "a parent that holds no macros";
}

TEST_F(OutputPoints, RemoveFirstTakesTheFirstOutput) {
  Add("Analog (0) Value");
  first->calls.clear();
  second->calls.clear();
  outputs->RemoveFirst();
  EXPECT_EQ(Order(), (Lines{"analog (0) value 1"})) << "the indexes are not renumbered";
  outputs->RemoveFirst();
  outputs->RemoveFirst();
  EXPECT_EQ(outputs->Count(), 0u);
  EXPECT_EQ(first->calls, (Lines{"RefOutRemoved G\\ROU\\AI AlarmStatus",
                                 "RefOutRemoved G\\ROU\\analog (0) value"}));
  EXPECT_EQ(second->calls, first->calls);
}
