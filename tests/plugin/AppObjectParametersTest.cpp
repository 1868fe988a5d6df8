#include "plugin/AppObjectFixture.h"

// The bundled catalogue of types is loaded (by the first object) in every test.
class AppObjectParameters : public AppObjectFixture {
  void SetUp() override {
    AppObjectFixture::SetUp();
    object->XmlSNVTDoc(LoadDocument(TQ_SNVT_FILE).get());
  }
};

TEST_F(AppObjectParameters, CreateLoadsTheSixDeviceParametersWithTheObjectsKeys) {
  UseBundledFiles();
  ASSERT_TRUE(Init("TQ4600"));
  object->Create();
  EXPECT_EQ(object->AttributeSet()->Count(), 6u);
  object->put_ExtendedKey(qcom::Bstr("OBJ7").get());
  object->put_GlobalKey(qcom::Bstr("OBJ7").get());
  auto priority = object->AttributeSet()->Item("priority");
  ASSERT_TRUE(priority);
  EXPECT_EQ(Text(*priority, &IAttribute::get_ExtendedKey), "OBJ7\\ATT\\Priority");
  EXPECT_EQ(Text(*priority, &IAttribute::get_GlobalKey), "")
      << "the object's global key is not passed to its parameters";
  EXPECT_EQ(Text(*object->AttributeSet(), &IAttributes::get_ExtendedKey), "OBJ7\\ATT");
}

TEST_F(AppObjectParameters, AMissingParameterElementIsReportedOnce) {
  // A parameter missing in the middle: the address is still the host's to assign.
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
  const std::string broken = dir.Write("broken.xml", "<SNVTS><SNVT_1></SNVTS>");
  for (auto document :
       {qxml::CreateDocument(), LoadDocument(broken), qcom::ComPtr<IXMLDOMDocument>()}) {
    object->XmlSNVTDoc(document.get());
    EXPECT_EQ(values::Shared().snvtDocument, current);
  }
  auto other =
      LoadDocument(dir.Write("other.xml", "<SNVTS><SNVT_1><NAME>x</NAME></SNVT_1></SNVTS>"));
  object->XmlSNVTDoc(other.get());
  EXPECT_EQ(values::Shared().snvtDocument, other);
}
