#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "modules/ChannelFixture.h"
#include "points/PointFakes.h"

namespace {

using channel_tests::kAnalogInput;
using ChannelCollections = channel_tests::ChannelFixture;
using Lines = std::vector<std::string>;

const std::string kDigitalOutput =
    "<DO><Attributes><mode><SNVTTYPE>2</SNVTTYPE><DefaultValue>0</DefaultValue></mode>"
    "</Attributes><InReferences><Value>95</Value></InReferences></DO>";

std::string NameOf(_CDBAI* channel) {
  qcom::Bstr name;
  if (channel) channel->get_Name(name.out());
  return channel ? name.utf8() : "(null)";
}

TEST_F(ChannelCollections, ItemsArePositionsInModuleOrder) {
  for (int32_t i = 0; i < 3; ++i) ASSERT_TRUE(Load(*ais, kAnalogInput, 10 + i, i + 1));
  _CDBAIs* face = ais.get();
  LONG count = 0;
  EXPECT_EQ(face->get_Count(&count), S_OK);
  EXPECT_EQ(count, 3);
  // A key is read for its leading number; channels have no text keys.
  const std::pair<const char*, const char*> keys[] = {
      {"2", "Analog (11)"},      {" 3", "Analog (12)"}, {"1st", "Analog (10)"}, {"0", "(null)"},
      {"Analog (10)", "(null)"}, {"4", "(null)"},       {"-1", "(null)"},       {"", "(null)"}};
  for (auto [key, name] : keys) {
    qcom::ComPtr<_CDBAI> item;
    EXPECT_EQ(face->get_Item(qcom::Bstr(key).get(), item.put()), S_OK) << key;
    EXPECT_EQ(NameOf(item.get()), name) << key;
  }
  EXPECT_EQ(face->get_Item(nullptr, nullptr), E_POINTER);
  EXPECT_EQ(ais->Item("3"), ais->At(3));
  EXPECT_FALSE(ais->Item("three") || ais->At(0) || ais->At(4));

  qcom::ComPtr<IUnknown> unknown;
  ASSERT_EQ(face->get__NewEnum(unknown.put()), S_OK);
  Lines names;
  for (const auto& channel : points_test::EnumerateAs<_CDBAI>(unknown.get()))
    names.push_back(NameOf(channel.get()));
  EXPECT_EQ(names, (Lines{"Analog (10)", "Analog (11)", "Analog (12)"}));

  // Clearing drops the channels but leaves their outputs alone.
  EXPECT_EQ(face->Clear(), S_OK);
  EXPECT_EQ(ais->Count(), 0u);
  EXPECT_EQ(app->outputs->points.size(), 6u);
}

TEST_F(ChannelCollections, KeyPrefixKeysTheChannelsAndListsThemInTheEditor) {
  app->editor = editor;
  ASSERT_TRUE(Load(*ais, kAnalogInput, 3, 1));
  ASSERT_TRUE(Load(*ais, kAnalogInput, 4, 2));
  EXPECT_EQ(ais->Editor(), editor.get()) << "taken from the application object on load";
  EXPECT_TRUE(editor->calls.empty()) << "loading alone lists nothing";

  ais->SetKeyPrefix("EB2\\AI");
  EXPECT_EQ(ais->KeyPrefix(), "EB2\\AI");
  EXPECT_EQ(ais->At(2)->GlobalKeyText(), "EB2\\AI\\2");
  EXPECT_EQ(ais->At(2)->LinkGlobalKey(), "EB2\\AI\\2") << "what its outputs report";
  EXPECT_EQ(editor->calls,
            (Lines{"add AI Analog (3) | EB2\\AI\\1 | filter=2.5 s; mode=ON; delay=60 s",
                   "add AI Analog (4) | EB2\\AI\\2 | filter=2.5 s; mode=ON; delay=60 s"}));

  editor->calls.clear();
  ASSERT_TRUE(Load(*dos, kDigitalOutput, 8, 1));
  dos->SetKeyPrefix("EB3\\DO");
  EXPECT_EQ(editor->calls, Lines{"add DO Binary (8) | EB3\\DO\\1 | mode=OFF"});

  // Without an editor the keys are still set.
  app->editor = nullptr;
  editor->calls.clear();
  auto unlisted = qcom::Make<CDBDIs>();
  ASSERT_TRUE(Load(*unlisted, "<DI/>", 1, 1));
  EXPECT_EQ(unlisted->Editor(), nullptr) << "each load takes the current editor";
  unlisted->SetKeyPrefix("EB4\\DI");
  EXPECT_EQ(unlisted->At(1)->GlobalKeyText(), "EB4\\DI\\1");
  EXPECT_TRUE(editor->calls.empty());
}

TEST_F(ChannelCollections, RemoveAtDropsTheRowThenTheChannel) {
  for (int32_t i = 0; i < 3; ++i) ASSERT_TRUE(Load(*ais, kAnalogInput, i, i + 1));
  ais->SetEditor(editor.get());
  ais->SetKeyPrefix("EB1\\AI");
  editor->calls.clear();

  ais->RemoveAt(2);
  EXPECT_EQ(editor->calls, Lines{"remove AI EB1\\AI\\2"});
  ASSERT_EQ(ais->Count(), 2u);
  EXPECT_EQ(ais->At(1)->NameText() + "|" + ais->At(2)->NameText(), "Analog (0)|Analog (2)");
  for (int16_t outside : {0, 3, -1}) ais->RemoveAt(outside);
  EXPECT_EQ(ais->Count(), 2u) << "positions outside the list change nothing";
  EXPECT_EQ(editor->calls.size(), 1u);

  ais->SetEditor(nullptr);
  ais->RemoveAt(1);
  EXPECT_EQ(ais->Count(), 1u);
  EXPECT_EQ(ais->At(1)->NameText(), "Analog (2)");
  EXPECT_EQ(editor->calls.size(), 1u);
}

TEST_F(ChannelCollections, RefreshShowsTheChannelsCurrentValues) {
  auto channel = Load(*dos, kDigitalOutput, 8, 1);
  ASSERT_TRUE(channel);
  dos->SetEditor(editor.get());
  dos->SetKeyPrefix("EB1\\DO");
  editor->calls.clear();
  channel->XmlLoad(Element("<DO><mode>1</mode></DO>").get());
  dos->RefreshInEditor(channel.get());
  dos->RefreshInEditor(nullptr);
  EXPECT_EQ(editor->calls, Lines{"refresh DO Binary (8) | EB1\\DO\\1 | mode=ON"});
  dos->SetEditor(nullptr);
  dos->RefreshInEditor(channel.get());
  EXPECT_EQ(editor->calls.size(), 1u);
}

}  // namespace
