#include <string>
#include <vector>

#include "values/CDBAttribute.h"
#include "values/CDBAttributes.h"
#include "values/CatalogueFixture.h"

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

TEST_F(Attribute, NumericDefaultIsLocalisedButTheLoadedValueIsNot) {
  UseSeparators(",", ".");
  auto p = Add("Setpoint", "<SNVTTYPE>1</SNVTTYPE><DefaultValue>12.5</DefaultValue>");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->StoredValue(), "12.5");
  EXPECT_EQ(Texts(*p, {&A::get_DefaultValue, &A::get_Value, &A::get_DispValue}),
            (Lines{"12,5", "12,5", "12,5 degC"}));

  // Spelled only in capitals, the default is read as the value, but the
  // numeric default itself stays empty.
  auto q = Add("Upper", "<SNVTTYPE>1</SNVTTYPE><DEFAULTVALUE>3</DEFAULTVALUE>");
  EXPECT_EQ(q->StoredValue(), "3");
  EXPECT_EQ(Texts(*q, {&A::get_DefaultValue}), Lines{""});
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
  EXPECT_EQ(Texts(*p, {&A::get_DefaultValue}), Lines{""})
      << "a numeric kind takes its default from the exactly spelled element, absent here";
  EXPECT_EQ(q->Type().GenType(), "");
  EXPECT_EQ(q->EditDialogKind(), ports::DialogKind::None);
  EXPECT_EQ(q->StreamValue(), "") << "an untyped parameter encodes to nothing";

  // An unknown SNVT leaves an empty type without dialog or stream text.
  messages->Clear();
  auto ghost = Add("Ghost", "<SNVTTYPE>777</SNVTTYPE><DefaultValue>5</DefaultValue>");
  ASSERT_TRUE(ghost);
  EXPECT_EQ(messages->Texts(), Lines{"Error: SNVT_777 is not defined"});
  EXPECT_EQ(ghost->EditDialogKind(), ports::DialogKind::None);
  EXPECT_EQ(ghost->StreamValue(), "");
  EXPECT_EQ(Shown(*ghost), "5");
}

TEST_F(Attribute, DisplayTextsByKind) {
  // An enumeration shows nothing for a value that is no member; limits belong to numeric kinds.
  auto e = Add("Mode", "<SNVTTYPE>2</SNVTTYPE><DefaultValue>1</DefaultValue>");
  EXPECT_EQ(Shown(*e), "ON");
  Put(*e, "5");
  EXPECT_EQ(Texts(*e, {&A::get_DispValue, &A::get_DispDefault, &A::get_Min}),
            (Lines{"", "ON", ""}));

  // The definition's own minimum wins over the type's.
  auto f = Add("Temp", "<SNVTTYPE>1</SNVTTYPE><DefaultValue>21.5</DefaultValue><Min>5</Min>");
  EXPECT_EQ(Texts(*f, {&A::get_DispValue, &A::get_DispMin, &A::get_DispMax}),
            (Lines{"21.5 degC", "5 degC", "125 degC"}));
  UseSeparators(",", ".");
  EXPECT_EQ(Shown(*f), "21,5 degC");

  auto t = Add("Label", "<SNVTTYPE>4</SNVTTYPE><DefaultValue>  AB </DefaultValue>");
  EXPECT_EQ(Shown(*t), "AB");
  Put(*t, "1.5,2");
  EXPECT_EQ(t->StoredValue(), "1.5,2") << "text is stored as typed";

  auto b = Add("Flags", "<SNVTTYPE>5</SNVTTYPE><DefaultValue> 3 </DefaultValue>");
  EXPECT_EQ(Shown(*b), "3");
  Put(*b, "1.5");
  EXPECT_EQ(b->StoredValue(), "1,5") << "other kinds store the user's separator";
}

