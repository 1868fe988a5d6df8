#include "values/CDBSNVTType.h"
#include "values/CatalogueFixture.h"
#include "values/MMain.h"
#include "values/XmlRead.h"

namespace {

std::string Text(CDBSNVTType& t, HRESULT (CDBSNVTType::*getter)(BSTR*)) {
  qcom::Bstr value;
  (t.*getter)(value.out());
  return value.utf8();
}

LONG Number(CDBSNVTType& t, HRESULT (CDBSNVTType::*getter)(LONG*)) {
  LONG value = -99;
  (t.*getter)(&value);
  return value;
}

qcom::ComPtr<CDBSNVTType> Load(const std::string& id) {
  auto type = qcom::Make<CDBSNVTType>();
  type->LoadFromCatalogue(id);
  return type;
}

}  // namespace

using SnvtType = CatalogueFixture;

TEST_F(SnvtType, EachKindGetsItsEditClassAndDetails) {
  UseCatalogue(R"(
    <SNVT_1 FACTOR="2" R5REGION="7"><NAME>t_enum</NAME><TYPE>Enum</TYPE><LENGTH>4</LENGTH>
      <Enums><!-- members --><OFF>0</OFF><ON>1</ON><EMPTY/></Enums></SNVT_1>
    <SNVT_2><NAME>t_struct</NAME><TYPE>Struct</TYPE><LENGTH>4</LENGTH></SNVT_2>
    <SNVT_3><NAME>t_float</NAME><TYPE>Float</TYPE><UNIT>degC</UNIT><MIN>-10</MIN><MAX>50.5</MAX>
      <LENGTH>4</LENGTH><INVALIDVALUE>327.67</INVALIDVALUE></SNVT_3>
    <SNVT_4><NAME>t_signed</NAME><TYPE>SignedNumeric</TYPE><LENGTH>2</LENGTH>
      <A_COEF>1</A_COEF><B_COEF>-1</B_COEF><C_COEF>3</C_COEF></SNVT_4>
    <SNVT_5><NAME>t_unsigned</NAME><TYPE>UnsignedNumeric</TYPE><LENGTH>1</LENGTH></SNVT_5>
    <SNVT_6><NAME>t_bits</NAME><TYPE>Bitfield</TYPE><LENGTH>2</LENGTH></SNVT_6>
    <SNVT_7><NAME>t_text</NAME><TYPE>Textual</TYPE><LENGTH>31</LENGTH><UNIT>ignored</UNIT></SNVT_7>)");

  auto e = Load("1");
  EXPECT_EQ(Text(*e, &CDBSNVTType::get_LUIType), "Logic");
  EXPECT_EQ(Number(*e, &CDBSNVTType::get_Length), 1)
      << "an enumeration is one byte whatever LENGTH says";
  EXPECT_EQ(Text(*e, &CDBSNVTType::get_EnumDesc), "0,OFF;1,ON;");
  EXPECT_EQ(Number(*e, &CDBSNVTType::get_Factor), 2);
  EXPECT_EQ(Number(*e, &CDBSNVTType::get_R5Region), 7);

  auto s = Load("2");
  EXPECT_EQ(Text(*s, &CDBSNVTType::get_Name), "t_struct");
  EXPECT_EQ(Text(*s, &CDBSNVTType::get_GenType), "Struct");
  EXPECT_EQ(Text(*s, &CDBSNVTType::get_LUIType), "Invalid");
  EXPECT_EQ(Number(*s, &CDBSNVTType::get_Length), 0);

  auto f = Load("3");
  EXPECT_EQ(Text(*f, &CDBSNVTType::get_LUIType), "Float");
  EXPECT_EQ(Text(*f, &CDBSNVTType::get_Units), "degC");
  EXPECT_EQ(Text(*f, &CDBSNVTType::get_Min), "-10");
  EXPECT_EQ(Text(*f, &CDBSNVTType::get_Max), "50.5");
  EXPECT_EQ(Text(*f, &CDBSNVTType::get_InvalidValue), "327.67");
  EXPECT_EQ(Number(*f, &CDBSNVTType::get_Length), 4);

  auto n = Load("4");
  EXPECT_EQ(Text(*n, &CDBSNVTType::get_LUIType), "Numeric");
  EXPECT_EQ(Number(*n, &CDBSNVTType::get_ACoef), 1);
  EXPECT_EQ(Number(*n, &CDBSNVTType::get_BCoef), -1);
  EXPECT_EQ(Number(*n, &CDBSNVTType::get_CCoef), 3);
  EXPECT_EQ(Text(*Load("5"), &CDBSNVTType::get_LUIType), "Numeric");
  EXPECT_EQ(Text(*Load("6"), &CDBSNVTType::get_LUIType), "Numeric");

  auto t = Load("7");
  EXPECT_EQ(Text(*t, &CDBSNVTType::get_LUIType), "Textual");
  EXPECT_EQ(Number(*t, &CDBSNVTType::get_Length), 31);
  EXPECT_EQ(Text(*t, &CDBSNVTType::get_Units), "") << "a text type reads LENGTH only";

  EXPECT_TRUE(messages->Messages().empty());
  VARIANT_BOOL field = VARIANT_TRUE;
  t->get_HasField(&field);
  EXPECT_EQ(field, VARIANT_FALSE);
  EXPECT_EQ(Number(*t, &CDBSNVTType::get_BACnetUnits), 0);
}

