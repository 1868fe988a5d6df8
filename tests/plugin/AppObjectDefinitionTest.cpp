#include "com/ErrorRecord.h"
#include "plugin/AppObjectFixture.h"

using AppObjectDefinition = AppObjectFixture;

TEST_F(AppObjectDefinition, HeaderTextsAndNumbersAreRead) {
  dir.Write("TQX/TQX.xml", R"(<?xml version="1.0"?>
<ObjectDefinition>
  <AppObject>
    <!-- the header -->
    <name>Extension X</name>
    <ID>12</ID>
    <DESCRIPTION>Test unit</DESCRIPTION>
    <CATEGORY><!-- no text here -->IO</CATEGORY>
    <FIXEDDDB>20.5</FIXEDDDB>
    <FIXEDSHDB> 3.5kB</FIXEDSHDB>
  </AppObject>
</ObjectDefinition>
)");
  ASSERT_TRUE(Init("TQX"));
  EXPECT_TRUE(messages->Messages().empty());
  EXPECT_EQ(Text(*object, &CDBAppObject::get_Name), "Extension X")
      << "element names compare in upper case";
  EXPECT_EQ(Text(*object, &CDBAppObject::get_ID), "12");
  EXPECT_EQ(Text(*object, &CDBAppObject::get_Description), "Test unit");
  EXPECT_EQ(Text(*object, &CDBAppObject::get_Category), " no text here ")
      << "the text is the value of the first child, even when that child is a comment";
  EXPECT_EQ(Get(&CDBAppObject::get_DDBDimension), 20 + 4)
      << "20.5 rounds to 20 and 3.5 to 4 (ties to even)";
}

TEST_F(AppObjectDefinition, UnreadableDefinitionShowsOneMessageAndRecordsTheError) {
  dir.Write("Bad/Bad.xml", "<AppObject>\n  <NAME>X</NAME>\n  <ID>1</NAME>\n</AppObject>\n");
  for (const std::string name : {"Nope", "Bad"}) {  // missing, malformed
    SCOPED_TRACE(name);
    object = qcom::Make<CDBAppObject>();
    messages->Clear();
    qcom::ClearErrorRecord();
    EXPECT_FALSE(Init(name));
    EXPECT_EQ(
        messages->Messages(),
        (std::vector<platform::RecordedMessage>{
            {"Error: The object " + name + " is not available; Please verify its name.", 0, ""}}));
    auto record = qcom::PeekErrorRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(static_cast<uint32_t>(record->number), 0x80040201u);
    EXPECT_EQ(record->source, "O_TQ4600");
    EXPECT_EQ(Get(&CDBAppObject::get_DatasheetAvailable), VARIANT_FALSE);
    EXPECT_EQ(Text(*object, &CDBAppObject::get_UniqueIDString), name);
  }
  const std::string description = qcom::PeekErrorRecord()->description;
  size_t cr = description.find('\r');
  ASSERT_NE(cr, std::string::npos) << description;
  EXPECT_EQ(description.substr(0, cr), "  <ID>1</NAME>") << "the source line comes first";
  EXPECT_FALSE(description.substr(cr + 1).empty()) << "then the parser's reason";
}
