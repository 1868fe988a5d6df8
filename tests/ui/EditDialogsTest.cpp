// The edit dialogs driven as a user does: key filters, limits, enumerations, bits, OK, Cancel.
#include "ui/EditDialogFixture.h"

namespace {
TEST_F(EditDialogs, KeyFiltersLimitsAndWhatOkAndCancelWrite) {
  // "|" marks the caret; without it the whole text is selected.
  const std::tuple<Text, SHORT, char32_t, Text> rows[] = {
      {"21.5", 2, '7', "7"},      {"21.5", 2, 13, "21.5"},      {"21.5", 2, 8, "21.5"},
      {"21.5", 2, '.', "."},      {"21.5", 0, '.', "21.5"},     {"3.14|", 2, '1', "3.14"},
      {"3.14|", 2, 'e', "3.14E"}, {"3.14E|", 2, '-', "3.14E-"}, {"3.14E-|", 2, 'E', "3.14E-"},
      {"3|", 0, '.', "3"},        {"3|", 2, '.', "3."},         {"3.|", 2, 'E', "3."},
      {"3|", 2, '-', "3"},        {"3|14", 2, '5', "314"},      {"3|", 2, 8, ""},
      {"3E|", 2, '+', "3E+"}};
  for (const auto& [marked, decimals, key, after] : rows) {
    const size_t caret = marked.find('|');
    const Text before = caret == Text::npos ? marked : Text(marked).erase(caret, 1);
    fake->decimals = decimals;
    Edit<ui::frmCPModif1>(Parameter("1", before).get(), [&](ui::frmCPModif1& d) {
      if (caret != Text::npos) d.Select(caret, 0);
      EXPECT_EQ(d.KeyPress(key).accepted, after != before);
      EXPECT_EQ(d.State().txtNewCPValue.text, after);
      EXPECT_EQ(d.cmdOK().enabled, ui::IsCompleteNumber(after));
    });
  }
  auto p = Parameter("1", "21.5");
  for (Text max : {"", "1.2345678E+2"}) {  // a long limit shows shortened
    fake->max = max;
    Edit<ui::frmCPModif1>(p.get(), [&](ui::frmCPModif1& d) {
      const auto& s = d.State();
      EXPECT_EQ(s.lblName.text + s.lblUnits.text + s.lblMin.text + s.lblMax.text,
                "P1[degC]0" + Text(max.empty() ? "---" : "1.23E+2"));
      EXPECT_EQ(d.KeyDown(ui::kKeyCodeDelete).text, "");  // the whole text was selected
      EXPECT_EQ(d.Paste("-x5").text, "");                 // refused whole: the filter would drop x
      EXPECT_EQ(d.Paste(" -5\n").text, "-5");  // as typed; the blanks around it do not count
      EXPECT_EQ(d.KeyPress('\r').text, "0");   // OK finds it below the minimum
      EXPECT_EQ(s.txtNewCPValue.selLength + s.txtNewCPValue.focused, 2u);
      for (char key : Text("150\r")) d.KeyPress(key);
    });
  }
  EXPECT_TRUE(p->StoredValue() == "150" && log.ends_with("show close show "));  // no maximum
  EXPECT_EQ(fake->catalogue, values::Shared().snvtDocument.get());
  auto text = Parameter("2", "ab"), enumeration = Parameter("3", "1"), bits = Parameter("4", "5");
  Edit<ui::frmCPModif2>(text.get(), [&](ui::frmCPModif2& d) {
    d.Paste("ABCDEF"), d.Select(0, 0), d.KeyPress(ui::kKeyBackspace), d.KeyPress(' ');
    EXPECT_EQ(d.State().txtNewCPValue.text, "ABC_");
    EXPECT_EQ(d.KeyPress(27).text + d.CapturedValue() + d.cmdCancel().text, "abab&Cancel");
    d.KeyPress('x'), d.cmdCancel_Click();
  });
  EXPECT_TRUE(text->StoredValue() == "ab" && shown->EditedParameters().empty());
  shown->SetCalledFramModif4(true);  // unload then puts back what was captured on attach
  Edit<ui::frmCPModif2>(text.get(),
                        [&](auto& d) { text->SetValueText("zz"), d.cmdCancel_Click(); });
  EXPECT_EQ(text->StoredValue(), "ab");
  for (auto [in, out] : {std::pair{"12345678E+2", "E+2"},
                         {"1.5E+15000", "1.5EE+15000"},
                         {"123.456789", "123.456789"},
                         {"1.25E+2", "1.25E+2"}})
    EXPECT_EQ(ui::ShortenNumber(in), out) << in;  // long with an exponent, as the rule cuts it
  const platform::RecordedMessage refused = {
      "The text \"-x5\" cannot be pasted here: the value is a number written with \".\" and at "
      "most 2 decimals, typed at the end of the text or over all of it",
      48, "Warning"};
  const platform::RecordedMessage below = {"The value is less than 0", 48, "Warning"};
  std::vector<platform::RecordedMessage> less = {refused, below, refused, below};
  less.push_back({"The value is greater than 1.2345678E+2", 48, "Warning"});
  less.push_back({"The text cannot exceed 4 characters", 48, "Name too long"});
  EXPECT_EQ(messages->Messages(), less);
  testing_support::TempDir empty;  // a registry without the unit service, whatever the run's has
  const Text was = std::getenv("QORDB_REGISTRY") ? std::getenv("QORDB_REGISTRY") : "";
  ::setenv("QORDB_REGISTRY", (empty / "registry.xml").c_str(), 1);
  ui::SetUnitConverterFactory(previous), p->Edit();
  was.empty() ? ::unsetenv("QORDB_REGISTRY") : ::setenv("QORDB_REGISTRY", was.c_str(), 1);
  EXPECT_NE(messages->Texts().at(6).find("available: ProgID 'UnitManager.Converter' is not"), -1);
  const std::tuple<Text, int, Text, Text> choices[] = {
      {"1", -1, "On", "1"}, {"5", -1, "Off", "0"}, {"0", 2, "Auto", "2"}};
  for (const auto& [value, click, shows, written] : choices) {
    enumeration->SetValueText(value);
    Edit<ui::frmCPModif3>(enumeration.get(), [&](ui::frmCPModif3& d) {
      if (click >= 0) d.cboEnum_Click(click);
      d.cmdOK_Click();
      EXPECT_EQ(d.State().cboEnumShown.text + enumeration->StoredValue(), shows + written);
      d.FillEnumList("0,A;7;;1,B;");  // an entry without "," is code 0; an empty one ends the list
      EXPECT_EQ(d.State().cboEnum.size() + d.State().cboEnum[1].code, 2u);
    });
  }
  Edit<ui::frmCPModif5>(bits.get(), [&](ui::frmCPModif5& d) {
    EXPECT_EQ(d.State().bit[0].text + d.State().bit[1].text + d.State().bit[2].text, "101");
    EXPECT_FALSE(d.State().bit[8].visible || d.State().lblHighByte.visible);
    d.bit_DblClick(1), d.bit_DblClick(9), d.cmdOK_Click();
  });
  EXPECT_EQ(bits->StoredValue(), "7");
  auto word = Parameter("5", "256");  // two bytes: the high row shows bit 8 set
  Edit<ui::frmCPModif5>(word.get(), [&](ui::frmCPModif5& d) {
    EXPECT_TRUE(d.State().bit[8].text == "1" && d.State().lblHighByte.visible);
    d.bit_DblClick(15), d.cmdOK_Click();
  });
  EXPECT_EQ(word->StoredValue(), "33024");
}
}  // namespace
