#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "com/Bstr.h"
#include "support/FakeMacroHost.h"
#include "support/RecordingEditor.h"
#include "support/RecordingSink.h"
#include "values/CDBInput.h"
#include "values/CDBInputs.h"
#include "values/PointChecks.h"
#include "values/PointFakes.h"

namespace {

using points_test::Connect;
using points_test::CountingChannel;
using points_test::FakeChannel;
using points_test::FakeOwner;
using points_test::Flag;
using points_test::Number;
using points_test::Text;
using qcom::ComPtr;
using testing_support::RecordingEditor;
using testing_support::RecordingSink;
using Lines = std::vector<std::string>;

class InputPoints : public ::testing::Test {
 protected:
  void SetUp() override {
    points_test::KeyAndListen(*inputs, "G\\RIN", "X\\RIN", first.get(), second.get());
  }

  ComPtr<CDBInput> Add(const std::string& name, IChannelLink* channel,
                       const std::string& ids = "") {
    return inputs->AddInput(name, ids, owner.get(), channel);
  }

  ComPtr<FakeOwner> owner = qcom::Make<FakeOwner>();
  ComPtr<CDBInputs> inputs = qcom::Make<CDBInputs>();
  ComPtr<RecordingSink> first = qcom::Make<RecordingSink>();
  ComPtr<RecordingSink> second = qcom::Make<RecordingSink>();
  ComPtr<FakeChannel> binary = qcom::Make<FakeChannel>("Binary (1)", "EB1\\DO\\1");
  ComPtr<FakeChannel> analog = qcom::Make<FakeChannel>("Analog (0)", "EB1\\AO\\1");
};

}  // namespace

TEST_F(InputPoints, TheChannelNameSetsTheValueWidth) {
  auto b = Add("Binary (1) Value", binary.get());
  auto a = Add("Analog (0) Value", analog.get());
  auto lower = Add("binary (2) Value", qcom::Make<FakeChannel>("binary (2)", "K2").get());
  auto shortName = Add("BIN", qcom::Make<FakeChannel>("BIN", "K3").get());
  ASSERT_TRUE(b && a && lower && shortName);

  EXPECT_EQ(b->ValueText(), "0000");
  EXPECT_FALSE(b->IsExtended());
  EXPECT_FALSE(Flag(b.get(), &IInput::get_Extended));
  EXPECT_EQ(a->ValueText(), "000000");
  EXPECT_TRUE(a->IsExtended());
  EXPECT_TRUE(Flag(a.get(), &IInput::get_Extended));
  EXPECT_FALSE(lower->IsExtended()) << "any letter case";
  EXPECT_TRUE(shortName->IsExtended());

  // The stream falls back to zeros of the input's width when no value is stored.
  qcom::Bstr empty(""), value("12AB");
  b->put_Value(empty.get());
  a->put_Value(empty.get());
  EXPECT_EQ(b->ValueOrDefault(), "0000");
  EXPECT_EQ(a->ValueOrDefault(), "000000");
  b->put_Value(value.get());
  EXPECT_EQ(Text(b.get(), &IInput::get_Value), "12AB");
  EXPECT_EQ(b->ValueOrDefault(), "12AB");
}

