#include <gtest/gtest.h>

#include <climits>

#include "plugin/Dimensions.h"

using plugin::CdbDimension;
using plugin::DdbDimension;
using plugin::ModuleCounts;

TEST(Dimensions, FormulasOverPlacedModules) {
  EXPECT_EQ(CdbDimension({}), 25);
  EXPECT_EQ(DdbDimension(24, 8, {}), 32);

  ModuleCounts analog{.slot = 1, .ai = 4, .ao = 2};
  // 25 + 4*2 + 14*4 = 89; DDB: 32 + 2*2 + 8*4 + 4
  EXPECT_EQ(CdbDimension({analog}), 89);
  EXPECT_EQ(DdbDimension(24, 8, {analog}), 72);

  ModuleCounts counters{.slot = 2, .di = 8, .counters = 8, .hasDICollection = true};
  // 89 + 1 (DI) + 1 (DI in slot 2) + 8 counters; DDB + 3*8 + 10*8
  EXPECT_EQ(CdbDimension({analog, counters}), 99);
  EXPECT_EQ(DdbDimension(24, 8, {analog, counters}), 72 + 24 + 80);

  ModuleCounts relays{.slot = 3, .dO = 8, .hasDOCollection = true};
  // DO in slot 3 only: one extra byte, not two.
  EXPECT_EQ(CdbDimension({analog, counters, relays}), 99 + 1 + 16);
  ModuleCounts relaysInSlot2 = relays;
  relaysInSlot2.slot = 2;
  EXPECT_EQ(CdbDimension({relaysInSlot2}), 25 + 2 + 16);

  ModuleCounts digitalInSlot1{.slot = 1, .di = 8, .hasDICollection = true};
  EXPECT_EQ(CdbDimension({digitalInSlot1}), 26);
}

TEST(Dimensions, OverflowIsAnErrorNotAWrap) {
  ModuleCounts huge{.slot = 1, .ai = INT_MAX / 14 + 1};
  EXPECT_FALSE(CdbDimension({huge}).has_value());
  ModuleCounts many{.slot = 1, .di = INT_MAX};
  EXPECT_FALSE(CdbDimension({many, many}).has_value());
  EXPECT_FALSE(DdbDimension(INT_MAX, 1, {}).has_value());
  EXPECT_EQ(DdbDimension(INT_MAX - 1, 1, {}), INT_MAX);
}
