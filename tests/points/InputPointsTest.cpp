#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "com/Bstr.h"
#include "points/PointFixture.h"

namespace points_test {
namespace {

using qcom::ComPtr;

class InputPoints : public PointsFixture {
 protected:
  ComPtr<FakeChannel> binary = Channel("Binary (1)", "EB1\\DO\\1");
  ComPtr<FakeChannel> analog = Channel("Analog (0)", "EB1\\AO\\1");
};

TEST_F(InputPoints, TheChannelNameSetsTheValueWidth) {
  auto b = AddIn("Binary (1) Value", binary.get());
  auto a = AddIn("Analog (0) Value", analog.get());
  auto lower = AddIn("binary (2) Value", Channel("binary (2)", "K2").get());
  auto shortName = AddIn("BIN", Channel("BIN", "K3").get());
  ASSERT_TRUE(b && a && lower && shortName);

  EXPECT_EQ(b->ValueText(), "0000");
  EXPECT_FALSE(Flag(b.get(), &IInput::get_Extended));
  EXPECT_EQ(a->ValueText(), "000000");
  EXPECT_TRUE(Flag(a.get(), &IInput::get_Extended));
  EXPECT_FALSE(lower->IsExtended()) << "any letter case";
  EXPECT_TRUE(shortName->IsExtended());

  // The stream falls back to zeros of the input's width when no value is stored.
  b->put_Value(qcom::Bstr("").get());
  a->put_Value(qcom::Bstr("").get());
  EXPECT_EQ(b->ValueOrDefault(), "0000");
  EXPECT_EQ(a->ValueOrDefault(), "000000");
  b->put_Value(qcom::Bstr("12AB").get());
  EXPECT_EQ(Text(b.get(), &IInput::get_Value), "12AB");
  EXPECT_EQ(b->ValueOrDefault(), "12AB");
}

TEST_F(InputPoints, AddInputNumbersKeysAndAnnouncesToEverySink) {
  auto a = AddIn("Analog (0) Value", analog.get(), "83,105");
  auto b = AddIn("Binary (1) Value", binary.get(), "95");
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
  EXPECT_EQ(first->calls,
            (Lines{"RefInAdded G\\RIN\\Analog (0) Value", "RefInAdded G\\RIN\\Binary (1) Value"}));
  EXPECT_EQ(second->calls, first->calls);

  // The connection view of the host has the same key and no type.
  auto connable = qcom::QueryAs<ISubItemConnable>(static_cast<IInput*>(a.get()));
  ASSERT_TRUE(connable);
  EXPECT_EQ(Text(connable.get(), &ISubItemConnable::get_GlobalKey), "G\\RIN\\Analog (0) Value");
  ComPtr<ISNVType> type;
  EXPECT_EQ(connable->get_SNVTType(type.put()), S_OK);
  EXPECT_FALSE(type);

  // ConnectedType is the host's type object, kept as given.
  ComPtr<IDispatch> connectedType;
  a->get_ConnectedType(connectedType.put());
  EXPECT_FALSE(connectedType);
  auto hostType = qcom::Make<testing_support::HostedAppObject>();
  connable->put_ConnectedType(static_cast<IAppObject*>(hostType.get()));
  a->get_ConnectedType(connectedType.put());
  EXPECT_EQ(connectedType.get(), static_cast<IAppObject*>(hostType.get()));
}

TEST_F(InputPoints, AFailedAddLeavesNoTrace) {
  ASSERT_TRUE(AddIn("Binary (1) Value", binary.get()));
  first->calls.clear();
  EXPECT_FALSE(AddIn("", binary.get()));
  EXPECT_FALSE(AddIn("BINARY (1) VALUE", analog.get())) << "names are unique in any letter case";
  EXPECT_FALSE(AddIn("Analog (0) Value", nullptr)) << "an input belongs to a channel";
  EXPECT_EQ(inputs->Count(), 1u);
  EXPECT_TRUE(first->calls.empty());

  // The next input still gets the next position.
  auto next = AddIn("Analog (0) Value", analog.get());
  ASSERT_TRUE(next);
  EXPECT_EQ(next->IndexValue(), 1);
  EXPECT_EQ(inputs->put_CallBack(nullptr), E_POINTER);
}

TEST_F(InputPoints, ConnectionsAreCountedAndShownAsOutputChannels) {
  owner->window = qcom::Make<testing_support::RecordingEditor>();
  auto counting = qcom::Make<CountingChannel>("Analog (0)", "EB1\\AO\\1");
  auto input = AddIn("Analog (0) Value", counting.get());
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
  auto plain = AddIn("Binary (1) Value", binary.get());
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
  auto plain = AddIn("Analog (0) Value", analog.get());
  auto grouped = AddIn("Binary (1) Value", binary.get());
  auto absent = AddIn("Analog (1) Value", Channel("Analog (1)", "EB1\\AO\\2").get());
  auto asOutput = AddIn("Analog (2) Value", Channel("Analog (2)", "EB1\\AO\\3").get());
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

}  // namespace
}  // namespace points_test
