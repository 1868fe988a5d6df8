#pragma once

#include <string>

#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "support/FakeAppObject.h"
#include "values/CatalogueFixture.h"

namespace channel_tests {

// Float (4 bytes in the catalogue), enumeration, counted seconds and text.
inline constexpr const char* kTypes = R"(
  <SNVT_1><NAME>t_time</NAME><TYPE>Float</TYPE><UNIT>s</UNIT><LENGTH>4</LENGTH></SNVT_1>
  <SNVT_2><NAME>t_mode</NAME><TYPE>Enum</TYPE><Enums><OFF>0</OFF><ON>1</ON></Enums></SNVT_2>
  <SNVT_3><NAME>t_delay</NAME><TYPE>UnsignedNumeric</TYPE><UNIT>s</UNIT><LENGTH>2</LENGTH>
    <MIN>0</MIN><MAX>6553.5</MAX><A_COEF>1</A_COEF><B_COEF>-1</B_COEF><C_COEF>0</C_COEF></SNVT_3>
  <SNVT_4><NAME>t_label</NAME><TYPE>Textual</TYPE><LENGTH>12</LENGTH></SNVT_4>)";

// An analog input as a module template defines it: three parameters and two outputs.
inline const std::string kAnalogInput = R"(<AI><Number>4</Number><Attributes>
    <filter><SNVTTYPE>1</SNVTTYPE><DefaultValue>2.5</DefaultValue></filter>
    <mode><SNVTTYPE>2</SNVTTYPE><DefaultValue>1</DefaultValue></mode>
    <delay><SNVTTYPE>3</SNVTTYPE><DefaultValue>60</DefaultValue></delay>
  </Attributes><OutReferences><Value>105</Value><Status>83</Status></OutReferences></AI>)";

// Channels need an application object that offers the component's services,
// and an SNVT catalogue for their parameters. Every test ends with all
// objects it made released.
class ChannelFixture : public CatalogueFixture {
 protected:
  void SetUp() override { UseCatalogue(kTypes); }

  void TearDown() override {
    ais = nullptr;
    aos = nullptr;
    dis = nullptr;
    app = nullptr;
    EXPECT_EQ(qcom::ThisModule().objects.load(), objectsAtStart_) << "objects left alive";
    CatalogueFixture::TearDown();
  }

  // Loads one channel of the collection's kind from definition text.
  template <class Collection>
  auto Load(Collection& collection, const std::string& definition, int32_t channelIndex,
            int32_t indexInModule) {
    auto node = Element(definition);
    return collection.LoadFromXML(node.get(), app.get(), channelIndex, indexInModule, 1);
  }

  // Declared first, so it is read before any member object exists.
  const int32_t objectsAtStart_ = qcom::ThisModule().objects.load();

  qcom::ComPtr<testing_support::FakeAppObject> app = qcom::Make<testing_support::FakeAppObject>();
  qcom::ComPtr<CDBAIs> ais = qcom::Make<CDBAIs>();
  qcom::ComPtr<CDBAOs> aos = qcom::Make<CDBAOs>();
  qcom::ComPtr<CDBDIs> dis = qcom::Make<CDBDIs>();
};

}  // namespace channel_tests
