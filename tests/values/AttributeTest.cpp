#include "values/CDBAttribute.h"
#include "values/CDBAttributes.h"
#include "values/CatalogueFixture.h"

namespace {

constexpr const char* kTypes = R"(
  <SNVT_1><NAME>t_float</NAME><TYPE>Float</TYPE><UNIT>degC</UNIT><MIN>-40</MIN><MAX>125</MAX>
    <LENGTH>4</LENGTH></SNVT_1>
  <SNVT_2><NAME>t_enum</NAME><TYPE>Enum</TYPE><Enums><OFF>0</OFF><ON>1</ON></Enums></SNVT_2>
  <SNVT_3><NAME>t_count</NAME><TYPE>UnsignedNumeric</TYPE><MIN>0</MIN><MAX>6553.5</MAX><UNIT>s</UNIT>
    <LENGTH>2</LENGTH><A_COEF>1</A_COEF><B_COEF>-1</B_COEF><C_COEF>0</C_COEF></SNVT_3>
  <SNVT_4><NAME>t_text</NAME><TYPE>Textual</TYPE><LENGTH>4</LENGTH></SNVT_4>
  <SNVT_5><NAME>t_bits</NAME><TYPE>Bitfield</TYPE><LENGTH>1</LENGTH></SNVT_5>
  <SNVT_6><NAME>t_wide</NAME><TYPE>SignedNumeric</TYPE><LENGTH>2</LENGTH><A_COEF>40000</A_COEF></SNVT_6>)";

std::string Get(CDBAttribute& a, HRESULT (CDBAttribute::*getter)(BSTR*)) {
  qcom::Bstr value;
  (a.*getter)(value.out());
  return value.utf8();
}

void Put(CDBAttribute& a, const std::string& value) {
  qcom::Bstr b(value);
  a.put_Value(b.get());
}

class AttributeFixture : public CatalogueFixture {
 protected:
  void SetUp() override { UseCatalogue(kTypes); }

  qcom::ComPtr<CDBAttribute> Add(const std::string& name, const std::string& body) {
    auto node = Element("<" + name + ">" + body + "</" + name + ">");
    return set->AddFromXML(name, node.get());
  }

  qcom::ComPtr<CDBAttributes> set = qcom::Make<CDBAttributes>();
};

using Attribute = AttributeFixture;

}  // namespace

TEST_F(Attribute, NumericDefaultIsLocalisedButTheLoadedValueIsNot) {
  UseSeparators(",", ".");
  auto p = Add("Setpoint", "<SNVTTYPE>1</SNVTTYPE><DefaultValue>12.5</DefaultValue>");
  ASSERT_TRUE(p);
  EXPECT_EQ(p->StoredValue(), "12.5");
  EXPECT_EQ(Get(*p, &CDBAttribute::get_DefaultValue), "12,5");
  EXPECT_EQ(Get(*p, &CDBAttribute::get_Value), "12,5");
  EXPECT_EQ(Get(*p, &CDBAttribute::get_DispValue), "12,5 degC");

  // Spelled only in capitals, the default is read as the value, but the
  // numeric default itself stays empty.
  auto q = Add("Upper", "<SNVTTYPE>1</SNVTTYPE><DEFAULTVALUE>3</DEFAULTVALUE>");
  EXPECT_EQ(q->StoredValue(), "3");
  EXPECT_EQ(Get(*q, &CDBAttribute::get_DefaultValue), "");
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
  EXPECT_EQ(Get(*p, &CDBAttribute::get_DefaultValue), "")
      << "a numeric kind takes its default from the exactly spelled element, absent here";
  EXPECT_EQ(q->Type().GenType(), "");
  EXPECT_EQ(q->EditDialogKind(), values::DialogKind::None);
  EXPECT_EQ(q->StreamValue(), "") << "an untyped parameter encodes to nothing";
}

TEST_F(Attribute, UnknownSnvtLeavesAnEmptyTypeWithoutDialogOrStreamText) {
  auto p = Add("Ghost", "<SNVTTYPE>777</SNVTTYPE><DefaultValue>5</DefaultValue>");
  ASSERT_TRUE(p);
  EXPECT_EQ(messages->Texts(), std::vector<std::string>{"Error: SNVT_777 is not defined"});
  EXPECT_EQ(p->EditDialogKind(), values::DialogKind::None);
  EXPECT_EQ(p->StreamValue(), "");
  EXPECT_EQ(Get(*p, &CDBAttribute::get_DispValue), "5");
}

