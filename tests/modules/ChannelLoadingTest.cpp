#include <gtest/gtest.h>

#include "modules/ChannelFixture.h"

namespace {

using channel_tests::kAnalogInput;
using testing_support::PointRequest;
using ChannelLoading = channel_tests::ChannelFixture;
using Lines = std::vector<std::string>;
using Requests = std::vector<PointRequest>;

TEST_F(ChannelLoading, AnalogInputGetsParametersNameNumbersAndOneOutputPerReference) {
  ais->SetAppObject(app.get());
  auto channel = Load(*ais, kAnalogInput, 3, 2);
  ASSERT_TRUE(channel);
  IChannelLink* link = channel.get();
  EXPECT_EQ(app->requests, (Requests{{"output", "Analog (3) Value", "105", link, "Analog (3)"},
                                     {"output", "Analog (3) Status", "83", link, "Analog (3)"}}));
  EXPECT_EQ(channel->References(), (Lines{"Analog (3) Value", "Analog (3) Status"}));
  EXPECT_EQ(channel->NameText(), "Analog (3)");
  EXPECT_EQ(channel->IndexValue(), 3);
  EXPECT_EQ(channel->IndexInModuleValue(), 2);
  EXPECT_EQ(channel->GlobalKeyText(), "") << "the key comes with the module's prefix";
  ASSERT_EQ(ais->Count(), 1u);
  EXPECT_EQ(ais->At(1), channel);
  EXPECT_TRUE(messages->Messages().empty());

  // Float parameters become short floats.
  ASSERT_TRUE(channel->Attributes());
  const auto& parameters = channel->Attributes()->Items();
  ASSERT_EQ(parameters.Count(), 3u);
  EXPECT_EQ(parameters.At(1)->NameText() + "|" + parameters.At(3)->NameText(), "filter|delay");
  EXPECT_EQ(parameters.At(1)->Type().Length(), 2);
  EXPECT_EQ(parameters.At(3)->Type().Length(), 2);

  // Without the application object's short-float setting the catalogue length stays.
  app->shortFloat = false;
  auto plain = Load(*ais, kAnalogInput, 4, 3);
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->Attributes()->Item("filter")->Type().Length(), 4);
  EXPECT_EQ(ais->Count(), 2u);
}

TEST_F(ChannelLoading, ReferencesKeepTheNamesThePointsGot) {
  // The application object may hand back a point under another name (the
  // alarm-status pair of channel 0); lookups later go by that name.
  app->rename = [](const std::string& name) {
    return name == "Analog (0) Value" ? std::string("analog (0) value") : "AI AlarmStatus";
  };
  auto channel = Load(*ais, kAnalogInput, 0, 1);
  ASSERT_TRUE(channel);
  EXPECT_EQ(channel->References(), (Lines{"analog (0) value", "AI AlarmStatus"}));

  // Names are keys without regard to case: a second point of the same name is not listed twice.
  app->rename = [](const std::string&) { return std::string("Same"); };
  auto twice = Load(*ais, kAnalogInput, 1, 2);
  ASSERT_TRUE(twice);
  EXPECT_EQ(twice->References(), Lines{"Same"});
  EXPECT_EQ(app->requests.size(), 4u);
}

TEST_F(ChannelLoading, DigitalInputsCountThroughAReferenceNamedCounter) {
  auto channel = Load(
      *dis, "<DI><OutReferences><Value>95</Value><Counter>8</Counter></OutReferences></DI>", 2, 1);
  ASSERT_TRUE(channel);
  IChannelLink* link = channel.get();
  EXPECT_EQ(app->requests, (Requests{{"output", "Binary (2) Value", "95", link, "Binary (2)"},
                                     {"output", "Binary (2) Counter", "8", link, "Binary (2)"}}));
  EXPECT_TRUE(channel->IsCounterFlag());
  VARIANT_BOOL isCounter = VARIANT_FALSE;
  EXPECT_EQ(channel->get_IsCounter(&isCounter), S_OK);
  EXPECT_EQ(isCounter, VARIANT_TRUE);
  EXPECT_EQ(channel->Attributes(), nullptr) << "no parameter section, no collection";

  auto lower = Load(*dis, "<DI><OutReferences><counter>8</counter></OutReferences></DI>", 3, 2);
  ASSERT_TRUE(lower);
  EXPECT_TRUE(lower->IsCounterFlag()) << "the name is compared in any case";
  auto other = Load(*dis, "<DI><OutReferences><Counts>8</Counts></OutReferences></DI>", 4, 3);
  ASSERT_TRUE(other);
  EXPECT_FALSE(other->IsCounterFlag());
  VARIANT_BOOL set = VARIANT_TRUE;
  EXPECT_EQ(other->put_IsCounter(&set), S_OK);
  EXPECT_TRUE(other->IsCounterFlag());
}

