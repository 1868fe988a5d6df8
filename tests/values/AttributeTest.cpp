#include <string>
#include <vector>

#include "values/CDBAttribute.h"
#include "values/CDBAttributes.h"
#include "values/CatalogueFixture.h"
#include "values/ValueCheck.h"

namespace {

using A = CDBAttribute;
using Lines = std::vector<std::string>;

constexpr const char* kTypes = R"(
  <SNVT_1><NAME>t_float</NAME><TYPE>Float</TYPE><UNIT>degC</UNIT><MIN>-40</MIN><MAX>125</MAX>
    <LENGTH>4</LENGTH></SNVT_1>
  <SNVT_2><NAME>t_enum</NAME><TYPE>Enum</TYPE><Enums><OFF>0</OFF><ON>1</ON></Enums></SNVT_2>
  <SNVT_3><NAME>t_count</NAME><TYPE>UnsignedNumeric</TYPE><MIN>0</MIN><MAX>6553.5</MAX><UNIT>s</UNIT>
    <LENGTH>2</LENGTH><A_COEF>1</A_COEF><B_COEF>-1</B_COEF><C_COEF>0</C_COEF></SNVT_3>
  <SNVT_4><NAME>t_text</NAME><TYPE>Textual</TYPE><LENGTH>4</LENGTH></SNVT_4>
  <SNVT_5><NAME>t_bits</NAME><TYPE>Bitfield</TYPE><LENGTH>1</LENGTH></SNVT_5>
  <SNVT_6><NAME>t_wide</NAME><TYPE>SignedNumeric</TYPE><LENGTH>2</LENGTH><A_COEF>40000</A_COEF></SNVT_6>)";

class Attribute : public CatalogueFixture {
 protected:
  void SetUp() override { UseCatalogue(kTypes); }

  qcom::ComPtr<A> Add(const std::string& name, const std::string& body) {
    auto node = Element("<" + name + ">" + body + "</" + name + ">");
    return set->AddFromXML(name, node.get());
  }

  // What the text getters answer, in order.
  static Lines Texts(A& a, std::initializer_list<HRESULT (A::*)(BSTR*)> getters) {
    Lines texts;
    for (auto getter : getters) {
      qcom::Bstr value;
      (a.*getter)(value.out());
      texts.push_back(value.utf8());
    }
    return texts;
  }
  static std::string Shown(A& a) { return Texts(a, {&A::get_DispValue}).front(); }
  static void Put(A& a, const std::string& value) { a.put_Value(qcom::Bstr(value).get()); }

  qcom::ComPtr<CDBAttributes> set = qcom::Make<CDBAttributes>();
};

}  // namespace

TEST_F(Attribute, NumericDefaultAndLimitsComeFromExactlySpelledElements) {
  // The definition's own limits win over the type's; the default is localised
  // but the loaded value is not.
  UseSeparator(",");
  auto p = Add("Setpoint",
               "<SNVTTYPE>1</SNVTTYPE><DefaultValue>12.5</DefaultValue><Min>5</Min><MAX>99</MAX>");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->StoredValue(), "12.5");
  EXPECT_EQ(Texts(*p, {&A::get_DefaultValue, &A::get_Value, &A::get_DispValue, &A::get_DispMin,
                       &A::get_DispMax}),
            (Lines{"12,5", "12,5", "12,5 degC", "5 degC", "125 degC"}));

  // Spelled only in capitals, the default is read as the value, but the
  // numeric default itself stays empty. Empty limits keep the type's, as do
  // none at all.
  auto q = Add("Upper", "<SNVTTYPE>1</SNVTTYPE><DEFAULTVALUE>3</DEFAULTVALUE><Min></Min><Max/>");
  auto r = Add("Plain", "<SNVTTYPE>3</SNVTTYPE><DefaultValue>0.5</DefaultValue>");
  EXPECT_EQ(q->StoredValue(), "3");
  EXPECT_EQ(Texts(*q, {&A::get_DefaultValue, &A::get_Min, &A::get_Max}), (Lines{"", "-40", "125"}));
  EXPECT_EQ(Texts(*r, {&A::get_Min, &A::get_Max}), (Lines{"0", "6553,5"}));
  EXPECT_TRUE(messages->Messages().empty());
}

