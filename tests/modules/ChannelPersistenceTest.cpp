#include <gtest/gtest.h>

#include "modules/ChannelFixture.h"
#include "platform/MessagePump.h"
#include "xml/Elements.h"

namespace {

using channel_tests::kAnalogInput;

// Whole objects round-trip through every form (ObjectPersistence); here: what
// one channel writes and reads.
class ChannelPersistence : public channel_tests::ChannelFixture {
 protected:
  std::string Saved() {
    qcom::Bstr xml;
    EXPECT_EQ(module->get_xml(xml.out()), S_OK);
    return xml.utf8();
  }

  qcom::ComPtr<IXMLDOMDocument> document = Parse("<Module/>");
  qcom::ComPtr<IXMLDOMNode> module = qxml::FirstMatch(document.get(), "Module");
};

TEST_F(ChannelPersistence, SavesOneElementPerParameterWithItsValue) {
  auto channel = Load(*ais, kAnalogInput, 3, 1);
  auto bare = Load(*dis, "<DI><OutReferences><Value>95</Value></OutReferences></DI>", 4, 1);
  ASSERT_TRUE(channel && bare);
  const uint64_t pumped = platform::PumpCount();
  EXPECT_EQ(channel->XmlSave(module.get(), document.get()), S_OK);
  EXPECT_EQ(platform::PumpCount(), pumped + 3) << "messages run once per parameter";
  EXPECT_EQ(bare->XmlSave(module.get(), document.get()), S_OK);
  EXPECT_EQ(bare->XmlSaveSim(module.get(), document.get()), S_OK);
  EXPECT_EQ(Saved(),
            "<Module><AI><filter>2.5</filter><mode>1</mode><delay>60</delay></AI><DI/>"
            "<DI><Alias>Binary (4) Value</Alias></DI></Module>");

  // The values are written as the host reads them, with the user's separator;
  // any text, even the element helper's marker, is kept.
  UseSeparator(",");
  auto label = Load(*aos,
                    "<AO><Attributes><label><SNVTTYPE>4</SNVTTYPE><DefaultValue>NoTextField"
                    "</DefaultValue></label></Attributes></AO>",
                    5, 1);
  ASSERT_TRUE(label);
  module = qxml::AppendElement(document.get(), nullptr, "Second", qxml::kNoTextField);
  ASSERT_TRUE(module);
  channel->XmlSaveSim(module.get(), document.get());
  label->XmlSave(module.get(), document.get());
  EXPECT_EQ(Saved(),
            "<Second><AI><Alias>Analog (3) Value</Alias><filter>2,5</filter><mode>1</mode>"
            "<delay>60</delay></AI><AO><label>NoTextField</label></AO></Second>");
}

TEST_F(ChannelPersistence, LoadsValuesByNameOrPositionAndSkipsTheRest) {
  auto channel = Load(*ais, kAnalogInput, 3, 1);
  auto empty = Load(*ais, "<AI/>", 5, 3);
  ASSERT_TRUE(channel && empty);
  // Names in any case; "x:2" has the base name 2, the second parameter.
  auto saved = Element(
      "<AI><Alias>Analog (3) Value</Alias><FILTER>7.5</FILTER><x:2>0</x:2><unknown>9</unknown>"
      "<delay/><!-- note --></AI>");
  EXPECT_EQ(channel->XmlLoad(saved.get()), S_OK);
  EXPECT_EQ(channel->RowData().parameters,
            (std::vector<std::pair<std::string, std::string>>{
                {"filter", "7.5 s"}, {"mode", "OFF"}, {"delay", "60 s"}}))
      << "an element without text changes nothing";
  EXPECT_EQ(channel->Attributes()->Count(), 3u) << "unknown names add nothing";
  EXPECT_TRUE(messages->Messages().empty());

  // Nothing to load into, or nothing to load from.
  EXPECT_EQ(empty->XmlLoad(saved.get()), S_OK);
  EXPECT_EQ(empty->Attributes(), nullptr);
  EXPECT_EQ(channel->XmlLoad(nullptr), S_OK);
  EXPECT_EQ(channel->XmlSave(nullptr, nullptr), S_OK);
}

}  // namespace
