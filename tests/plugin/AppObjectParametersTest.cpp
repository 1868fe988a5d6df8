#include "plugin/AppObjectFixture.h"

namespace {

class AppObjectParameters : public AppObjectFixture {
 protected:
  void SetUp() override {
    AppObjectFixture::SetUp();
    object->XmlSNVTDoc(LoadDocument(TQ_SNVT_FILE).get());
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const auto& entry : object->AttributeSet()->Items()) names.push_back(entry.key);
    return names;
  }
};

}  // namespace

TEST_F(AppObjectParameters, CreateLoadsTheSixDeviceParameters) {
  UseBundledFiles();
  ASSERT_TRUE(Init("TQ4600"));
  qcom::ComPtr<IAttributes> attributes;
  object->get_Attributes(attributes.put());
  EXPECT_FALSE(attributes) << "parameters exist from Create on";
  object->Create();
  EXPECT_EQ(Names(), (std::vector<std::string>{"R5_Address", "Priority", "Powerline_Freq",
                                               "Behaviour_OnCommFailure", "MaxTimeBetweenComm",
                                               "DO_PulseTime"}));
  EXPECT_TRUE(messages->Messages().empty()) << messages->Texts().front();
  auto set = object->AttributeSet();
  EXPECT_EQ(set->Item("R5_Address")->StoredValue(), "-1") << "the address is the host's to assign";
  EXPECT_EQ(set->Item("Powerline_Freq")->DisplayValue(), "HZ_50");
  EXPECT_EQ(set->Item("Behaviour_OnCommFailure")->DisplayValue(), "OUTPUT_RESET");
  for (const auto& entry : set->Items())
    EXPECT_NE(entry.item->StreamValue().value_or(""), "") << entry.key << " encodes for the stream";

  qcom::Bstr key("OBJ7");
  object->put_ExtendedKey(key.get());
  object->get_Attributes(attributes.put());
  qcom::Bstr text;
  attributes->get_ExtendedKey(text.out());
  EXPECT_EQ(text.utf8(), "OBJ7\\ATT");
  qcom::ComPtr<IAttribute> priority;
  attributes->get_Item(qcom::Variant("priority").raw(), priority.put());
  ASSERT_TRUE(priority);
  priority->get_ExtendedKey(text.out());
  EXPECT_EQ(text.utf8(), "OBJ7\\ATT\\Priority");
  object->put_GlobalKey(key.get());
  priority->get_GlobalKey(text.out());
  EXPECT_EQ(text.utf8(), "") << "the object's global key is not passed to its parameters";
}

TEST_F(AppObjectParameters, AMissingParameterElementIsReportedOnce) {
  // Without the address the first parameter keeps its value.
  dir.Write("TQY/TQY.xml", R"(<AppObject><NAME>Y</NAME><Attributes>
      <Priority><SNVTTYPE>7</SNVTTYPE><DefaultValue>2</DefaultValue></Priority>
    </Attributes></AppObject>)");
  ASSERT_TRUE(Init("TQY"));
  object->Create();
  EXPECT_EQ(object->AttributeSet()->Item("Priority")->StoredValue(), "2");
  EXPECT_EQ(
      messages->Texts(),
      std::vector<std::string>{"Error: Problems in the Attribute section of the XML file of Y "});

  // A parameter missing in the middle: the address is still the host's to assign.
  object->Destroy();
  object = qcom::Make<CDBAppObject>();
  messages->Clear();
  dir.Write("TQX/TQX.xml", R"(<AppObject><NAME>Unit X</NAME><Attributes>
      <R5_Address><SNVTTYPE>9</SNVTTYPE><DefaultValue>0</DefaultValue></R5_Address>
      <Priority><SNVTTYPE>7</SNVTTYPE><DefaultValue>2</DefaultValue></Priority>
      <!-- Powerline_Freq missing -->
      <Behaviour_OnCommFailure><SNVTTYPE>1001</SNVTTYPE><DefaultValue>1</DefaultValue></Behaviour_OnCommFailure>
      <MaxTimeBetweenComm><SNVTTYPE>107</SNVTTYPE><DefaultValue>5</DefaultValue></MaxTimeBetweenComm>
      <DO_PulseTime><SNVTTYPE>107</SNVTTYPE><DefaultValue>1</DefaultValue></DO_PulseTime>
    </Attributes></AppObject>)");
  ASSERT_TRUE(Init("TQX"));
  object->Create();
  EXPECT_EQ(
      messages->Messages(),
      (std::vector<platform::RecordedMessage>{
          {"Error: Problems in the Attribute section of the XML file of Unit X ", 16, "Warning"}}));
  EXPECT_EQ(object->AttributeSet()->Count(), 5u);
  EXPECT_EQ(object->AttributeSet()->Item("1")->StoredValue(), "-1");
}

TEST_F(AppObjectParameters, AnEmptyOrBrokenCatalogueKeepsTheCurrentOne) {
  auto current = values::Shared().snvtDocument;
  ASSERT_TRUE(current);
  object->XmlSNVTDoc(qxml::CreateDocument().get());
  EXPECT_EQ(values::Shared().snvtDocument, current);
  std::string broken = dir.Write("broken.xml", "<SNVTS><SNVT_1></SNVTS>");
  object->XmlSNVTDoc(LoadDocument(broken).get());
  EXPECT_EQ(values::Shared().snvtDocument, current);
  object->XmlSNVTDoc(nullptr);
  EXPECT_EQ(values::Shared().snvtDocument, current);

  auto other =
      LoadDocument(dir.Write("other.xml", "<SNVTS><SNVT_1><NAME>x</NAME></SNVT_1></SNVTS>"));
  object->XmlSNVTDoc(other.get());
  EXPECT_EQ(values::Shared().snvtDocument, other);
}
