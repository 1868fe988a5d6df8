#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "modules/ChannelFixture.h"

namespace {

using channel_tests::kAnalogInput;
using ChannelCollections = channel_tests::ChannelFixture;

std::string NameOf(_CDBAI* channel) {
  qcom::Bstr name;
  if (channel) channel->get_Name(name.out());
  return channel ? name.utf8() : "(null)";
}

// What the collections tell the editor is pinned with the editor's lists (ChannelLists).
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

  // Clearing drops the channels but leaves their outputs alone.
  EXPECT_EQ(face->Clear(), S_OK);
  EXPECT_EQ(ais->Count(), 0u);
  EXPECT_EQ(app->outputs->points.size(), 6u);
}

}  // namespace
