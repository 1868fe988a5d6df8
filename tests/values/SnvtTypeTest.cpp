#include <string>
#include <tuple>
#include <vector>

#include "values/CDBSNVTType.h"
#include "values/CatalogueFixture.h"
#include "values/MMain.h"
#include "xml/Elements.h"

namespace {

using T = CDBSNVTType;
using Lines = std::vector<std::string>;

std::string Text(T& t, HRESULT (T::*getter)(BSTR*)) {
  qcom::Bstr value;
  EXPECT_EQ((t.*getter)(value.out()), S_OK);
  return value.utf8();
}

LONG Number(T& t, HRESULT (T::*getter)(LONG*)) {
  LONG value = -99;
  EXPECT_EQ((t.*getter)(&value), S_OK);
  return value;
}

qcom::ComPtr<T> Load(const std::string& id) {
  auto type = qcom::Make<T>();
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

  // An enumeration is one byte whatever LENGTH says; a text type reads LENGTH only.
  const std::tuple<const char*, HRESULT (T::*)(BSTR*), const char*> texts[] = {
      {"1", &T::get_LUIType, "Logic"},   {"1", &T::get_EnumDesc, "0,OFF;1,ON;"},
      {"2", &T::get_Name, "t_struct"},   {"2", &T::get_GenType, "Struct"},
      {"2", &T::get_LUIType, "Invalid"}, {"3", &T::get_LUIType, "Float"},
      {"3", &T::get_Units, "degC"},      {"3", &T::get_Min, "-10"},
      {"3", &T::get_Max, "50.5"},        {"3", &T::get_InvalidValue, "327.67"},
      {"4", &T::get_LUIType, "Numeric"}, {"5", &T::get_LUIType, "Numeric"},
      {"6", &T::get_LUIType, "Numeric"}, {"7", &T::get_LUIType, "Textual"},
      {"7", &T::get_Units, ""}};
  for (const auto& [id, getter, text] : texts) EXPECT_EQ(Text(*Load(id), getter), text) << id;
  const std::tuple<const char*, HRESULT (T::*)(LONG*), LONG> numbers[] = {
      {"1", &T::get_Length, 1}, {"1", &T::get_Factor, 2}, {"1", &T::get_R5Region, 7},
      {"2", &T::get_Length, 0}, {"3", &T::get_Length, 4}, {"4", &T::get_ACoef, 1},
      {"4", &T::get_BCoef, -1}, {"4", &T::get_CCoef, 3},  {"7", &T::get_Length, 31}};
  for (const auto& [id, getter, number] : numbers)
    EXPECT_EQ(Number(*Load(id), getter), number) << id;
  EXPECT_TRUE(messages->Messages().empty());
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

  // The bad type is kept as read; NAME after TYPE still counts; what was read
  // before a problem stays.
  auto bad = Load("10");
  EXPECT_EQ(Text(*bad, &T::get_GenType), "float");
  EXPECT_EQ(Text(*bad, &T::get_LUIType), "");
  Load("11");
  auto late = Load("12");
  EXPECT_EQ(Text(*late, &T::get_Name), "late name");
  EXPECT_EQ(Number(*late, &T::get_Length), 8);
  auto ties = Load("13");
  EXPECT_EQ(Number(*ties, &T::get_Factor), 2);
  EXPECT_EQ(Number(*ties, &T::get_R5Region), 4);
  EXPECT_EQ(Number(*ties, &T::get_ACoef), 0);
  EXPECT_EQ(Number(*ties, &T::get_BCoef), 2);
  EXPECT_EQ(Text(*Load("14"), &T::get_Name), "partial");
  Load("15");
  Load("99");
  Load("");  // no type and no number: silent

  EXPECT_EQ(messages->Texts(),
            (Lines{"Error: SNVT_10 has a bad type", "Error: SNVT_11 has a bad Length",
                   "Error: SNVT_13 has a bad Length", "Error: SNVT_14 is not defined",
                   "Error: SNVT_15 is not defined", "Error: SNVT_99 is not defined"}));
  for (const auto& m : messages->Messages()) {
    EXPECT_EQ(m.style, 0);
    EXPECT_EQ(m.title, "");
  }

  // Without a catalogue every type is undefined.
  messages->Clear();
  values::Shared().snvtDocument = nullptr;
  EXPECT_EQ(Text(*Load("8"), &T::get_GenType), "");
  EXPECT_EQ(messages->Texts(), Lines{"Error: SNVT_8 is not defined"});
}

TEST_F(SnvtType, LimitsFollowTheUsersDecimalSeparator) {
  UseCatalogue(R"(<SNVT_3><NAME>t</NAME><TYPE>Float</TYPE><MIN>12.5</MIN><MAX>1,000.5</MAX>
                  <LENGTH>4</LENGTH></SNVT_3>)");
  UseSeparators(",", ".");
  auto comma = Load("3");
  // Only the first separator changes.
  EXPECT_EQ(Text(*comma, &T::get_Min), "12,5");
  EXPECT_EQ(Text(*comma, &T::get_Max), "1,000,5");
  UseSeparators(".", ",");
  EXPECT_EQ(Text(*comma, &T::get_Min), "12.5") << "reported in the current locale";
  comma->SetMin("7,25");
  EXPECT_EQ(Text(*comma, &T::get_Min), "7.25");
}

TEST_F(SnvtType, ReloadingKeepsWhatTheCatalogueDoesNotSupply) {
  UseCatalogue(R"(<SNVT_3><NAME>a</NAME><TYPE>Float</TYPE><UNIT>m</UNIT><LENGTH>4</LENGTH></SNVT_3>
                  <SNVT_2><NAME>b</NAME><TYPE>Struct</TYPE></SNVT_2>)");
  auto t = Load("3");
  t->SetLength(2);
  t->LoadFromCatalogue("2");
  EXPECT_EQ(Text(*t, &T::get_Name) + "|" + Text(*t, &T::get_Units) + "|" + Text(*t, &T::get_ID),
            "b|m|2");
  EXPECT_EQ(Number(*t, &T::get_Length), 2);
}

TEST_F(SnvtType, KeptReadingsFollowTheCatalogueAndReplayTheirProblems) {
  UseCatalogue(R"(<SNVT_3><NAME>t</NAME><TYPE>Float</TYPE><UNIT>m</UNIT></SNVT_3>)");
  // Every load reports the entry's problem, not only the one that read it.
  Load("3");
  auto second = Load("3");
  EXPECT_EQ(messages->Texts(),
            (Lines{"Error: SNVT_3 has a bad Length", "Error: SNVT_3 has a bad Length"}));
  // The length check looks at the object: a length it already had passes.
  second->SetLength(4);
  second->LoadFromCatalogue("3");
  EXPECT_EQ(messages->Texts().size(), 2u);

  // A change written into the catalogue is seen at the next load.
  auto unit = qxml::FirstMatch(values::Shared().snvtDocument.get(), "SNVTS/SNVT_3/UNIT");
  ASSERT_EQ(unit->put_text(qcom::Bstr("ft").get()), S_OK);
  EXPECT_EQ(Text(*Load("3"), &T::get_Units), "ft");
  EXPECT_EQ(messages->Texts().size(), 3u);

  // So is another catalogue, and another decimal separator.
  UseCatalogue(R"(<SNVT_3><NAME>t</NAME><TYPE>Float</TYPE><MAX>1,000.5</MAX><LENGTH>2</LENGTH>
                  </SNVT_3>)");
  EXPECT_EQ(Text(*Load("3"), &T::get_Units), "");
  UseSeparators(",", ".");
  EXPECT_EQ(Text(*Load("3"), &T::get_Max), "1,000,5");
  UseSeparators(".", ",");
  EXPECT_EQ(Text(*Load("3"), &T::get_Max), "1,000.5");
  EXPECT_EQ(messages->Texts().size(), 3u);
}
