#include <gtest/gtest.h>

#include "modules/ChannelFixture.h"
#include "platform/MessagePump.h"
#include "xml/Elements.h"

namespace {

using channel_tests::kAnalogInput;
using ChannelPersistence = channel_tests::ChannelFixture;

// Whole objects round-trip through every form (ObjectPersistence); here: what
// one channel writes and reads.
TEST_F(ChannelPersistence, SavesOneElementPerParameterAndLoadsThemByName) {
  // The values are written as the host reads them, with the user's separator;
  // any text, even the element helper's marker, is kept.
  UseSeparator(",");
  auto channel = Load(*ais, kAnalogInput, 3, 1);
  auto bare = Load(*dis, "<DI/>", 4, 1);
  auto label = Load(*aos,
                    "<AO><Attributes><label><SNVTTYPE>4</SNVTTYPE><DefaultValue>NoTextField"
                    "</DefaultValue></label></Attributes></AO>",
                    5, 1);
  ASSERT_TRUE(channel && bare && label);
  auto document = Parse("<Module/>");
  auto module = qxml::FirstMatch(document.get(), "Module");
  const uint64_t pumped = platform::PumpCount();
  EXPECT_EQ(channel->XmlSave(module.get(), document.get()), S_OK);
  EXPECT_EQ(platform::PumpCount(), pumped + 3) << "messages run once per parameter";
  EXPECT_EQ(bare->XmlSaveSim(module.get(), document.get()), S_OK);
  label->XmlSave(module.get(), document.get());
  EXPECT_EQ(channel->XmlSave(nullptr, nullptr), S_OK);
  qcom::Bstr xml;
  module->get_xml(xml.out());
  EXPECT_EQ(xml.utf8(),
            "<Module><AI><filter>2,5</filter><mode>1</mode><delay>60</delay></AI>"
            "<DI><Alias>Binary (4) Value</Alias></DI><AO><label>NoTextField</label>"
            "</AO></Module>");

  // Names in any case; "x:2" has the base name 2, the second parameter; an
  // element without text changes nothing; unknown names add nothing.
  auto saved = Element(
      "<AI><Alias>Analog (3) Value</Alias><FILTER>7.5</FILTER><x:2>0</x:2><unknown>9</unknown>"
      "<delay/><!-- note --></AI>");
  EXPECT_EQ(channel->XmlLoad(saved.get()), S_OK);
  EXPECT_EQ(channel->RowData().parameters,
            (std::vector<std::pair<std::string, std::string>>{
                {"filter", "7,5 s"}, {"mode", "OFF"}, {"delay", "60 s"}}));
  EXPECT_EQ(bare->XmlLoad(saved.get()), S_OK);
  EXPECT_EQ(bare->Attributes(), nullptr);
  EXPECT_EQ(channel->XmlLoad(nullptr), S_OK);
  EXPECT_TRUE(messages->Messages().empty());
}

}  // namespace
