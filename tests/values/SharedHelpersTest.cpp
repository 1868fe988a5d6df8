#include <gtest/gtest.h>

#include <limits>

#include "SharedStateFixture.h"
#include "values/MMain.h"
#include "values/SnvtDataConversion.h"

namespace {

class SharedHelpers : public values_test::SharedStateTest {};

TEST_F(SharedHelpers, UniqueIdsStartAt66537AndCount) {
  values::Shared().uniqueIdCounter = 0;
  EXPECT_EQ(values::NextUniqueId(), 66537);
  EXPECT_EQ(values::NextUniqueId(), 66538);
  EXPECT_EQ(values::Shared().uniqueIdCounter, 66538);
  values::Shared().uniqueIdCounter = 5;  // a counter already running goes on from where it is
  EXPECT_EQ(values::NextUniqueId(), 6);
  values::Shared().uniqueIdCounter = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(values::NextUniqueId(), 66537);
}

TEST(SharedConversions, DigitsDisplayReferencesAndBytePairs) {
  EXPECT_EQ(values::BoolToDigit(true) + values::BoolToDigit(false), "10");
  EXPECT_EQ(values::MakeDisplayReference(0, 0), 16384);
  EXPECT_EQ(values::MakeDisplayReference(2, 1), 16642);
  EXPECT_EQ(values::MakeDisplayReference(255, 3), 16384 + 768 + 255);
  EXPECT_EQ(values::MakeDisplayReference(-1, 0), 16383);

  // Every pair of bytes is exchanged, and exchanging again gives the input.
  std::array<uint8_t, 32> in{};
  for (size_t i = 0; i < in.size(); ++i) in[i] = static_cast<uint8_t>(i);
  std::array<uint8_t, 32> out = values::SwapBytePairs(in);
  for (size_t i = 0; i < in.size(); i += 2) {
    EXPECT_EQ(out[i], i + 1);
    EXPECT_EQ(out[i + 1], i);
  }
  EXPECT_EQ(values::SwapBytePairs(out), in);
}

}  // namespace