TEST_F(ChannelLoading, OutputChannelsCreateInputsFromTheirOwnSection) {
  // A wrong-kind section next to the right one is not read.
  auto analog = Load(*aos,
                     "<AO><OutReferences><Status>83</Status></OutReferences>"
                     "<InReferences><Value>81,21</Value></InReferences></AO>",
                     4, 1);
  auto digital = Load(*dos, "<DO><InReferences><Value>95,22</Value></InReferences></DO>", 8, 1);
  ASSERT_TRUE(analog && digital);
  EXPECT_EQ(app->requests,
            (Requests{{"input", "Analog (4) Value", "81,21", analog.get(), "Analog (4)"},
                      {"input", "Binary (8) Value", "95,22", digital.get(), "Binary (8)"}}));
  EXPECT_EQ(app->outputs->points.size(), 0u);
  EXPECT_EQ(digital->References(), Lines{"Binary (8) Value"});
}

TEST_F(ChannelLoading, AttributeSectionProblemsAreReportedWithTheNameKnownAtThatPoint) {
  // While a new channel loads its parameters it has no name yet, so the
  // message names nobody; loading goes on after it.
  auto channel = Load(*ais,
                      "<AI><Attributes><!-- first --><filter><SNVTTYPE>1</SNVTTYPE>"
                      "<DefaultValue>1</DefaultValue></filter></Attributes></AI>",
                      5, 1);
  ASSERT_TRUE(channel);
  EXPECT_EQ(messages->Messages(),
            (std::vector<platform::RecordedMessage>{
                {"Error: Problems in the Attribute section of the XML file of  ",
                 platform::kMessageOk, ""}}));
  EXPECT_EQ(channel->Attributes()->Count(), 1u) << "the comment adds no parameter";
  EXPECT_EQ(channel->NameText(), "Analog (5)");

  // A name used twice: the collection refuses the second parameter.
  messages->Clear();
  auto named = Load(*ais, "<AI/>", 6, 2);
  ASSERT_TRUE(named);
  auto node = Element(
      "<AI><Attributes><mode><SNVTTYPE>2</SNVTTYPE></mode><MODE><SNVTTYPE>2</SNVTTYPE></MODE>"
      "</Attributes></AI>");
  EXPECT_EQ(named->LoadAttributesFromXML(node.get(), VARIANT_TRUE), S_OK);
  EXPECT_EQ(messages->Texts(),
            Lines{"Error: Problems in the Attribute section of the XML file of Analog (6) "});
  EXPECT_EQ(named->Attributes()->Count(), 1u);

  // Clean and empty sections, and comments outside the section, raise nothing.
  messages->Clear();
  ASSERT_TRUE(Load(*ais, kAnalogInput, 7, 3));
  ASSERT_TRUE(Load(*ais, "<AI><!-- none --><Attributes/></AI>", 8, 4));
  EXPECT_TRUE(messages->Messages().empty());
}

TEST_F(ChannelLoading, UnexpectedFailuresAppendNothing) {
  // An application object without the component's services.
  EXPECT_FALSE(ais->LoadFromXML(Element(kAnalogInput).get(), nullptr, 0, 1, 1));
  EXPECT_FALSE(ais->LoadFromXML(nullptr, app.get(), 0, 1, 1));
  // A reference without a type ends creation before its point is asked for.
  EXPECT_FALSE(Load(*ais, "<AI><OutReferences><Value/></OutReferences></AI>", 1, 1));
  EXPECT_TRUE(app->requests.empty());

  // A point the application object cannot create ends creation; the points
  // made before it stay with the application object.
  app->refuse = {"Analog (2) Status"};
  EXPECT_FALSE(Load(*ais, kAnalogInput, 2, 1));
  EXPECT_EQ(app->requests.size(), 2u);
  EXPECT_EQ(app->outputs->points.size(), 1u);
  EXPECT_EQ(ais->Count(), 0u);

  // Through the collection's interface: success either way, null arguments refused.
  _CDBAIs* face = ais.get();
  auto node = Element(kAnalogInput);
  LONG index = 2, position = 1, slot = 1;
  EXPECT_EQ(face->LoadFromXML(node.get(), app.get(), &index, &position, &slot), S_OK);
  EXPECT_EQ(ais->Count(), 0u);
  app->refuse.clear();
  index = 3;
  EXPECT_EQ(face->LoadFromXML(node.get(), app.get(), &index, &position, &slot), S_OK);
  ASSERT_EQ(ais->Count(), 1u);
  EXPECT_EQ(ais->At(1)->NameText(), "Analog (3)");
  EXPECT_EQ(face->LoadFromXML(node.get(), app.get(), nullptr, &position, &slot), E_POINTER);
  EXPECT_TRUE(messages->Messages().empty());
}

}  // namespace
