#include "host/ConfigurationTree.h"

#include "com/TextRules.h"
#include "host/XmlFiles.h"
#include "xml/Elements.h"

namespace host {

namespace {

bool IsSlot(IXMLDOMNode* element) {
  return qcom::text::Upper(qxml::NameOf(element)).rfind("SLOT", 0) == 0;
}

// The template elements in the slot elements below a node of the tree.
std::vector<qxml::ElementPtr> TemplatesBelow(IXMLDOMNode* node) {
  std::vector<qxml::ElementPtr> templates;
  for (const qxml::ElementPtr& slot : qxml::ChildElements(node)) {
    if (!IsSlot(slot.get())) continue;
    for (const qxml::ElementPtr& entry : qxml::ChildElements(slot.get()))
      templates.push_back(entry);
  }
  return templates;
}

void Collect(IXMLDOMNode* node, std::vector<std::string>& names) {
  for (const qxml::ElementPtr& entry : TemplatesBelow(node)) {
    names.push_back(qxml::NameOf(entry.get()));
    Collect(entry.get(), names);
  }
}

}  // namespace

std::string DefinitionPath(const std::string& pluginsFolder, const std::string& type) {
  return pluginsFolder + "/" + type + "/" + type + ".xml";
}

bool ConfigurationTree::Load(const std::string& definitionPath, std::string& error) {
  auto document = LoadXmlFile(definitionPath, error);
  if (!document) return false;
  qcom::ComPtr<IXMLDOMNodeList> found;
  qcom::Bstr path("AppObject/Configurations");
  if (SUCCEEDED(document->getElementsByTagName(path.get(), found.put())) && found)
    found->get_item(0, configurations_.put());
  if (!configurations_) {
    error = definitionPath + ": no configuration tree (AppObject/Configurations)";
    return false;
  }
  all_.clear();
  Collect(configurations_.get(), all_);
  return true;
}

std::vector<std::string> ConfigurationTree::Next(const std::vector<std::string>& chain) const {
  qcom::ComPtr<IXMLDOMNode> node = configurations_;
  for (const std::string& placed : chain) {
    qcom::ComPtr<IXMLDOMNode> below;
    for (const qxml::ElementPtr& entry : TemplatesBelow(node.get()))
      if (qcom::text::EqualsNoCase(qxml::NameOf(entry.get()), placed)) {
        below = entry;
        break;
      }
    if (!below) return {};
    node = below;
  }
  std::vector<std::string> names;
  for (const qxml::ElementPtr& entry : TemplatesBelow(node.get()))
    names.push_back(qxml::NameOf(entry.get()));
  return names;
}

bool ConfigurationTree::Mentions(const std::string& templateId) const {
  for (const std::string& name : all_)
    if (qcom::text::EqualsNoCase(name, templateId)) return true;
  return false;
}

}  // namespace host
