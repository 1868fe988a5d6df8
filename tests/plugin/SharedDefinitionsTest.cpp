// Objects of one type share what the definition files and the catalogue say,
// yet each sees every change of them and shows every warning they raise as if
// it had read them itself.
#include <algorithm>

#include "modules/CDBDOs.h"
#include "modules/CDBEBModules.h"
#include "modules/CDBEBTemplates.h"
#include "plugin/AppObjectFixture.h"

namespace {

using SharedDefinitions = AppObjectFixture;

}  // namespace

TEST_F(SharedDefinitions, EveryObjectSeesTheFilesAsTheyAreNowAndEveryWarning) {
  auto catalogue = [&](const std::string& unit) {
    return LoadDocument(
        dir.Write("snvt-" + unit + ".xml",
                  "<SNVTS><SNVT_7><NAME>t</NAME><TYPE>UnsignedNumeric</TYPE><UNIT>" + unit +
                      "</UNIT><MIN>0</MIN><MAX>100</MAX><LENGTH>2</LENGTH><A_COEF>1</A_COEF>"
                      "<B_COEF>0</B_COEF><C_COEF>0</C_COEF></SNVT_7></SNVTS>"));
  };
  auto writeTemplate = [&](const std::string& id, const std::string& value) {
    dir.Write("O_TQ4600/" + id + "/" + id + ".xml",
              "<EB><NAME>" + id +
                  "</NAME><DO><Number>2</Number><Attributes><Time><CDBORDERINPOSITION/>"
                  "<SNVTTYPE>7</SNVTTYPE><DefaultValue>" +
                  value +
                  "</DefaultValue></Time></Attributes><InReferences><Value>95</Value>"
                  "</InReferences></DO></EB>");
  };
  std::vector<qcom::ComPtr<CDBAppObject>> placed;
  auto place = [&](IXMLDOMDocument* types, const char* id) -> CDBAttribute* {
    auto next = qcom::Make<CDBAppObject>();
    placed.push_back(next);
    next->XmlSNVTDoc(types);
    if (!Init(*next, "TQX")) return nullptr;
    next->Create();
    auto entry = next->ModuleTemplates()->Item(id);
    auto module = entry ? next->ModuleSet()->AddModule(entry.get()) : nullptr;
    auto channel = module && module->DOs() ? module->DOs()->At(2) : nullptr;
    return channel ? channel->Attributes()->Item("Time").get() : nullptr;
  };
  auto warnings = [&] {
    const auto texts = messages->Texts();
    return std::count(texts.begin(), texts.end(),
                      "Time: CDBOrderingPosition not defined into the XML file of the object.");
  };

  dir.Write("TQX/TQX.xml", "<AppObject><NAME>X</NAME></AppObject>");
  writeTemplate("T1", "5");
  auto seconds = catalogue("s");
  CDBAttribute* first = place(seconds.get(), "T1");
  CDBAttribute* second = place(seconds.get(), "T1");
  ASSERT_TRUE(first && second);
  EXPECT_EQ(warnings(), 4) << "each channel of each object warns";
  first->SetValueText("9");
  EXPECT_EQ(first->DisplayValue() + " | " + second->DisplayValue(), "9 s | 5 s");

  // A rewritten template and a new template folder reach the next object.
  writeTemplate("T1", "12");
  writeTemplate("T2", "7");
  CDBAttribute* rewritten = place(seconds.get(), "T1");
  CDBAttribute* added = place(seconds.get(), "T2");
  ASSERT_TRUE(rewritten && added);
  EXPECT_EQ(rewritten->DisplayValue() + " | " + added->DisplayValue(), "12 s | 7 s");

  // So does another catalogue; objects made before keep the type they were made with.
  auto minutes = catalogue("min");
  CDBAttribute* retyped = place(minutes.get(), "T1");
  ASSERT_TRUE(retyped);
  EXPECT_EQ(retyped->DisplayValue() + " | " + first->DisplayValue(), "12 min | 9 s");
  EXPECT_EQ(warnings(), 10);
  for (auto& object : placed) object->Destroy();
}
