#include <gtest/gtest.h>

#include "platform/MessagePump.h"

namespace {

TEST(MessagePump, RunsAndCountsTheHookWhichMayPumpAndReplaceItself) {
  platform::MessagePumpHook original = platform::SetMessagePump(nullptr);
  const uint64_t before = platform::PumpCount();
  platform::PumpMessages();  // nothing installed: only counted
  int runs = 0, others = 0;
  EXPECT_FALSE(platform::SetMessagePump([&] { ++runs; }));
  platform::PumpMessages();
  EXPECT_EQ(std::pair(runs, platform::PumpCount()), std::pair(1, before + 2));

  // Set hands back the previous hook, which still works.
  platform::MessagePumpHook previous = platform::SetMessagePump([&] { ++others; });
  ASSERT_TRUE(previous);
  previous();
  platform::PumpMessages();
  EXPECT_EQ(std::pair(runs, others), std::pair(2, 1));

  // Events delivered by the pump may pump again, or swap the hook.
  int depth = 0, calls = 0;
  platform::SetMessagePump([&] {
    ++calls;
    if (depth++ < 2) platform::PumpMessages();
    if (calls == 3) platform::SetMessagePump(nullptr);
  });
  platform::PumpMessages();
  platform::PumpMessages();
  EXPECT_EQ(calls, 3);
  platform::SetMessagePump(original);
}

}  // namespace
