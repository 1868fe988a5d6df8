#include <array>
#include <limits>

#include "values/CatalogueFixture.h"
#include "values/SnvtDataConversion.h"
#include "values/StreamHex.h"

using SharedHelpers = CatalogueFixture;

TEST_F(SharedHelpers, UniqueIdsStartAt66537AndCount) {
  values::Shared().uniqueIdCounter = 0;
  EXPECT_EQ(values::NextUniqueId(), 66537);
  EXPECT_EQ(values::NextUniqueId(), 66538);
  values::Shared().uniqueIdCounter = 5;  // a counter already running goes on from where it is
  EXPECT_EQ(values::NextUniqueId(), 6);
  values::Shared().uniqueIdCounter = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(values::NextUniqueId(), 66537);
  EXPECT_EQ(values::BoolToDigit(true) + values::BoolToDigit(false), "10");
}

TEST(SharedConversions, EveryPairOfBytesIsExchanged) {
  // Display references are pinned where outputs report them (OutputPoints).
  std::array<uint8_t, 32> in{}, swapped{};
  for (size_t i = 0; i < in.size(); ++i) {
    in[i] = static_cast<uint8_t>(i);
    swapped[i] = static_cast<uint8_t>(i ^ 1);
  }
  EXPECT_EQ(values::SwapBytePairs(in), swapped);
}