TEST_F(Attribute, ValueChangesAndEncoding) {
  auto p = Add("Delay", "<SNVTTYPE>3</SNVTTYPE><DefaultValue>60</DefaultValue>");
  EXPECT_EQ(p->StreamValue(), "0258") << "60 s at 0.1 s resolution";
  Put(*p, "2.5");
  EXPECT_EQ(p->StreamValue(), "0019");
  p->BackToDefault();
  EXPECT_EQ(p->StoredValue(), "60");
  p->ResetValue();
  EXPECT_EQ(p->StoredValue(), "");

  auto f = Add("Gain", "<SNVTTYPE>1</SNVTTYPE><DefaultValue>1</DefaultValue>");
  EXPECT_EQ(f->StreamValue(), "1400") << "a float kind always travels as a short float";
  EXPECT_EQ(f->Type().Length(), 4);
  f->ForceShortFloat();
  EXPECT_EQ(f->Type().Length(), 2) << "its type is shortened when the owner manages short floats";
  EXPECT_EQ(f->StreamValue(), "1400");
  p->ForceShortFloat();
  EXPECT_EQ(p->Type().Length(), 2) << "only floats are shortened";

  auto wide = Add("Wide", "<SNVTTYPE>6</SNVTTYPE><DefaultValue>1</DefaultValue>");
  EXPECT_FALSE(wide->StreamValue().has_value()) << "a coefficient beyond 16 bits is an error";
}

TEST_F(Attribute, CollectionKeysAndLookups) {
  // Lookups by key or position are the point collections' (PointCollections);
  // here: names come from the caller, not from the element, and are unique in
  // any letter case.
  Add("Priority", "<SNVTTYPE>3</SNVTTYPE><DefaultValue>1</DefaultValue>");
  set->AddFromXML("2", Element("<X><SNVTTYPE>3</SNVTTYPE></X>").get());
  Add("Third", "<SNVTTYPE>3</SNVTTYPE><DefaultValue>1</DefaultValue>");
  EXPECT_FALSE(Add("PRIORITY", "<SNVTTYPE>3</SNVTTYPE>"));
  EXPECT_EQ(set->Count(), 3u);
  EXPECT_EQ(set->Item("2")->NameText(), "2");
  qcom::ComPtr<IAttribute> byNumber;
  set->get_Item(qcom::Variant(int32_t{3}).raw(), byNumber.put());
  ASSERT_TRUE(byNumber);
  qcom::Bstr text;
  byNumber->get_Name(text.out());
  EXPECT_EQ(text.utf8(), "Third");

  set->SetGlobalKey("K");
  set->SetExtendedKey("OBJ\\ATT");
  set->Item("Priority")->get_GlobalKey(text.out());
  EXPECT_EQ(text.utf8(), "K\\Priority");
  set->Item("Third")->get_ExtendedKey(text.out());
  EXPECT_EQ(text.utf8(), "OBJ\\ATT\\Third");
  VARIANT_BOOL macro = VARIANT_TRUE;
  set->Item("Third")->get_IsMacroConnected(&macro);
  EXPECT_EQ(macro, VARIANT_FALSE) << "without a parent no macro can refer to it";
}

namespace {
// A dialog that writes down its kind, the parameter it edits and when it is shown.
class FakeDialog : public ports::EditDialog {
 public:
  FakeDialog(ports::DialogKind kind, Lines& log) : kind_(kind), log_(log) {}
  void SetDataPoint(A* p) override {
    log_.push_back(std::to_string(static_cast<int>(kind_)) + " " + p->NameText());
  }
  void ShowModal() override { log_.push_back("show"); }

 private:
  ports::DialogKind kind_;
  Lines& log_;
};
}  // namespace

TEST_F(Attribute, EditOpensTheDialogOfTheKind) {
  Lines log;
  auto previous = ports::SetEditDialogFactory(
      [&](ports::DialogKind kind) { return std::make_unique<FakeDialog>(kind, log); });
  auto numeric = Add("Temp", "<SNVTTYPE>1</SNVTTYPE>");
  auto enumeration = Add("Mode", "<SNVTTYPE>2</SNVTTYPE>");
  EXPECT_EQ(numeric->EditDialogKind(), ports::DialogKind::Numeric);
  EXPECT_EQ(enumeration->EditDialogKind(), ports::DialogKind::Enumeration);
  EXPECT_EQ(Add("Label", "<SNVTTYPE>4</SNVTTYPE>")->EditDialogKind(), ports::DialogKind::Text);
  EXPECT_EQ(Add("Flags", "<SNVTTYPE>5</SNVTTYPE>")->EditDialogKind(), ports::DialogKind::BitField);
  numeric->SetValue();
  enumeration->Edit();
  EXPECT_EQ(log, (Lines{"1 Temp", "show", "3 Mode", "show"}));
  ports::SetEditDialogFactory(previous);
}
