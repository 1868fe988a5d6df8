#include <gtest/gtest.h>

#include "modules/CDBEBModule.h"
#include "modules/ChannelFixture.h"
#include "modules/ComponentLocation.h"
#include "support/TempDir.h"

namespace {

using channel_tests::kAnalogInput;
using ChannelConnections = channel_tests::ChannelFixture;

template <class Channel>
bool Connected(Channel* channel) {
  VARIANT_BOOL connected = VARIANT_FALSE;
  EXPECT_EQ(channel->get_IsConnected(&connected), S_OK);
  return connected != VARIANT_FALSE;
}

void Put(_CDBAI* channel, bool connected) {
  VARIANT_BOOL value = connected ? VARIANT_TRUE : VARIANT_FALSE;
  EXPECT_EQ(channel->put_IsConnected(&value), S_OK);
}

TEST_F(ChannelConnections, CountsHostConnectionsAndDisconnections) {
  auto channel = Load(*ais, kAnalogInput, 1, 1);
  auto fresh = Load(*ais, kAnalogInput, 2, 2);
  ASSERT_TRUE(channel && fresh);
  EXPECT_FALSE(Connected(channel.get()));
  Put(channel.get(), true);
  EXPECT_TRUE(Connected(channel.get()));
  channel->LinkSetConnected(true);  // the way the channel's points report it
  Put(channel.get(), false);
  EXPECT_TRUE(Connected(channel.get())) << "one connection left";
  channel->LinkSetConnected(false);
  EXPECT_FALSE(Connected(channel.get()));

  // A disconnection without a connection leaves the count at -1, which is
  // not 0: the bookkeeping then holds the channel for connected.
  Put(fresh.get(), false);
  EXPECT_TRUE(Connected(fresh.get()));
  EXPECT_EQ(channel->put_IsConnected(nullptr), E_POINTER);
  EXPECT_EQ(channel->get_IsConnected(nullptr), E_POINTER);
}

}  // namespace
