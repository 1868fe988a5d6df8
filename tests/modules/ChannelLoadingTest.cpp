#include <gtest/gtest.h>

#include "modules/ChannelFixture.h"

namespace {

using channel_tests::kAnalogInput;
using testing_support::PointRequest;
using ChannelLoading = channel_tests::ChannelFixture;
using Lines = std::vector<std::string>;
using Requests = std::vector<PointRequest>;

TEST_F(ChannelLoading, ReferenceSectionsByKind) {
  // Digital inputs count through a reference named Counter, in any case;
  // output channels create inputs from their own section only.
  auto counter = Load(
      *dis, "<DI><OutReferences><Value>95</Value><counter>8</counter></OutReferences></DI>", 2, 1);
  auto other = Load(*dis, "<DI><OutReferences><Counts>8</Counts></OutReferences></DI>", 3, 2);
  auto analog = Load(*aos,
                     "<AO><OutReferences><Status>83</Status></OutReferences>"
                     "<InReferences><Value>81,21</Value></InReferences></AO>",
                     4, 1);
  ASSERT_TRUE(counter && other && analog);
  EXPECT_EQ(app->requests,
            (Requests{{"output", "Binary (2) Value", "95", counter.get(), "Binary (2)"},
                      {"output", "Binary (2) counter", "8", counter.get(), "Binary (2)"},
                      {"output", "Binary (3) Counts", "8", other.get(), "Binary (3)"},
                      {"input", "Analog (4) Value", "81,21", analog.get(), "Analog (4)"}}));
  VARIANT_BOOL isCounter = VARIANT_FALSE;
  EXPECT_EQ(counter->get_IsCounter(&isCounter), S_OK);
  EXPECT_EQ(isCounter, VARIANT_TRUE);
  EXPECT_FALSE(other->IsCounterFlag());
  VARIANT_BOOL set = VARIANT_TRUE;
  EXPECT_EQ(other->put_IsCounter(&set), S_OK);
  EXPECT_TRUE(other->IsCounterFlag());
  EXPECT_EQ(counter->Attributes(), nullptr) << "no parameter section, no collection";
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
  LONG index = 2, position = 1, slot = 1;
  EXPECT_EQ(face->LoadFromXML(Element(kAnalogInput).get(), app.get(), &index, &position, &slot),
            S_OK);
  EXPECT_EQ(ais->Count(), 0u);
  EXPECT_EQ(face->LoadFromXML(nullptr, app.get(), nullptr, &position, &slot), E_POINTER);
  EXPECT_TRUE(messages->Messages().empty());
}

}  // namespace
