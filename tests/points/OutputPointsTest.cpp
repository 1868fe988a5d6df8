#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "points/PointFixture.h"

namespace points_test {
namespace {

using qcom::ComPtr;

// Outputs of the analog channel 0. The outputs a whole channel brings are
// pinned where the application object adds them (AppObjectPoints).
class OutputPoints : public PointsFixture {
 protected:
  ComPtr<CDBOutput> Add(std::string name, std::string type = "105") {
    return AddOut(std::move(name), analog.get(), std::move(type));
  }
  // Name and index of every output, in collection order.
  Lines Order() const {
    Lines lines;
    for (const auto& entry : outputs->Items())
      lines.push_back(entry.item->NameText() + " " + std::to_string(entry.item->IndexValue()));
    return lines;
  }
  ComPtr<FakeChannel> analog = Channel("Analog (0)", "EB1\\AI\\1");
};

TEST_F(OutputPoints, OneAddOutputCallByName) {
  // Into an empty collection: the output made, whether the display may write
  // it, what the sinks hear, and the name and type the caller is left with.
  // The value output of analog input 0 first brings its alarm status; an
  // output that follows one not there yet is announced but left out.
  const std::tuple<const char*, const char*, size_t> cases[] = {
      {"Analog (0) Value", "AI AlarmStatus 83 - RefOutAdded \\AI AlarmStatus > AI AlarmStatus|105",
       1},
      {"ai alarmstatus",
       "analog (0) value 105 - RefOutAddedBefore \\analog (0) value \\AI AlarmStatus > |", 0},
      {"Analog (1) Value", "Analog (1) Value 105 - RefOutAdded \\Analog (1) Value > |", 1},
      {"binary (0) counter", "binary (0) counter 105 w RefOutAdded \\binary (0) counter > |", 1},
      {"Binary (1) Counter",
       "Binary (1) Counter 105 w RefOutAddedBefore \\Binary (1) Counter \\Binary (0) Counter > |",
       0},
      {"Binary (7) Counter",
       "Binary (7) Counter 105 w RefOutAddedBefore \\Binary (7) Counter \\Binary (6) Counter > |",
       0},
      {"Binary (8) Counter", "Binary (8) Counter 105 - RefOutAdded \\Binary (8) Counter > |", 1}};
  for (auto [added, expected, kept] : cases) {
    auto fresh = qcom::Make<CDBOutputs>();
    auto sink = qcom::Make<testing_support::RecordingSink>();
    fresh->CallBack(sink.get());
    std::string name = added, type = "105";
    auto output = fresh->AddOutput(name, type, static_cast<IAppObject*>(owner.get()), nullptr);
    ASSERT_TRUE(output) << added;
    EXPECT_EQ(output->NameText() + " " + output->SnvtId() + " " +
                  (output->IsDisplayWritable() ? "w " : "- ") + sink->calls.at(0) + " > " + name +
                  "|" + type,
              expected);
    EXPECT_EQ(fresh->Count(), kept) << added;
  }
  std::string name, type = "105";
  EXPECT_FALSE(outputs->AddOutput(name, type, nullptr, nullptr)) << "nothing for an empty name";
  EXPECT_TRUE(first->calls.empty());
}

TEST_F(OutputPoints, InsertedAfterTheirPredecessorRenumberedAndRemovedFirstToLast) {
  Add("Binary (0) Counter");
  Add("Analog (1) Value");
  Add("Binary (1) Counter");
  Add("Binary (2) Counter");
  EXPECT_EQ(Order(), (Lines{"Binary (0) Counter 0", "Binary (1) Counter 1", "Binary (2) Counter 2",
                            "Analog (1) Value 3"}));
  EXPECT_EQ(second->calls, first->calls) << "every sink hears of every output";

  // A name already taken: the collection keeps the first output, but the
  // renumbering starts at the existing one; Renumber compares names exactly.
  outputs->Items().At(1)->SetIndex(42);
  outputs->Items().At(2)->SetIndex(7);
  auto again = Add("Binary (1) Counter");
  EXPECT_NE(again.get(), outputs->Items().At(2).get());
  EXPECT_EQ(Order(), (Lines{"Binary (0) Counter 42", "Binary (1) Counter 1", "Binary (2) Counter 2",
                            "Analog (1) Value 3"}));
  outputs->Items().At(3)->SetIndex(7);
  outputs->Renumber("binary (2) counter");
  EXPECT_EQ(outputs->Items().At(3)->IndexValue(), 7);

  first->calls.clear();
  outputs->RemoveFirst();
  EXPECT_EQ(Order(), (Lines{"Binary (1) Counter 1", "Binary (2) Counter 7", "Analog (1) Value 3"}))
      << "the indexes are not renumbered";
  for (int i = 0; i < 4; ++i) outputs->RemoveFirst();
  EXPECT_EQ(outputs->Count(), 0u);
  EXPECT_EQ(first->calls, (Lines{"RefOutRemoved G\\ROU\\Binary (0) Counter",
                                 "RefOutRemoved G\\ROU\\Binary (1) Counter",
                                 "RefOutRemoved G\\ROU\\Binary (2) Counter",
                                 "RefOutRemoved G\\ROU\\Analog (1) Value"}));
}

TEST_F(OutputPoints, AnswersTheHostsInterfaces) {
  auto output = Add("Analog (1) Value");
  ASSERT_TRUE(output);
  IOutput* out = output.get();
  auto display = qcom::QueryAs<IDisplayItem>(out);
  ASSERT_TRUE(display);
  display->put_DisplayText(qcom::Bstr("shown elsewhere").get());
  EXPECT_EQ(Get(display.get(), &IDisplayItem::get_DisplayText), "Analog (1) Value")
      << "reading the display text resets it to the name";
  EXPECT_EQ(Get(display.get(), &IDisplayItem::get_Key), "X\\ROU\\Analog (1) Value");
  EXPECT_FALSE(Get(out, &IOutput::get_IsDisplayable));
  out->put_IsDisplayable(VARIANT_TRUE);
  EXPECT_TRUE(Get(display.get(), &IDisplayItem::get_IsDisplayable));

  // The display views never show a connection, the output interface does; an
  // output without a channel only counts.
  Connect(*output, true);
  EXPECT_TRUE(Get(out, &IOutput::get_IsConnected));
  EXPECT_FALSE(Get(display.get(), &IDisplayItem::get_IsConnected));
  Connect(*output, false);
  EXPECT_FALSE(Get(out, &IOutput::get_IsConnected));
  std::string name = "Loose", looseType = "105";
  auto loose = outputs->AddOutput(name, looseType, static_cast<IAppObject*>(owner.get()), nullptr);
  owner->window = qcom::Make<testing_support::RecordingEditor>();
  Connect(*loose, true);
  EXPECT_TRUE(loose->IsConnectedFlag());
  EXPECT_TRUE(owner->window->calls.empty());

  // The display reference combines the output's index and the object's export index.
  auto reference = [&] { return Get(output.get(), &IDisplayItem::get_Reference); };
  owner->put_ExportIndex(3);
  EXPECT_EQ(reference(), "4003");  // 16384 + 3
  owner->exportIndexAnswers = false;
  EXPECT_EQ(reference(), "4000");
  output->SetParent(nullptr);
  EXPECT_EQ(reference(), "4000");
  output->SetIndex(191);
  EXPECT_EQ(reference(), "FF00");
  output->SetIndex(192);
  EXPECT_EQ(reference(), "FFFF") << "above 65535";
}

TEST_F(OutputPoints, MacroConnectionIsFoundInTheOutputList) {
  auto device = testing_support::MacroDevice::Make();
  owner->SetParent(device.get());
  auto listed = Add("Analog (1) Value");
  auto inputOnly = Add("Analog (2) Value");
  device->Set()->Outputs()->AddSingle("G\\ROU\\Other").AddSingle("G\\ROU\\Analog (1) Value");
  device->Set()->Inputs()->AddItems({"G\\ROU\\Analog (2) Value"});
  EXPECT_TRUE(Get(listed.get(), &IOutput::get_IsMacroConnected));
  EXPECT_FALSE(Get(inputOnly.get(), &IOutput::get_IsMacroConnected));
  owner->SetParent(qcom::Make<testing_support::HostedAppObject>().get());
  EXPECT_FALSE(Get(listed.get(), &IOutput::get_IsMacroConnected))
      << "a parent that holds no macros";
}

}  // namespace
}  // namespace points_test
