#include "ProjectGenerator.h"

#include <array>
#include <cstdio>
#include <vector>

#include <pugixml.hpp>

#include "ParameterChoices.h"
#include "com/Bstr.h"
#include "com/Variant.h"
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "plugin/CDBAppObject.h"

namespace bench {

namespace {

// Every chain of three modules the bundled configuration tree allows.
const std::array<std::array<const char*, 3>, 4> kChains = {{
    {"EB4AI2AO", "EB8DI", "EB4AO"},
    {"EB4AI2AO", "EB8DIC", "EB4AO"},
    {"EB4AI2AO", "EB8DO", "EB4AO"},
    {"EB4AI2AO", "EB4DI4DO", "EB4AO"},
}};
// Value sets per chain: variant v gives the k-th parameter its (v + k)-th choice.
constexpr int kVariants = 4;

std::string DefaultOf(CDBAttribute& parameter) {
  qcom::Bstr value;
  parameter.get_DefaultValue(value.out());
  return value.utf8();
}

// Sets every parameter of the set to a non-default choice; false (with the
// reason) when a parameter has no choice left.
bool SetAll(CDBAttributes* parameters, int variant, int& ordinal, std::string& error) {
  if (!parameters) return true;
  for (const auto& entry : parameters->Items()) {
    const std::string& name = entry.item->NameText();
    std::vector<std::string> choices;
    for (const std::string& value : ParameterChoices(name))
      if (value != DefaultOf(*entry.item)) choices.push_back(value);
    if (choices.empty()) {
      error = "no non-default value known for parameter " + name;
      return false;
    }
    entry.item->SetValueText(choices[static_cast<size_t>(variant + ordinal++) % choices.size()]);
  }
  return true;
}

template <class Channels>
bool SetChannels(Channels* channels, int variant, int& ordinal, std::string& error) {
  for (size_t i = 1; channels && i <= channels->Count(); ++i)
    if (!SetAll(channels->At(i)->Attributes(), variant, ordinal, error)) return false;
  return true;
}

// One object of the chain with the variant's values, saved under root.
bool SavePrototype(const std::array<const char*, 3>& chain, int variant, IXMLDOMDocument* catalogue,
                   IXMLDOMDocument* document, IXMLDOMNode* root, std::string& error) {
  auto object = qcom::Make<CDBAppObject>();
  object->XmlSNVTDoc(catalogue);
  qcom::Bstr type("TQ4600");
  VARIANT code;
  VariantInit(&code);
  VARIANT_BOOL ok = VARIANT_FALSE;
  object->Init(type.get(), &code, &ok);
  if (ok != VARIANT_TRUE) {
    error = "the TQ4600 definition could not be read";
    return false;
  }
  object->Create();
  bool placed = true;
  for (const char* id : chain) {
    auto entry = object->ModuleTemplates()->Item(id);
    if (!entry || !entry->IsAddable() || !object->ModuleSet()->AddModule(entry.get())) {
      error = std::string("module ") + id + " could not be placed";
      placed = false;
      break;
    }
  }
  int ordinal = 0;
  bool set = placed && SetAll(object->AttributeSet(), variant, ordinal, error);
  for (const auto& entry : object->ModuleSet()->Modules()) {
    if (!set) break;
    set = SetChannels(entry.item->AIs(), variant, ordinal, error) &&
          SetChannels(entry.item->AOs(), variant, ordinal, error) &&
          SetChannels(entry.item->DIs(), variant, ordinal, error) &&
          SetChannels(entry.item->DOs(), variant, ordinal, error);
  }
  if (set) {
    qcom::Bstr stream;  // read so that the saved element carries it
    object->get_Stream(stream.out());
    object->XmlSave(root, document);
  }
  object->Destroy();
  return set;
}

std::string SerialisedByDom(const std::string& xml) {
  auto document = qxml::CreateDocument();
  qcom::Bstr text(xml), out;
  VARIANT_BOOL ok = VARIANT_FALSE;
  document->loadXML(text.get(), &ok);
  if (ok == VARIANT_TRUE) document->get_xml(out.out());
  return out.utf8();
}

void SetChildText(pugi::xml_node element, const char* name, const std::string& text) {
  element.child(name).text().set(text.c_str());
}

}  // namespace

GeneratedProject GenerateProject(int objects, IXMLDOMDocument* catalogue) {
  GeneratedProject project;
  auto document = qxml::CreateDocument();
  qcom::ComPtr<IXMLDOMElement> rootElement;
  qcom::Bstr rootName("Project");
  document->createElement(rootName.get(), rootElement.put());
  qcom::ComPtr<IXMLDOMNode> root;
  document->appendChild(rootElement.get(), root.put());
  for (const auto& chain : kChains)
    for (int variant = 0; variant < kVariants; ++variant)
      if (!SavePrototype(chain, variant, catalogue, document.get(), root.get(), project.error))
        return project;

  qcom::Bstr prototypesXml;
  document->get_xml(prototypesXml.out());
  pugi::xml_document prototypes;
  if (!prototypes.load_string(prototypesXml.utf8().c_str())) {
    project.error = "the saved prototypes do not parse";
    return project;
  }
  std::vector<pugi::xml_node> saved;
  for (pugi::xml_node element : prototypes.document_element().children()) saved.push_back(element);

  pugi::xml_document copies;
  pugi::xml_node copyRoot = copies.append_child("Project");
  for (int i = 0; i < objects; ++i) {
    pugi::xml_node element = copyRoot.append_copy(saved[static_cast<size_t>(i) % saved.size()]);
    char name[32];
    std::snprintf(name, sizeof name, "AHU %04d", i + 1);
    SetChildText(element, "UserName", name);
    SetChildText(element, "X_Position", std::to_string(40 + (i % 25) * 160));
    SetChildText(element, "Y_Position", std::to_string(40 + (i / 25) * 120));
  }
  struct Collect : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override {
      text.append(static_cast<const char*>(data), size);
    }
  } writer;
  copies.save(writer, "", pugi::format_raw | pugi::format_no_declaration);
  // In the DOM's own layout, so that a saved project can be compared with it.
  project.xml = SerialisedByDom(writer.text);
  if (project.xml.empty()) project.error = "the generated project does not parse";
  return project;
}

}  // namespace bench