TEST_F(Attribute, MissingDefinitionElementsWarnAndFallBack) {
  auto p = Add("Limit", "<SNVTTYPE>3</SNVTTYPE><CDBORDERINPOSITION/><DEFAULTVALUE></DEFAULTVALUE>");
  auto q = Add("Blank", "<SNVTTYPE></SNVTTYPE><DefaultValue>1</DefaultValue>");
  EXPECT_EQ(
      messages->Messages(),
      (std::vector<platform::RecordedMessage>{
          {"Limit: CDBOrderingPosition not defined into the XML file of the object.", 16,
           "Warning"},
          {"Limit: Default value not defined into the XML file of the object.", 16, "Warning"},
          {"Blank: SNVTType not defined into the XML file of the object.", 16, "Warning"}}));
  EXPECT_EQ(p->StoredValue(), "0");
  EXPECT_EQ(q->StreamValue(), "") << "an untyped parameter encodes to nothing";
}

TEST_F(Attribute, EachKindIsEditedWithItsDialog) {
  using K = ports::DialogKind;
  const K kinds[] = {K::None, K::Numeric,  K::Enumeration, K::Numeric,
                     K::Text, K::BitField, K::Numeric};
  for (int type = 0; type <= 6; ++type) {
    const std::string id = type ? std::to_string(type) : "";
    EXPECT_EQ(Add("P" + id, "<SNVTTYPE>" + id + "</SNVTTYPE>")->EditDialogKind(), kinds[type])
        << id;
  }
}

// The value check of each kind, the same in either separator: a canonical
// number, a member's code, the text and bit dialogs' limits, and the limits a
// definition gives of its own.
TEST_F(Attribute, TheValueCheckOfEveryKind) {
  const struct {
    const char* body;
    const char* text;
    values::CheckedValue checked;
  } cases[] = {
      {"<SNVTTYPE>4</SNVTTYPE>", "AB.C", {"AB.C", ""}},
      {"<SNVTTYPE>4</SNVTTYPE>", "ABCDE", {"ABCDE", "The text cannot exceed 4 characters"}},
      {"<SNVTTYPE>5</SNVTTYPE>", " 255", {"255", ""}},
      {"<SNVTTYPE>5</SNVTTYPE>",
       "1.5",
       {"1.5", "The bit field has 8 bits: the value must be a whole number from 0 to 255"}},
      {"<SNVTTYPE>5</SNVTTYPE>",
       "256",
       {"256", "The bit field has 8 bits: the value must be a whole number from 0 to 255"}},
      {"<SNVTTYPE>2</SNVTTYPE>", "On", {"1", ""}},
      {"<SNVTTYPE>99</SNVTTYPE>", " anything ", {" anything ", ""}},
      {"<SNVTTYPE>3</SNVTTYPE><Min>0.5</Min>",
       "0,2",
       {"0.2", "The value is outside the limits of its definition: at least 0.5"}},
      {"<SNVTTYPE>3</SNVTTYPE><Max>10</Max>",
       "12",
       {"12", "The value is outside the limits of its definition: at most 10"}},
      {"<SNVTTYPE>3</SNVTTYPE>", "0.25", {"0.25", "The value can have at most 1 decimal"}},
      {"<SNVTTYPE>1</SNVTTYPE>", "-0.0", {"0", ""}},
      {"<SNVTTYPE>1</SNVTTYPE>", "126", {"126", "The value is greater than 125"}},
      {"<SNVTTYPE>1</SNVTTYPE>", "1.25e1", {"12.5", ""}},
  };
  for (const char* separator : {".", ","}) {
    UseSeparator(separator);
    int n = 0;
    for (const auto& c : cases) {
      auto p =
          Add("P" + std::to_string(n++), c.body + std::string("<DefaultValue>0</DefaultValue>"));
      ASSERT_TRUE(p);
      const values::CheckedValue checked =
          values::CheckValue(p->Definition(), c.text, values::CatalogueUnits());
      EXPECT_EQ(std::pair(checked.stored, checked.refusal),
                std::pair(std::string(c.checked.stored), std::string(c.checked.refusal)))
          << c.body << " " << c.text << " " << separator;
    }
    set = qcom::Make<CDBAttributes>();
  }
  EXPECT_FALSE(values::DiffersFromDefault(" 1,50", "1.5"));
  EXPECT_TRUE(values::DiffersFromDefault("abc ", "abd"));
}