TEST_F(Attribute, DisplayTextsByKind) {
  auto e = Add("Mode", "<SNVTTYPE>2</SNVTTYPE><DefaultValue>1</DefaultValue>");
  EXPECT_EQ(Get(*e, &CDBAttribute::get_DispValue), "ON");
  Put(*e, "5");
  EXPECT_EQ(Get(*e, &CDBAttribute::get_DispValue), "") << "not a member";
  EXPECT_EQ(Get(*e, &CDBAttribute::get_DispDefault), "ON");
  EXPECT_EQ(Get(*e, &CDBAttribute::get_Min), "") << "limits belong to numeric kinds";

  auto f = Add("Temp", "<SNVTTYPE>1</SNVTTYPE><DefaultValue>21.5</DefaultValue><Min>5</Min>");
  EXPECT_EQ(Get(*f, &CDBAttribute::get_DispValue), "21.5 degC");
  EXPECT_EQ(Get(*f, &CDBAttribute::get_DispMin), "5 degC") << "the definition's own minimum wins";
  EXPECT_EQ(Get(*f, &CDBAttribute::get_DispMax), "125 degC");
  UseSeparators(",", ".");
  EXPECT_EQ(Get(*f, &CDBAttribute::get_DispValue), "21,5 degC");

  auto t = Add("Label", "<SNVTTYPE>4</SNVTTYPE><DefaultValue>  AB </DefaultValue>");
  EXPECT_EQ(Get(*t, &CDBAttribute::get_DispValue), "AB");
  Put(*t, "1.5,2");
  EXPECT_EQ(t->StoredValue(), "1.5,2") << "text is stored as typed";

  auto b = Add("Flags", "<SNVTTYPE>5</SNVTTYPE><DefaultValue> 3 </DefaultValue>");
  EXPECT_EQ(Get(*b, &CDBAttribute::get_DispValue), "3");
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
  Add("Priority", "<SNVTTYPE>3</SNVTTYPE><DefaultValue>1</DefaultValue>");
  // A key that reads as a number (names come from the caller, not from the element).
  set->AddFromXML("2", Element("<X><SNVTTYPE>3</SNVTTYPE></X>").get());
  Add("Third", "<SNVTTYPE>3</SNVTTYPE><DefaultValue>1</DefaultValue>");
  EXPECT_FALSE(Add("PRIORITY", "<SNVTTYPE>3</SNVTTYPE>")) << "names are unique in any letter case";
  EXPECT_EQ(set->Count(), 3u);

  EXPECT_EQ(set->Item("priority")->NameText(), "Priority");
  EXPECT_EQ(set->Item("2")->NameText(), "2") << "the text key wins over the position";
  EXPECT_EQ(set->Item("3")->NameText(), "Third");
  EXPECT_FALSE(set->Item("4"));
  EXPECT_FALSE(set->Item("nope"));
  qcom::ComPtr<IAttribute> byNumber;
  set->get_Item(qcom::Variant(int32_t{1}).raw(), byNumber.put());
  ASSERT_TRUE(byNumber);
  qcom::Bstr name;
  byNumber->get_Name(name.out());
  EXPECT_EQ(name.utf8(), "Priority");

  set->SetGlobalKey("K");
  set->SetExtendedKey("OBJ\\ATT");
  qcom::Bstr key;
  set->Item("Priority")->get_GlobalKey(key.out());
  EXPECT_EQ(key.utf8(), "K\\Priority");
  set->Item("Third")->get_ExtendedKey(key.out());
  EXPECT_EQ(key.utf8(), "OBJ\\ATT\\Third");
  VARIANT_BOOL macro = VARIANT_TRUE;
  set->Item("Third")->get_IsMacroConnected(&macro);
  EXPECT_EQ(macro, VARIANT_FALSE) << "without a parent no macro can refer to it";
}

namespace {
struct DialogLog {
  std::vector<std::string> lines;
};

class FakeDialog : public values::EditDialog {
 public:
  FakeDialog(values::DialogKind kind, DialogLog& log) : kind_(kind), log_(log) {}
  void SetDataPoint(CDBAttribute* p) override {
    log_.lines.push_back(std::to_string(static_cast<int>(kind_)) + " " + p->NameText());
  }
  void ShowModal() override { log_.lines.push_back("show"); }

 private:
  values::DialogKind kind_;
  DialogLog& log_;
};
}  // namespace

TEST_F(Attribute, EditOpensTheDialogOfTheKind) {
  DialogLog log;
  auto previous = values::SetEditDialogFactory(
      [&](values::DialogKind kind) { return std::make_unique<FakeDialog>(kind, log); });
  auto numeric = Add("Temp", "<SNVTTYPE>1</SNVTTYPE>");
  auto enumeration = Add("Mode", "<SNVTTYPE>2</SNVTTYPE>");
  auto text = Add("Label", "<SNVTTYPE>4</SNVTTYPE>");
  auto bits = Add("Flags", "<SNVTTYPE>5</SNVTTYPE>");
  EXPECT_EQ(numeric->EditDialogKind(), values::DialogKind::Numeric);
  EXPECT_EQ(enumeration->EditDialogKind(), values::DialogKind::Enumeration);
  EXPECT_EQ(text->EditDialogKind(), values::DialogKind::Text);
  EXPECT_EQ(bits->EditDialogKind(), values::DialogKind::BitField);
  numeric->SetValue();
  enumeration->Edit();
  EXPECT_EQ(log.lines, (std::vector<std::string>{"1 Temp", "show", "3 Mode", "show"}));
  values::SetEditDialogFactory(previous);
}
