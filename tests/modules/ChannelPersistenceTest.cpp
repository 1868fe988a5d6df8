#include <gtest/gtest.h>

#include "modules/ChannelFixture.h"
#include "platform/MessagePump.h"
#include "xml/Elements.h"

namespace {

using channel_tests::kAnalogInput;
using channel_tests::kAnalogParameters;

class ChannelPersistence : public channel_tests::ChannelFixture {
 protected:
  // A document with an empty element <Module/> to save channels into.
  void SetUp() override {
    ChannelFixture::SetUp();
    VARIANT_BOOL ok = VARIANT_FALSE;
    document->loadXML(qcom::Bstr("<Module/>").get(), &ok);
    ASSERT_EQ(ok, VARIANT_TRUE);
    qcom::ComPtr<IXMLDOMElement> root;
    document->get_documentElement(root.put());
    module = qcom::ComPtr<IXMLDOMNode>(root.get());
  }

  std::string Saved() {
    qcom::Bstr xml;
    EXPECT_EQ(module->get_xml(xml.out()), S_OK);
    return xml.utf8();
  }

  std::string Value(CDBAttributes* parameters, const char* name) {
    qcom::Bstr value;
    parameters->Item(name)->get_Value(value.out());
    return value.utf8();
  }

  qcom::ComPtr<IXMLDOMDocument> document = qxml::CreateDocument();
  qcom::ComPtr<IXMLDOMNode> module;
};

TEST_F(ChannelPersistence, SavesOneElementPerParameterWithItsValue) {
  auto channel = Load(*ais, kAnalogInput, 3, 1);
  auto bare = Load(*ais, "<AI><OutReferences><Value>105</Value></OutReferences></AI>", 4, 2);
  ASSERT_TRUE(channel && bare);
  const uint64_t pumped = platform::PumpCount();
  EXPECT_EQ(channel->XmlSave(module.get(), document.get()), S_OK);
  EXPECT_EQ(platform::PumpCount(), pumped + 3) << "messages run once per parameter";
  EXPECT_EQ(bare->XmlSave(module.get(), document.get()), S_OK);
  EXPECT_EQ(Saved(),
            "<Module><AI><filter>2.5</filter><mode>1</mode><delay>60</delay></AI><AI/></Module>");

  // The values are written as the host reads them, with the user's separator;
  // any text, even the element helper's marker, is kept.
  UseSeparators(",", ".");
  auto label = Load(*aos,
                    "<AO><Attributes><label><SNVTTYPE>4</SNVTTYPE><DefaultValue>NoTextField"
                    "</DefaultValue></label></Attributes></AO>",
                    5, 1);
  ASSERT_TRUE(label);
  module = qxml::AppendElement(document.get(), nullptr, "Second", qxml::kNoTextField);
  ASSERT_TRUE(module);
  channel->XmlSave(module.get(), document.get());
  label->XmlSave(module.get(), document.get());
  EXPECT_EQ(Saved(),
            "<Second><AI><filter>2,5</filter><mode>1</mode><delay>60</delay></AI>"
            "<AO><label>NoTextField</label></AO></Second>");
}

TEST_F(ChannelPersistence, SimulationFormPutsTheAliasFirst) {
  auto analog = Load(*ais, kAnalogInput, 3, 1);
  auto digital = Load(*dis, "<DI/>", 2, 1);
  ASSERT_TRUE(analog && digital);
  EXPECT_EQ(analog->XmlSaveSim(module.get(), document.get()), S_OK);
  EXPECT_EQ(digital->XmlSaveSim(module.get(), document.get()), S_OK);
  EXPECT_EQ(Saved(),
            "<Module><AI><Alias>Analog (3) Value</Alias><filter>2.5</filter><mode>1</mode>"
            "<delay>60</delay></AI><DI><Alias>Binary (2) Value</Alias></DI></Module>");
}

TEST_F(ChannelPersistence, LoadsValuesByNameOrPositionAndSkipsTheRest) {
  auto channel = Load(*ais, kAnalogInput, 3, 1);
  ASSERT_TRUE(channel);
  // Names in any case; "x:2" has the base name 2, the second parameter.
  auto saved = Element(
      "<AI><Alias>Analog (3) Value</Alias><FILTER>7.5</FILTER><x:2>0</x:2><unknown>9</unknown>"
      "<delay/><!-- note --></AI>");
  EXPECT_EQ(channel->XmlLoad(saved.get()), S_OK);
  CDBAttributes* parameters = channel->Attributes();
  EXPECT_EQ(Value(parameters, "filter"), "7.5");
  EXPECT_EQ(Value(parameters, "mode"), "0");
  EXPECT_EQ(Value(parameters, "delay"), "60") << "an element without text changes nothing";
  EXPECT_EQ(parameters->Count(), 3u) << "unknown names add nothing";
  EXPECT_TRUE(messages->Messages().empty());

  // What the simulation form writes reads back into a fresh channel.
  auto copy = Load(*ais, kAnalogInput, 4, 2);
  ASSERT_TRUE(copy);
  channel->XmlSaveSim(module.get(), document.get());
  qcom::ComPtr<IXMLDOMNode> written;
  ASSERT_EQ(module->get_firstChild(written.put()), S_OK);
  EXPECT_EQ(copy->XmlLoad(written.get()), S_OK);
  EXPECT_EQ(copy->RowData().parameters, channel->RowData().parameters);

  // Nothing to load into, or nothing to load from.
  auto empty = Load(*ais, "<AI/>", 5, 3);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->XmlLoad(saved.get()), S_OK);
  EXPECT_EQ(empty->Attributes(), nullptr);
  EXPECT_EQ(channel->XmlLoad(nullptr), S_OK);
  EXPECT_EQ(channel->XmlSave(nullptr, nullptr), S_OK);
}

TEST_F(ChannelPersistence, RowDataShowsDisplayTexts) {
  auto channel = Load(*ais, std::string("<AI>") + kAnalogParameters + "</AI>", 3, 1);
  ASSERT_TRUE(channel);
  channel->SetGlobalKeyText("EB1\\AI\\1");
  const ports::ChannelRowData row = channel->RowData();
  EXPECT_EQ(row.name, "Analog (3)");
  EXPECT_EQ(row.globalKey, "EB1\\AI\\1");
  EXPECT_EQ(row.parameters, (std::vector<std::pair<std::string, std::string>>{
                                {"filter", "2.5 s"}, {"mode", "ON"}, {"delay", "60 s"}}));
}

}  // namespace
