#include <gtest/gtest.h>

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

TEST_F(InputPoints, AddInputKeysNumbersAndSetsTheValueWidth) {
  // Inputs of channels named other than "binary...", in any case, carry three bytes.
  auto a = AddIn("Analog (0) Value", analog.get(), "83,105");
  auto b = AddIn("Binary (1) Value", Channel("binary (1)", "K1").get());
  auto shortName = AddIn("BIN", Channel("BIN", "K3").get());
  ASSERT_TRUE(a && b && shortName);
  EXPECT_EQ(Get(a.get(), &IInput::get_ExtendedKey), "X\\RIN\\Analog (0) Value");
  EXPECT_EQ(Get(b.get(), &IInput::get_Index), 1);
  EXPECT_EQ(a->Compatibles().ToText(), "83,105");
  EXPECT_EQ(second->calls, first->calls);
  EXPECT_TRUE(Get(a.get(), &IInput::get_Extended));
  EXPECT_FALSE(Get(b.get(), &IInput::get_Extended));
  EXPECT_TRUE(shortName->IsExtended());
  EXPECT_EQ(b->ValueText() + " " + a->ValueText(), "0000 000000");
  // The stream falls back to zeros of the input's width when no value is stored.
  a->put_Value(qcom::Bstr("").get());
  b->put_Value(qcom::Bstr("12AB").get());
  EXPECT_EQ(a->ValueOrDefault() + " " + b->ValueOrDefault(), "000000 12AB");

  // A failed add leaves no trace, and the next input still gets the next position.
  first->calls.clear();
  EXPECT_FALSE(AddIn("", binary.get()));
  EXPECT_FALSE(AddIn("BINARY (1) VALUE", analog.get())) << "names are unique in any letter case";
  EXPECT_FALSE(AddIn("Analog (1) Value", nullptr)) << "an input belongs to a channel";
  EXPECT_TRUE(first->calls.empty());
  EXPECT_EQ(AddIn("Analog (1) Value", analog.get())->IndexValue(), 3);
}

TEST_F(InputPoints, ConnectionsAreCountedAndShownAsOutputChannels) {
  // An output shows its channel under the input kinds (AppObjectPoints); an
  // input under the output kinds, as its channel reports it.
  owner->window = qcom::Make<testing_support::RecordingEditor>();
  auto counting = qcom::Make<CountingChannel>("Analog (0)", "EB1\\AO\\1");
  auto input = AddIn("Analog (0) Value", counting.get());
  auto plain = AddIn("Binary (1) Value", binary.get());
  for (bool connected : {true, true, false}) {
    Connect(*input, connected);
    Connect(*plain, connected);
  }
  EXPECT_TRUE(Get(input.get(), &IInput::get_IsConnected)) << "one connection is left";
  EXPECT_EQ(owner->window->calls,
            (Lines{"connected AO EB1\\AO\\1 true", "connected DO EB1\\AO\\1 true",
                   "connected AO EB1\\DO\\1 true", "connected DO EB1\\DO\\1 true",
                   "connected AO EB1\\AO\\1 true", "connected DO EB1\\AO\\1 true",
                   "connected AO EB1\\DO\\1 true", "connected DO EB1\\DO\\1 true",
                   "connected AO EB1\\AO\\1 true", "connected DO EB1\\AO\\1 true",
                   "connected AO EB1\\DO\\1 false", "connected DO EB1\\DO\\1 false"}))
      << "a channel that cannot tell its state is shown in the state just set";

  // Without a window, or with a parent that has none, only the count and the channel change.
  owner->window = nullptr;
  Connect(*input, false);
  EXPECT_FALSE(Get(input.get(), &IInput::get_IsConnected));
  EXPECT_EQ(input->ConnectionCount(), 0);
  EXPECT_EQ(counting->setTo, (std::vector<bool>{true, true, false, false}));
  auto stranger = qcom::Make<testing_support::HostedAppObject>();
  auto foreign =
      inputs->AddInput("Other", "", static_cast<IAppObject*>(stranger.get()), binary.get());
  Connect(*foreign, true);
  EXPECT_TRUE(Get(foreign.get(), &IInput::get_IsConnected));
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

  EXPECT_TRUE(Get(plain.get(), &IInput::get_IsMacroConnected));
  EXPECT_TRUE(Get(grouped.get(), &IInput::get_IsMacroConnected)) << "found in a sub-entry";
  EXPECT_FALSE(Get(absent.get(), &IInput::get_IsMacroConnected)) << "keys compare exactly";
  EXPECT_FALSE(Get(asOutput.get(), &IInput::get_IsMacroConnected)) << "only the input list counts";

  owner->SetParent(nullptr);
  EXPECT_FALSE(Get(plain.get(), &IInput::get_IsMacroConnected)) << "no device, no macros";
  auto orphan = inputs->AddInput("Orphan", "", nullptr, analog.get());
  EXPECT_FALSE(Get(orphan.get(), &IInput::get_IsMacroConnected));
}

}  // namespace
}  // namespace points_test
