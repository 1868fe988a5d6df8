// The saved object element: its three forms, and loading it back.
#include <random>

#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "plugin/BundledObjectFixture.h"
#include "xml/Elements.h"

namespace {

using Saver = HRESULT (CDBAppObject::*)(IXMLDOMNode*, IXMLDOMDocument*);

// The object saved under a fresh root, as its element's XML.
qcom::ComPtr<IXMLDOMNode> SavedElement(CDBAppObject& object, Saver save = &CDBAppObject::XmlSave) {
  auto document = qxml::CreateDocument();
  qcom::ComPtr<IXMLDOMElement> root;
  qcom::Bstr rootName("Project");
  document->createElement(rootName.get(), root.put());
  qcom::ComPtr<IXMLDOMNode> appended;
  document->appendChild(root.get(), appended.put());
  (object.*save)(appended.get(), document.get());
  qcom::ComPtr<IXMLDOMNode> element;
  appended->get_firstChild(element.put());
  return element;
}

std::string Xml(IXMLDOMNode* node) {
  qcom::Bstr text;
  if (node) node->get_xml(text.out());
  return text.utf8();
}

std::vector<std::string> ChildNames(IXMLDOMNode* node) {
  std::vector<std::string> names;
  for (const auto& child : qxml::Children(node))
    names.push_back(qxml::BaseName(child.get()));
  return names;
}

using ObjectPersistence = BundledObjectFixture;

}  // namespace

TEST_F(ObjectPersistence, ThreeFormsHaveTheirChildren) {
  Add("EB4AI2AO");
  object->put_UserName(qcom::Bstr("AHU 1").get());
  object->put_XPosition(12.5);
  auto saved = SavedElement(*object);
  EXPECT_EQ(qxml::BaseName(saved.get()), "TQ4600");
  EXPECT_EQ(ChildNames(saved.get()),
            (std::vector<std::string>{"UserName", "X_Position", "Y_Position", "CDB", "Attributes",
                                      "Modules"}))
      << "no Outputs element while no output is displayable";
  EXPECT_NE(Xml(saved.get()).find("<CDB></CDB>"), std::string::npos) << "no stream read yet";
  EXPECT_NE(Xml(saved.get()).find("<X_Position>12.5</X_Position>"), std::string::npos);

  // The host marks outputs for its display views.
  for (const char* name : {"AI AlarmStatus", "Analog (2) Value"})
    object->OutputSet()->Items().ByKey(name)->put_IsDisplayable(VARIANT_TRUE);
  const std::string stream = Stream(*object);
  saved = SavedElement(*object);
  EXPECT_EQ(ChildNames(saved.get()).back(), "Outputs");
  EXPECT_NE(Xml(saved.get()).find("<CDB>" + stream + "</CDB>"), std::string::npos);
  EXPECT_NE(
      Xml(saved.get())
          .find(
              "<Outputs><Output00 IsDisplayable=\"1\"/><Output03 IsDisplayable=\"1\"/></Outputs>"),
      std::string::npos)
      << Xml(saved.get());

  auto sim = SavedElement(*object, &CDBAppObject::XMLSaveSim);
  EXPECT_EQ(ChildNames(sim.get()),
            (std::vector<std::string>{"UserName", "Key", "Attributes", "Modules"}));
  EXPECT_NE(Xml(sim.get()).find("<Key>P1\\OBJ1</Key>"), std::string::npos);
  EXPECT_NE(Xml(sim.get()).find("<AI><Alias>Analog (0) Value</Alias>"), std::string::npos);
  auto interop = SavedElement(*object, &CDBAppObject::XMLSaveForInteroperability);
  EXPECT_EQ(ChildNames(interop.get()),
            (std::vector<std::string>{"UserName", "Key", "Attributes", "Modules", "Outputs"}));
  EXPECT_EQ(Xml(interop.get()).find("<Alias>"), std::string::npos);
}