TEST_F(SnvtType, BadDefinitionsShowTheirMessage) {
  UseCatalogue(R"(
    <SNVT_10><NAME>lower</NAME><TYPE>float</TYPE><LENGTH>2</LENGTH></SNVT_10>
    <SNVT_11><NAME>nolength</NAME><TYPE>SignedNumeric</TYPE></SNVT_11>
    <SNVT_12><type>Textual</type><length>8</length><name>late name</name></SNVT_12>
    <SNVT_13 factor="2.5" R5REGION="3.5"><NAME>ties</NAME><TYPE>UnsignedNumeric</TYPE>
      <LENGTH>abc</LENGTH><A_COEF></A_COEF><B_COEF>1.5</B_COEF></SNVT_13>
    <SNVT_14><NAME>partial</NAME><TYPE>Struct</TYPE><NAME/></SNVT_14>
    <SNVT_15 FACTOR="1e12"><NAME>huge</NAME><TYPE>Struct</TYPE></SNVT_15>)");

  auto bad = Load("10");
  EXPECT_EQ(Text(*bad, &CDBSNVTType::get_GenType), "float") << "the text is kept as read";
  EXPECT_EQ(Text(*bad, &CDBSNVTType::get_LUIType), "");
  auto noLength = Load("11");
  auto late = Load("12");
  EXPECT_EQ(Text(*late, &CDBSNVTType::get_Name), "late name") << "NAME after TYPE still counts";
  EXPECT_EQ(Number(*late, &CDBSNVTType::get_Length), 8);
  auto ties = Load("13");
  EXPECT_EQ(Number(*ties, &CDBSNVTType::get_Factor), 2);
  EXPECT_EQ(Number(*ties, &CDBSNVTType::get_R5Region), 4);
  EXPECT_EQ(Number(*ties, &CDBSNVTType::get_ACoef), 0);
  EXPECT_EQ(Number(*ties, &CDBSNVTType::get_BCoef), 2);
  auto partial = Load("14");
  EXPECT_EQ(Text(*partial, &CDBSNVTType::get_Name), "partial") << "what was read before stays";
  Load("15");
  Load("99");
  Load("");  // no type and no number: silent

  EXPECT_EQ(
      messages->Texts(),
      (std::vector<std::string>{"Error: SNVT_10 has a bad type", "Error: SNVT_11 has a bad Length",
                                "Error: SNVT_13 has a bad Length", "Error: SNVT_14 is not defined",
                                "Error: SNVT_15 is not defined", "Error: SNVT_99 is not defined"}));
  for (const auto& m : messages->Messages()) {
    EXPECT_EQ(m.style, 0);
    EXPECT_EQ(m.title, "");
  }
}

