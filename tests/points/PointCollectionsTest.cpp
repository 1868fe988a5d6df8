#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "com/Bstr.h"
#include "points/PointFixture.h"

namespace points_test {
namespace {

using qcom::ComPtr;

template <class I>
std::string NameOf(I* item) {
  return item ? Text(item, &I::get_Name) : "(none)";
}

class PointCollections : public PointsFixture {
 protected:
  ComPtr<FakeChannel> ai1 = Channel("Analog (0)", "EB1\\AI\\1");
  ComPtr<FakeChannel> ai2 = Channel("Analog (1)", "EB1\\AI\\2");
  ComPtr<FakeChannel> do1 = Channel("Binary (0)", "EB1\\DO\\1");
};

TEST_F(PointCollections, ItemFindsByKeyThenByPosition) {
  AddIn("Binary (0) Value", do1.get());
  AddIn("2", do1.get());
  AddIn("Third", do1.get());
  ComPtr<IInput> input;
  auto item = [&](qcom::Variant key) {
    EXPECT_EQ(inputs->get_Item(key.raw(), input.put()), S_OK);
    return NameOf(input.get());
  };
  EXPECT_EQ(item("binary (0) VALUE"), "Binary (0) Value");
  EXPECT_EQ(item("2"), "2") << "the text key wins over the position";
  EXPECT_EQ(item(int32_t{3}), "Third");
  EXPECT_EQ(item(int16_t{1}), "Binary (0) Value");
  EXPECT_EQ(item(3.0), "Third");
  EXPECT_EQ(item("3 apples"), "Third") << "a position is read from the key's leading number";
  for (qcom::Variant none :
       {qcom::Variant("4"), qcom::Variant("nope"), qcom::Variant(int32_t{0}), qcom::Variant()})
    EXPECT_EQ(item(none), "(none)");

  AddOut("Analog (1) Value", ai2.get());
  AddOut("Analog (0) Value", ai1.get());
  ComPtr<IOutput> output;
  EXPECT_EQ(outputs->get_Item(qcom::Variant("ai alarmstatus").raw(), output.put()), S_OK);
  EXPECT_EQ(NameOf(output.get()), "AI AlarmStatus");
  outputs->get_Item(qcom::Variant(int32_t{3}).raw(), output.put());
  EXPECT_EQ(NameOf(output.get()), "analog (0) value");
  outputs->get_Item(qcom::Variant("9").raw(), output.put());
  EXPECT_FALSE(output);
  EXPECT_EQ(Number(outputs.get(), &CDBOutputs::get_Count), 3);
  EXPECT_EQ(Number(inputs.get(), &CDBInputs::get_Count), 3);
}

TEST_F(PointCollections, NewEnumListsThePointsInCollectionOrder) {
  AddIn("In A", do1.get());
  AddIn("In B", do1.get());
  ComPtr<IUnknown> unknown;
  ASSERT_EQ(inputs->get__NewEnum(unknown.put()), S_OK);
  Lines names;
  for (const auto& input : EnumerateAs<IInput>(unknown.get())) names.push_back(NameOf(input.get()));
  EXPECT_EQ(names, (Lines{"In A", "In B"}));

  AddOut("Binary (0) Counter", ai1.get());
  AddOut("Analog (0) Value", ai1.get());
  AddOut("Binary (1) Counter", ai2.get());
  // The collection's own enumerator and the host interface's are the same.
  ComPtr<_CDBOutputs> own(static_cast<_CDBOutputs*>(outputs.get()));
  ASSERT_EQ(own->get__NewEnum(unknown.put()), S_OK);
  names.clear();
  for (const auto& output : EnumerateAs<IOutput>(unknown.get()))
    names.push_back(NameOf(output.get()));
  EXPECT_EQ(names, (Lines{"Binary (0) Counter", "Binary (1) Counter", "AI AlarmStatus",
                          "analog (0) value"}));
}

TEST_F(PointCollections, RemoveByChannelTakesEveryPointOfTheChannel) {
  AddOut("Analog (0) Value", ai1.get());
  AddOut("Analog (1) Value", ai2.get());
  AddOut("Extra", ai1.get());
  first->calls.clear();
  second->calls.clear();

  outputs->RemoveByChannel(ai1.get());
  ASSERT_EQ(outputs->Count(), 1u);
  EXPECT_EQ(outputs->Items().At(1)->NameText(), "Analog (1) Value");
  EXPECT_EQ(first->calls,
            (Lines{"RefOutRemoved G\\ROU\\AI AlarmStatus", "RefOutRemoved G\\ROU\\analog (0) value",
                   "RefOutRemoved G\\ROU\\Extra"}));
  EXPECT_EQ(second->calls, first->calls);

  // Matched by the channel's key in exact letter case; nothing for no channel.
  first->calls.clear();
  outputs->RemoveByChannel(Channel("Analog (1)", "eb1\\ai\\2").get());
  outputs->RemoveByChannel(nullptr);
  outputs->RemoveByChannel(ai1.get());
  EXPECT_EQ(outputs->Count(), 1u);
  EXPECT_TRUE(first->calls.empty());

  AddIn("Binary (0) Value", do1.get());
  AddIn("Binary (0) Other", do1.get());
  AddIn("Stays", Channel("Binary (1)", "EB1\\DO\\2").get());
  first->calls.clear();
  inputs->RemoveByChannel(Channel("same key", "EB1\\DO\\1").get());
  EXPECT_EQ(inputs->Count(), 1u);
  EXPECT_EQ(inputs->Items().At(1)->NameText(), "Stays");
  EXPECT_EQ(first->calls, (Lines{"RefInRemoved G\\RIN\\Binary (0) Value",
                                 "RefInRemoved G\\RIN\\Binary (0) Other"}));
}

TEST_F(PointCollections, NewCollectionKeysReachEveryPoint) {
  AddIn("Binary (0) Value", do1.get());
  AddOut("Analog (0) Value", ai1.get());
  inputs->SetGlobalKey("OBJ7\\RIN");
  inputs->SetExtendedKey("DEV\\OBJ7\\RIN");
  outputs->SetGlobalKey("OBJ7\\ROU");
  outputs->SetExtendedKey("DEV\\OBJ7\\ROU");

  auto input = inputs->Items().At(1);
  EXPECT_EQ(input->GlobalKeyText(), "OBJ7\\RIN\\Binary (0) Value");
  EXPECT_EQ(input->ExtendedKeyText(), "DEV\\OBJ7\\RIN\\Binary (0) Value");
  for (const auto& entry : outputs->Items()) {
    EXPECT_EQ(entry.item->GlobalKeyText(), "OBJ7\\ROU\\" + entry.item->NameText());
    EXPECT_EQ(entry.item->ExtendedKeyText(), "DEV\\OBJ7\\ROU\\" + entry.item->NameText());
  }
  EXPECT_EQ(Text(outputs.get(), &CDBOutputs::get_GlobalKey), "OBJ7\\ROU");
  EXPECT_EQ(Text(outputs.get(), &CDBOutputs::get_ExtendedKey), "DEV\\OBJ7\\ROU");
  EXPECT_EQ(Text(inputs.get(), &CDBInputs::get_GlobalKey), "OBJ7\\RIN");
  EXPECT_EQ(Text(inputs.get(), &CDBInputs::get_ExtendedKey), "DEV\\OBJ7\\RIN");

  // Later points take the new keys, and so do their announcements.
  first->calls.clear();
  AddOut("Analog (1) Value", ai2.get());
  EXPECT_EQ(first->calls, (Lines{"RefOutAdded OBJ7\\ROU\\Analog (1) Value"}));
}

TEST_F(PointCollections, ReleasingEverythingAfterDestroyLeavesNoObject) {
  const int32_t before = qcom::ThisModule().objects.load();
  {
    auto app = qcom::Make<FakeOwner>();
    app->window = qcom::Make<testing_support::RecordingEditor>();
    auto in = qcom::Make<CDBInputs>();
    auto out = qcom::Make<CDBOutputs>();
    auto host = qcom::Make<testing_support::RecordingSink>();
    in->CallBack(host.get());
    out->CallBack(host.get());
    app->owned = {ComPtr<IUnknown>(in->Identity()), ComPtr<IUnknown>(out->Identity())};
    auto channel = Channel("Analog (0)", "EB1\\AI\\1");
    auto parent = static_cast<IAppObject*>(app.get());
    std::string name = "Analog (0) Value", type = "105";
    while (!name.empty()) out->AddOutput(name, type, parent, channel.get());
    auto input = in->AddInput("Analog (0) Set", "105,83", parent, channel.get());
    ASSERT_TRUE(input);
    Connect(*input, true);
    static_cast<IOutput*>(out->Items().At(1).get())->put_CallBack(host.get());
    ComPtr<IUnknown> enumerator;
    out->get__NewEnum(enumerator.put());
    ComPtr<IDispatch> copy;
    qcom::QueryAs<IClonable>(&input->Compatibles())->Clone(copy.put());
    EXPECT_GT(qcom::ThisModule().objects.load(), before);
    app->Destroy();
  }
  EXPECT_EQ(qcom::ThisModule().objects.load(), before);
}

}  // namespace
}  // namespace points_test
