#include <string>
#include <utility>
#include <vector>

#include "values/CDBSNVTType.h"
#include "values/CatalogueFixture.h"
#include "xml/Elements.h"

namespace {

using T = CDBSNVTType;
using Lines = std::vector<std::string>;

qcom::ComPtr<T> Load(const std::string& id) {
  auto type = qcom::Make<T>();
  type->LoadFromCatalogue(id);
  return type;
}

// Everything a type answers, "|"-separated: name, kind, edit class, units,
// limits, invalid value and enumeration, then length, factor, R5 region and
// the coefficients A, B and C.
std::string Summary(T& t) {
  std::string out;
  for (auto getter : {&T::get_Name, &T::get_GenType, &T::get_LUIType, &T::get_Units, &T::get_Min,
                      &T::get_Max, &T::get_InvalidValue, &T::get_EnumDesc}) {
    qcom::Bstr text;
    EXPECT_EQ((t.*getter)(text.out()), S_OK);
    out += text.utf8() + "|";
  }
  for (auto getter : {&T::get_Length, &T::get_Factor, &T::get_R5Region, &T::get_ACoef,
                      &T::get_BCoef, &T::get_CCoef}) {
    LONG value = -99;
    EXPECT_EQ((t.*getter)(&value), S_OK);
    out += std::to_string(value) + (getter == &T::get_CCoef ? "" : "|");
  }
  return out;
}

std::string Text(T& t, HRESULT (T::*getter)(BSTR*)) {
  qcom::Bstr text;
  (t.*getter)(text.out());
  return text.utf8();
}

}  // namespace

using SnvtType = CatalogueFixture;

TEST_F(SnvtType, EachEntryIsReadByItsKindAndABadOneShowsItsMessage) {
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
    <SNVT_7><NAME>t_text</NAME><TYPE>Textual</TYPE><LENGTH>31</LENGTH><UNIT>ignored</UNIT></SNVT_7>
    <SNVT_10><NAME>lower</NAME><TYPE>float</TYPE><LENGTH>2</LENGTH></SNVT_10>
    <SNVT_11><NAME>nolength</NAME><TYPE>SignedNumeric</TYPE></SNVT_11>
    <SNVT_12><type>Textual</type><length>8</length><name>late name</name></SNVT_12>
    <SNVT_13 factor="2.5" R5REGION="3.5"><NAME>ties</NAME><TYPE>UnsignedNumeric</TYPE>
      <LENGTH>abc</LENGTH><A_COEF></A_COEF><B_COEF>1.5</B_COEF></SNVT_13>
    <SNVT_14><NAME>partial</NAME><TYPE>Struct</TYPE><NAME/></SNVT_14>
    <SNVT_15 FACTOR="1e12"><NAME>huge</NAME><TYPE>Struct</TYPE></SNVT_15>)");

  // An enumeration is one byte whatever LENGTH says; a text type reads LENGTH
  // only. A bad type is kept as read; NAME after TYPE still counts; numbers
  // are read for their prefix and rounded half to even; what was read before a
  // problem stays.
  const std::pair<const char*, const char*> types[] = {
      {"1", "t_enum|Enum|Logic|||||0,OFF;1,ON;|1|2|7|0|0|0"},
      {"2", "t_struct|Struct|Invalid||||||0|0|0|0|0|0"},
      {"3", "t_float|Float|Float|degC|-10|50.5|327.67||4|0|0|0|0|0"},
      {"4", "t_signed|SignedNumeric|Numeric||||||2|0|0|1|-1|3"},
      {"5", "t_unsigned|UnsignedNumeric|Numeric||||||1|0|0|0|0|0"},
      {"6", "t_bits|Bitfield|Numeric||||||2|0|0|0|0|0"},
      {"7", "t_text|Textual|Textual||||||31|0|0|0|0|0"},
      {"10", "lower|float|||||||0|0|0|0|0|0"},
      {"11", "nolength|SignedNumeric|Numeric||||||0|0|0|0|0|0"},
      {"12", "late name|Textual|Textual||||||8|0|0|0|0|0"},
      {"13", "ties|UnsignedNumeric|Numeric||||||0|2|4|0|2|0"},
      {"14", "partial|Struct|Invalid||||||0|0|0|0|0|0"},
      {"15", "||||||||0|0|0|0|0|0"},
      {"99", "||||||||0|0|0|0|0|0"},
      {"", "||||||||0|0|0|0|0|0"}};  // no type and no number: silent
  for (auto [id, summary] : types) EXPECT_EQ(Summary(*Load(id)), summary) << id;
  EXPECT_EQ(messages->Texts(),
            (Lines{"Error: SNVT_10 has a bad type", "Error: SNVT_11 has a bad Length",
                   "Error: SNVT_13 has a bad Length", "Error: SNVT_14 is not defined",
                   "Error: SNVT_15 is not defined", "Error: SNVT_99 is not defined"}));
  EXPECT_EQ(messages->Messages().front(), (platform::RecordedMessage{messages->Texts()[0], 0, ""}));

  // Reloading keeps what the new entry does not supply.
  auto t = Load("3");
  t->SetLength(2);
  t->LoadFromCatalogue("2");
  EXPECT_EQ(Summary(*t), "t_struct|Struct|Invalid|degC|-10|50.5|327.67||2|0|0|0|0|0");
  EXPECT_EQ(Text(*t, &T::get_ID), "2");

  // Without a catalogue every type is undefined.
  messages->Clear();
  values::Shared().snvtDocument = nullptr;
  EXPECT_EQ(Summary(*Load("8")), "||||||||0|0|0|0|0|0");
  EXPECT_EQ(messages->Texts(), Lines{"Error: SNVT_8 is not defined"});
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
  messages->Clear();

  // So is another catalogue, and another decimal separator; only the first
  // separator changes, and a loaded type reports in the current one.
  UseCatalogue(R"(<SNVT_3><NAME>t</NAME><TYPE>Float</TYPE><MIN>12.5</MIN><MAX>1,000.5</MAX>
                  <LENGTH>2</LENGTH></SNVT_3>)");
  EXPECT_EQ(Text(*Load("3"), &T::get_Units), "");
  UseSeparator(",");
  auto comma = Load("3");
  EXPECT_EQ(Text(*comma, &T::get_Min) + " " + Text(*comma, &T::get_Max), "12,5 1,000,5");
  UseSeparator(".");
  EXPECT_EQ(Text(*Load("3"), &T::get_Max), "1,000.5");
  EXPECT_EQ(Text(*comma, &T::get_Min), "12.5");
  comma->SetMin("7,25");
  EXPECT_EQ(Text(*comma, &T::get_Min), "7.25");
  EXPECT_TRUE(messages->Messages().empty());
}
