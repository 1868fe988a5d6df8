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

TEST_F(ChannelConnections, AnInputChannelIsConnectedWhileOneOfItsOutputsIs) {
  ais->SetAppObject(app.get());
  app->rename = [](const std::string& name) { return name + " (as placed)"; };
  auto channel = Load(*ais, kAnalogInput, 3, 1);
  auto neighbour = Load(*ais, kAnalogInput, 4, 2);
  ASSERT_TRUE(channel && neighbour);
  EXPECT_FALSE(Connected(channel.get()));

  auto status = app->Output("Analog (3) Status (as placed)");
  ASSERT_TRUE(status);
  status->connected = true;
  EXPECT_TRUE(Connected(channel.get())) << "found under the name the output got";
  EXPECT_FALSE(Connected(neighbour.get())) << "only the channel's own outputs count";
  status->connected = false;
  app->Output("Analog (3) Value (as placed)")->macroConnected = true;
  EXPECT_TRUE(Connected(channel.get())) << "a macro connection counts too";
  app->Output("Analog (3) Value (as placed)")->macroConnected = false;
  EXPECT_FALSE(Connected(channel.get()));

  // The lookup goes through the collection's application object, which the
  // channel takes over at creation; without one there is nothing to ask.
  auto orphans = qcom::Make<CDBAIs>();
  auto orphan = orphans->LoadFromXML(Element(kAnalogInput).get(), app.get(), 5, 1, 1);
  ASSERT_TRUE(orphan);
  app->Output("Analog (5) Value (as placed)")->connected = true;
  EXPECT_FALSE(Connected(orphan.get()));
  orphan->SetAppObject(app.get());
  EXPECT_TRUE(Connected(orphan.get()));
}

TEST_F(ChannelConnections, AModuleIsConnectedWhileAnyOfItsChannelsIs) {
  // Modules refusing removal while connected are the object's (ModuleSet).
  // A module is connected while one of its channels is.
  testing_support::TempDir dir;
  dir.Write("EBT/EBT.xml",
            "<EB><DO><Number>2</Number><InReferences><Value>95</Value></InReferences></DO></EB>");
  modules::SetComponentModulePathForTesting(dir.Write("O_T.so", ""));
  auto module = qcom::Make<CDBEBModule>();
  const bool loaded = module->LoadTemplate("EBT");
  modules::SetComponentModulePathForTesting("");
  ASSERT_TRUE(loaded);
  module->SetAppObject(app.get());
  module->SetSlot(1);
  module->CreateChannels();
  // Output channels look into the inputs: an output of the same name does not count.
  app->outputs->points.push_back(qcom::Make<testing_support::FakeOutput>("Binary (0) Value"));
  app->outputs->points.back()->connected = true;
  EXPECT_FALSE(module->HasConnections());
  app->Input("Binary (0) Value")->connected = true;
  EXPECT_TRUE(module->HasConnections()) << "the first channel alone";
  app->Input("Binary (0) Value")->connected = false;
  app->Input("Binary (1) Value")->macroConnected = true;
  EXPECT_TRUE(module->HasConnections()) << "the last channel alone, through a macro";
}

}  // namespace