TEST_F(ObjectPersistence, EveryChainRoundTripsWithRandomValues) {
  std::mt19937 random(4600);
  auto randomize = [&](auto* channels) {
    // Random values within each parameter's limits (or its enumeration).
    for (size_t i = 1; channels && i <= channels->Count(); ++i)
      for (const auto& p : channels->At(i)->Attributes()->Items()) {
        const std::string& desc = p.item->Type().EnumDesc();
        int span = desc.empty() ? 100 : static_cast<int>(std::count(desc.begin(), desc.end(), ';'));
        p.item->SetValueText(std::to_string(static_cast<int>(random() % span)));
      }
  };
  int chains = ForEveryChain([&](const std::vector<std::string>& chain) {
    for (const auto& entry : object->ModuleSet()->Modules()) {
      randomize(entry.item->AIs());
      randomize(entry.item->AOs());
      randomize(entry.item->DIs());
      randomize(entry.item->DOs());
    }
    object->AttributeSet()->Item("Priority")->SetValueText(std::to_string(1 + random() % 8));
    const std::string stream = Stream(*object);
    const std::string first = Xml(SavedElement(*object).get());

    auto copy = Another();
    copy->XmlLoad(Parse(first).get());
    EXPECT_EQ(Xml(SavedElement(*copy).get()), first) << ::testing::PrintToString(chain);
    EXPECT_EQ(Stream(*copy), stream) << ::testing::PrintToString(chain);
    copy->Destroy();
  });
  EXPECT_EQ(chains, 32);
  EXPECT_TRUE(messages->Messages().empty()) << messages->Texts().front();
}

TEST_F(ObjectPersistence, LoadingSkipsWhatItDoesNotKnow) {
  auto copy = Another();
  copy->XmlLoad(Parse(R"(<TQ4600>
      <!-- saved by hand -->
      <UserName>Boiler room</UserName>
      <X_Position>1,5</X_Position><Y_Position>abc</Y_Position>
      <CDB/>
      <Unknown>1</Unknown>
      <Attributes><Priority>2</Priority><NoSuchParameter>9</NoSuchParameter><DO_PulseTime/>
        <x:3 xmlns:x="urn:x">1</x:3></Attributes>
      <Modules><EB8DO><DO><ContactType>1</ContactType></DO><DO><Bogus>1</Bogus></DO></EB8DO>
        <NoSuchTemplate/><EB8DI/></Modules>
      <Outputs><Output07 IsDisplayable="0"/></Outputs>
    </TQ4600>)")
                    .get());
  EXPECT_TRUE(messages->Messages().empty()) << messages->Texts().front();
  qcom::Bstr name;
  copy->get_UserName(name.out());
  EXPECT_EQ(name.utf8(), "Boiler room");
  double x = 0, y = 7;
  copy->get_XPosition(&x);
  copy->get_YPosition(&y);
  EXPECT_EQ(x, 1.5) << "a comma is adapted to the user's separator";
  EXPECT_EQ(y, 0.0) << "in a point locale a text without a number reads as 0";
  EXPECT_EQ(copy->AttributeSet()->Item("Priority")->StoredValue(), "2");
  EXPECT_EQ(copy->AttributeSet()->Item("Powerline_Freq")->StoredValue(), "1")
      << "the third parameter, named by position";
  EXPECT_EQ(copy->AttributeSet()->Item("DO_PulseTime")->StoredValue(), "1") << "kept: no text";
  ASSERT_EQ(copy->ModuleSet()->Count(), 2u) << "the unknown template is skipped";
  auto relays = copy->ModuleSet()->Modules().At(1);
  EXPECT_EQ(relays->Key(), "EB1");
  EXPECT_EQ(relays->DOs()->At(1)->Attributes()->Item("ContactType")->StoredValue(), "1");
  EXPECT_EQ(copy->ModuleSet()->Modules().At(2)->Slot(), 2);
  // The flag's value is not read: any IsDisplayable attribute sets the output displayable.
  auto flagOf = [&](int32_t index) {
    for (const auto& entry : copy->OutputSet()->Items())
      if (entry.item->IndexValue() == index) return entry.item->IsDisplayableFlag();
    return false;
  };
  EXPECT_TRUE(flagOf(7));
  EXPECT_FALSE(flagOf(6));
  // A later element without Outputs leaves the flags as they are.
  copy->XmlLoad(Parse("<TQ4600><UserName>x</UserName></TQ4600>").get());
  EXPECT_TRUE(flagOf(7));
  copy->Destroy();
}