TEST_F(SnvtType, LimitsFollowTheUsersDecimalSeparator) {
  UseCatalogue(R"(<SNVT_3><NAME>t</NAME><TYPE>Float</TYPE><MIN>12.5</MIN><MAX>1,000.5</MAX>
                  <LENGTH>4</LENGTH></SNVT_3>)");
  UseSeparators(",", ".");
  auto comma = Load("3");
  EXPECT_EQ(Text(*comma, &CDBSNVTType::get_Min), "12,5");
  EXPECT_EQ(Text(*comma, &CDBSNVTType::get_Max), "1,000,5") << "only the first separator changes";
  UseSeparators(".", ",");
  EXPECT_EQ(Text(*comma, &CDBSNVTType::get_Min), "12.5") << "reported in the current locale";
  comma->SetMin("7,25");
  EXPECT_EQ(Text(*comma, &CDBSNVTType::get_Min), "7.25");
}

TEST_F(SnvtType, ReloadingKeepsWhatTheCatalogueDoesNotSupply) {
  UseCatalogue(R"(<SNVT_3><NAME>a</NAME><TYPE>Float</TYPE><UNIT>m</UNIT><LENGTH>4</LENGTH></SNVT_3>
                  <SNVT_2><NAME>b</NAME><TYPE>Struct</TYPE></SNVT_2>)");
  auto t = Load("3");
  t->SetLength(2);
  t->LoadFromCatalogue("2");
  EXPECT_EQ(Text(*t, &CDBSNVTType::get_Name), "b");
  EXPECT_EQ(Text(*t, &CDBSNVTType::get_Units), "m");
  EXPECT_EQ(Text(*t, &CDBSNVTType::get_ID), "2");
  EXPECT_EQ(Number(*t, &CDBSNVTType::get_Length), 2);
}

TEST_F(SnvtType, WithoutACatalogueEveryTypeIsUndefined) {
  values::Shared().snvtDocument = nullptr;
  auto t = Load("8");
  EXPECT_EQ(Text(*t, &CDBSNVTType::get_GenType), "");
  EXPECT_EQ(messages->Texts(), std::vector<std::string>{"Error: SNVT_8 is not defined"});
}

TEST_F(SnvtType, KeptReadingsFollowTheCatalogueAndReplayTheirProblems) {
  UseCatalogue(R"(<SNVT_3><NAME>t</NAME><TYPE>Float</TYPE><UNIT>m</UNIT></SNVT_3>)");
  // Every load reports the entry's problem, not only the one that read it.
  Load("3");
  auto second = Load("3");
  EXPECT_EQ(messages->Texts(), (std::vector<std::string>{"Error: SNVT_3 has a bad Length",
                                                         "Error: SNVT_3 has a bad Length"}));
  // The length check looks at the object: a length it already had passes.
  second->SetLength(4);
  second->LoadFromCatalogue("3");
  EXPECT_EQ(messages->Texts().size(), 2u);

  // A change written into the catalogue is seen at the next load.
  auto unit = values::xml::FirstMatch(values::Shared().snvtDocument.get(), "SNVTS/SNVT_3/UNIT");
  qcom::Bstr feet("ft");
  ASSERT_EQ(unit->put_text(feet.get()), S_OK);
  EXPECT_EQ(Text(*Load("3"), &CDBSNVTType::get_Units), "ft");
  EXPECT_EQ(messages->Texts().size(), 3u);

  // So is another catalogue, and another decimal separator.
  UseCatalogue(R"(<SNVT_3><NAME>t</NAME><TYPE>Float</TYPE><MAX>1,000.5</MAX><LENGTH>2</LENGTH>
                  </SNVT_3>)");
  EXPECT_EQ(Text(*Load("3"), &CDBSNVTType::get_Units), "");
  UseSeparators(",", ".");
  EXPECT_EQ(Text(*Load("3"), &CDBSNVTType::get_Max), "1,000,5");
  UseSeparators(".", ",");
  EXPECT_EQ(Text(*Load("3"), &CDBSNVTType::get_Max), "1,000.5");
  EXPECT_EQ(messages->Texts().size(), 3u);
}