TEST_F(InputPoints, AddInputNumbersKeysAndAnnouncesToEverySink) {
  auto a = Add("Analog (0) Value", analog.get(), "83,105");
  auto b = Add("Binary (1) Value", binary.get(), "95");
  ASSERT_TRUE(a && b);
  EXPECT_EQ(inputs->Count(), 2u);

  EXPECT_EQ(Text(a.get(), &IInput::get_Name), "Analog (0) Value");
  EXPECT_EQ(Text(a.get(), &IInput::get_GlobalKey), "G\\RIN\\Analog (0) Value");
  EXPECT_EQ(Text(a.get(), &IInput::get_ExtendedKey), "X\\RIN\\Analog (0) Value");
  EXPECT_EQ(Number(a.get(), &IInput::get_Index), 0);
  EXPECT_EQ(Number(b.get(), &IInput::get_Index), 1);
  EXPECT_EQ(a->Compatibles().ToText(), "83,105");
  ComPtr<ICompatibleSNVTs> list;
  a->get_SNVTCompatibles(list.put());
  EXPECT_EQ(list.get(), static_cast<ICompatibleSNVTs*>(&a->Compatibles()));
  ComPtr<IDispatch> parent;
  a->get_Parent(parent.put());
  EXPECT_EQ(parent.get(), static_cast<IAppObject*>(owner.get()));
  EXPECT_EQ(a->GetChannelGlobalKey(), "EB1\\AO\\1");

  const Lines announced{"RefInAdded G\\RIN\\Analog (0) Value",
                        "RefInAdded G\\RIN\\Binary (1) Value"};
  EXPECT_EQ(first->calls, announced);
  EXPECT_EQ(second->calls, announced);

  // The fixed answers of the two interfaces.
  EXPECT_EQ(Number(a.get(), &IInput::get_NodeType), 7);
  EXPECT_EQ(Number(a.get(), &IInput::get_CDBPosition), 0);
  EXPECT_TRUE(Flag(a.get(), &IInput::get_Visible));
  EXPECT_FALSE(Flag(a.get(), &IInput::get_Mandatory));
  auto connable = qcom::QueryAs<ISubItemConnable>(static_cast<IInput*>(a.get()));
  ASSERT_TRUE(connable);
  LONG itemType = 0;
  connable->get_ItemType(&itemType);
  EXPECT_EQ(itemType, 7);
  qcom::Bstr key;
  connable->get_GlobalKey(key.out());
  EXPECT_EQ(key.utf8(), "G\\RIN\\Analog (0) Value");
  ComPtr<ISNVType> type;
  EXPECT_EQ(connable->get_SNVTType(type.put()), S_OK);
  EXPECT_FALSE(type);
  VARIANT_BOOL compatible = VARIANT_TRUE;
  connable->IsSNVTCompatible(nullptr, &compatible);
  EXPECT_EQ(compatible, VARIANT_FALSE);

  // ConnectedType is the host's type object, kept as given.
  ComPtr<IDispatch> connectedType;
  a->get_ConnectedType(connectedType.put());
  EXPECT_FALSE(connectedType);
  auto hostType = qcom::Make<testing_support::HostedAppObject>();
  connable->put_ConnectedType(static_cast<IAppObject*>(hostType.get()));
  a->get_ConnectedType(connectedType.put());
  EXPECT_EQ(connectedType.get(), static_cast<IAppObject*>(hostType.get()));
  qcom::Bstr ignored("x");
  EXPECT_EQ(a->put_changeType(ignored.get()), S_OK);
}

TEST_F(InputPoints, AFailedAddLeavesNoTrace) {
  ASSERT_TRUE(Add("Binary (1) Value", binary.get()));
  first->calls.clear();
  second->calls.clear();

  EXPECT_FALSE(Add("", binary.get()));
  EXPECT_FALSE(Add("BINARY (1) VALUE", analog.get())) << "names are unique in any letter case";
  EXPECT_FALSE(Add("Analog (0) Value", nullptr)) << "an input belongs to a channel";
  EXPECT_EQ(inputs->Count(), 1u);
  EXPECT_TRUE(first->calls.empty());
  EXPECT_TRUE(second->calls.empty());

  // The next input still gets the next position.
  auto next = Add("Analog (0) Value", analog.get());
  ASSERT_TRUE(next);
  EXPECT_EQ(next->IndexValue(), 1);
  EXPECT_EQ(inputs->put_CallBack(nullptr), E_POINTER);
}

