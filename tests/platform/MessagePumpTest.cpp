#include <gtest/gtest.h>

#include "platform/MessagePump.h"

namespace {

TEST(MessagePump, RunsAndCountsTheHookWhichMayPumpAndReplaceItself) {
  platform::MessagePumpHook original = platform::SetMessagePump(nullptr);

  uint64_t before = platform::PumpCount();
  platform::PumpMessages();  // nothing installed: only counted
  EXPECT_EQ(platform::PumpCount(), before + 1);

  int runs = 0;
  EXPECT_FALSE(platform::SetMessagePump([&] { ++runs; }));
  for (int i = 0; i < 5; ++i) platform::PumpMessages();
  EXPECT_EQ(runs, 5);
  EXPECT_EQ(platform::PumpCount(), before + 6);

  // Set hands back the previous hook, which still works.
  int others = 0;
  platform::MessagePumpHook previous = platform::SetMessagePump([&] { ++others; });
  ASSERT_TRUE(previous);
  previous();
  EXPECT_EQ(runs, 6);
  platform::PumpMessages();
  EXPECT_EQ(others, 1);
  EXPECT_EQ(runs, 6);

  // Events delivered by the pump may pump again, or swap the hook.
  int depth = 0, calls = 0;
  platform::SetMessagePump([&] {
    ++calls;
    if (depth++ < 2) platform::PumpMessages();
    if (calls == 3) platform::SetMessagePump(nullptr);
  });
  platform::PumpMessages();
  EXPECT_EQ(calls, 3);
  platform::PumpMessages();
  EXPECT_EQ(calls, 3);
  platform::SetMessagePump(original);
}

}  // namespace
