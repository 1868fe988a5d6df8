#include "com/ErrorRecord.h"
#include "plugin/AppObjectFixture.h"

namespace {

std::string Definition(const std::string& header) {
  return "<?xml version=\"1.0\"?>\n<ObjectDefinition>\n  <AppObject>\n" + header +
         "\n  </AppObject>\n</ObjectDefinition>\n";
}

}  // namespace

using AppObjectDefinition = AppObjectFixture;

TEST_F(AppObjectDefinition, HeaderTextsAndNumbersAreRead) {
  dir.Write("TQX/TQX.xml", Definition(R"(
    <!-- the header -->
    <name>Extension X</name>
    <ID>12</ID>
    <DESCRIPTION>Test unit</DESCRIPTION>
    <CATEGORY><!-- no text here -->IO</CATEGORY>
    <FIXEDDDB>20.5</FIXEDDDB>
    <FIXEDSHDB> 3.5kB</FIXEDSHDB>
    <EXECTIME>abc</EXECTIME>
    <MAXINSTANCES>99999999999</MAXINSTANCES>
    <Unknown>ignored</Unknown>)"));
  ASSERT_TRUE(Init("TQX"));
  EXPECT_TRUE(messages->Messages().empty());
  EXPECT_EQ(Text(&CDBAppObject::get_UniqueIDString), "TQX");
  EXPECT_EQ(Text(&CDBAppObject::get_Name), "Extension X") << "element names compare in upper case";
  EXPECT_EQ(Text(&CDBAppObject::get_ID), "12");
  EXPECT_EQ(Text(&CDBAppObject::get_Description), "Test unit");
  EXPECT_EQ(Text(&CDBAppObject::get_Category), " no text here ")
      << "the text is the value of the first child, even when that child is a comment";
  LONG n = -1;
  object->get_ExecTime(&n);
  EXPECT_EQ(n, 0) << "a text without a numeric prefix reads as 0";
  object->get_MaxInstances(&n);
  EXPECT_EQ(n, 0) << "a number beyond 32 bits is skipped";
  object->get_DDBDimension(&n);
  EXPECT_EQ(n, 20 + 4) << "20.5 rounds to 20 and 3.5 to 4 (ties to even)";
  object->get_CDBDimension(&n);
  EXPECT_EQ(n, 25);
  EXPECT_EQ(Text(&CDBAppObject::get_MapTypMod), "000000");
}

TEST_F(AppObjectDefinition, DataSheetIsLookedUpInOrder) {
  const std::string def = Definition("<ID>77</ID>");
  auto check = [&](const std::string& expectedFile) {
    object = qcom::Make<CDBAppObject>();
    EXPECT_TRUE(Init("TQX"));
    VARIANT_BOOL available = VARIANT_FALSE;
    object->get_DatasheetAvailable(&available);
    EXPECT_EQ(available != VARIANT_FALSE, !expectedFile.empty()) << expectedFile;
    EXPECT_EQ(object->DatasheetPath(),
              expectedFile.empty() ? "" : dir.path() + "/O_TQ4600/../" + expectedFile);
  };
  dir.Write("TQX/TQX.xml", def);
  check("");
  dir.Write("DataSheets/pb_77_sheet.DOC", "doc");
  check("DataSheets/pb_77_sheet.DOC");
  dir.Write("DataSheets/pb_77_zz.pdf", "pdf");
  dir.Write("DataSheets/pb_7_other.pdf", "pdf");
  check("DataSheets/pb_77_zz.pdf");
  dir.Write("TQX/manual.doc", "doc");
  check("TQX/manual.doc");
  dir.Write("TQX/Zeta.PDF", "pdf");
  dir.Write("TQX/alpha.pdf", "pdf");
  check("TQX/alpha.pdf");
}

TEST_F(AppObjectDefinition, WithoutAnIdOnlyTheOwnFolderIsSearched) {
  dir.Write("TQX/TQX.xml", Definition("<NAME>X</NAME>"));
  dir.Write("DataSheets/pb__x.pdf", "pdf");
  ASSERT_TRUE(Init("TQX"));
  VARIANT_BOOL available = VARIANT_TRUE;
  object->get_DatasheetAvailable(&available);
  EXPECT_EQ(available, VARIANT_FALSE);
}

TEST_F(AppObjectDefinition, MissingDefinitionShowsOneMessageAndRecordsTheError) {
  qcom::ClearErrorRecord();
  EXPECT_FALSE(Init("Nope"));
  ASSERT_EQ(messages->Messages().size(), 1u);
  EXPECT_EQ(messages->Messages()[0],
            (platform::RecordedMessage{
                "Error: The object Nope is not available; Please verify its name.", 0, ""}));
  auto record = qcom::PeekErrorRecord();
  ASSERT_TRUE(record);
  EXPECT_EQ(static_cast<uint32_t>(record->number), 0x80040201u);
  EXPECT_EQ(record->source, "O_TQ4600");
  VARIANT_BOOL available = VARIANT_TRUE;
  object->get_DatasheetAvailable(&available);
  EXPECT_EQ(available, VARIANT_FALSE);
  EXPECT_EQ(Text(&CDBAppObject::get_UniqueIDString), "Nope");
}

TEST_F(AppObjectDefinition, MalformedDefinitionRecordsSourceLineAndReason) {
  dir.Write("Bad/Bad.xml", "<AppObject>\n  <NAME>X</NAME>\n  <ID>1</NAME>\n</AppObject>\n");
  qcom::ClearErrorRecord();
  EXPECT_FALSE(Init("Bad"));
  EXPECT_EQ(messages->Texts(),
            std::vector<std::string>{"Error: The object Bad is not available; Please verify its name."});
  auto record = qcom::PeekErrorRecord();
  ASSERT_TRUE(record);
  EXPECT_EQ(static_cast<uint32_t>(record->number), 0x80040201u);
  size_t cr = record->description.find('\r');
  ASSERT_NE(cr, std::string::npos) << record->description;
  EXPECT_EQ(record->description.substr(0, cr), "  <ID>1</NAME>") << "the source line comes first";
  EXPECT_FALSE(record->description.substr(cr + 1).empty()) << "then the parser's reason";
}

TEST_F(AppObjectDefinition, StringIdReadsTheSameDefinition) {
  dir.Write("TQX/TQX.xml", Definition("<NAME>X</NAME><ID>5</ID>"));
  auto own = qcom::QueryAs<_CDBAppObject>(object.get());
  ASSERT_TRUE(own);
  qcom::Bstr name("TQX");
  VARIANT_BOOL ok = VARIANT_FALSE;
  own->StringID(name.get(), &ok);
  EXPECT_EQ(ok, VARIANT_TRUE);
  EXPECT_EQ(Text(&CDBAppObject::get_ID), "5");
  qcom::Bstr missing("Missing");
  own->StringID(missing.get(), &ok);
  EXPECT_EQ(ok, VARIANT_FALSE);
  EXPECT_EQ(messages->Messages().size(), 1u);
}

TEST_F(AppObjectDefinition, BundledDefinitionLoads) {
  modules::SetComponentModulePathForTesting(std::string(TQ_PLUGINS_DIR) + "/O_TQ4600/O_TQ4600.so");
  ASSERT_TRUE(Init("TQ4600"));
  EXPECT_EQ(Text(&CDBAppObject::get_Name), "TQ4600");
  EXPECT_EQ(Text(&CDBAppObject::get_ID), "4600");
  VARIANT_BOOL available = VARIANT_FALSE;
  object->get_DatasheetAvailable(&available);
  EXPECT_EQ(available, VARIANT_TRUE);
  LONG ddb = 0, execTime = 0, maxInstances = 0;
  object->get_DDBDimension(&ddb);
  object->get_ExecTime(&execTime);
  object->get_MaxInstances(&maxInstances);
  EXPECT_EQ(ddb, 24 + 8);
  EXPECT_GT(execTime, 0);
  EXPECT_GT(maxInstances, 0);
}