TEST_F(InputPoints, ConnectionsAreCountedAndShownAsOutputChannels) {
  owner->window = qcom::Make<RecordingEditor>();
  auto counting = qcom::Make<CountingChannel>("Analog (0)", "EB1\\AO\\1");
  auto input = Add("Analog (0) Value", counting.get());
  ASSERT_TRUE(input);
  EXPECT_FALSE(Flag(input.get(), &IInput::get_IsConnected));

  Connect(*input, true);
  Connect(*input, true);
  Connect(*input, false);
  EXPECT_TRUE(Flag(input.get(), &IInput::get_IsConnected)) << "one connection is left";
  EXPECT_EQ(input->ConnectionCount(), 1);
  Connect(*input, false);
  EXPECT_FALSE(Flag(input.get(), &IInput::get_IsConnected));
  EXPECT_EQ(input->ConnectionCount(), 0);

  EXPECT_EQ(counting->setTo, (std::vector<bool>{true, true, false, false}));
  // The window shows what the channel reports, which stays connected while a
  // connection is left.
  EXPECT_EQ(owner->window->calls,
            (Lines{"connected AO EB1\\AO\\1 true", "connected DO EB1\\AO\\1 true",
                   "connected AO EB1\\AO\\1 true", "connected DO EB1\\AO\\1 true",
                   "connected AO EB1\\AO\\1 true", "connected DO EB1\\AO\\1 true",
                   "connected AO EB1\\AO\\1 false", "connected DO EB1\\AO\\1 false"}));

  // A channel that cannot tell its state is shown in the state just set.
  owner->window->calls.clear();
  auto plain = Add("Binary (1) Value", binary.get());
  Connect(*plain, true);
  Connect(*plain, true);
  Connect(*plain, false);
  EXPECT_EQ(owner->window->calls,
            (Lines{"connected AO EB1\\DO\\1 true", "connected DO EB1\\DO\\1 true",
                   "connected AO EB1\\DO\\1 true", "connected DO EB1\\DO\\1 true",
                   "connected AO EB1\\DO\\1 false", "connected DO EB1\\DO\\1 false"}));

  // Without a window, or with a parent that has none, only the count and the channel change.
  owner->window = nullptr;
  Connect(*plain, false);
  EXPECT_FALSE(Flag(plain.get(), &IInput::get_IsConnected));
  EXPECT_EQ(plain->ConnectionCount(), 0);
  EXPECT_EQ(binary->setTo, (std::vector<bool>{true, true, false, false}));
  auto stranger = qcom::Make<testing_support::HostedAppObject>();
  auto foreign =
      inputs->AddInput("Other", "", static_cast<IAppObject*>(stranger.get()), binary.get());
  ASSERT_TRUE(foreign);
  Connect(*foreign, true);
  EXPECT_TRUE(Flag(foreign.get(), &IInput::get_IsConnected));
  EXPECT_EQ(binary->setTo.back(), true);
}

TEST_F(InputPoints, MacroConnectionIsFoundInEntriesAndGroupSubEntries) {
  auto device = testing_support::MacroDevice::Make();
  owner->SetParent(device.get());
  auto plain = Add("Analog (0) Value", analog.get());
  auto grouped = Add("Binary (1) Value", binary.get());
  auto absent = Add("Analog (1) Value", qcom::Make<FakeChannel>("Analog (1)", "EB1\\AO\\2").get());
  auto asOutput =
      Add("Analog (2) Value", qcom::Make<FakeChannel>("Analog (2)", "EB1\\AO\\3").get());
  ASSERT_TRUE(plain && grouped && absent && asOutput);

  device->Set()->Inputs()->AddItems({"G\\RIN\\Elsewhere", "G\\RIN\\Analog (0) Value"});
  device->Set()->Inputs()->AddGroup({"G\\RIN\\Group"},
                                    {{"G\\RIN\\Nothing"}, {"x", "G\\RIN\\Binary (1) Value"}});
  device->Set()->Inputs()->AddItems({"g\\rin\\analog (1) value"});
  device->Set()->Outputs()->AddSingle("G\\RIN\\Analog (2) Value");
  device->Set()->Parameters()->AddItems({"G\\RIN\\Analog (1) Value"});

  EXPECT_TRUE(Flag(plain.get(), &IInput::get_IsMacroConnected));
  EXPECT_TRUE(Flag(grouped.get(), &IInput::get_IsMacroConnected)) << "found in a sub-entry";
  EXPECT_FALSE(Flag(absent.get(), &IInput::get_IsMacroConnected)) << "keys compare exactly";
  EXPECT_FALSE(Flag(asOutput.get(), &IInput::get_IsMacroConnected)) << "only the input list counts";

  owner->SetParent(nullptr);
  EXPECT_FALSE(Flag(plain.get(), &IInput::get_IsMacroConnected)) << "no device, no macros";
  auto orphan = inputs->AddInput("Orphan", "", nullptr, analog.get());
  ASSERT_TRUE(orphan);
  EXPECT_FALSE(Flag(orphan.get(), &IInput::get_IsMacroConnected));
}
