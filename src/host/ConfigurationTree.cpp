#include "host/ConfigurationTree.h"

#include <algorithm>

#include "com/TextRules.h"
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

std::string JoinNames(const std::vector<std::string>& names, const char* separator) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : separator) + name;
  return text;
}

bool ConfigurationTree::Load(IXMLDOMDocument* definition, const std::string& definitionPath,
                             std::string& error) {
  configurations_ = qxml::FirstMatch(definition, "AppObject/Configurations");
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

std::string ConfigurationTree::Check(std::vector<std::string>& chain) const {
  for (size_t k = 0; k < chain.size(); ++k) {
    std::vector<std::string> placed(chain.begin(), chain.begin() + static_cast<long>(k));
    std::vector<std::string> allowed = Next(placed);
    bool found = false;
    for (const std::string& name : allowed)
      if (qcom::text::EqualsNoCase(name, chain[k])) {
        chain[k] = name;
        found = true;
      }
    if (found) continue;
    const std::string where = "position " + std::to_string(k + 1);
    if (!Mentions(chain[k])) {
      std::vector<std::string> known;
      for (const std::string& name : all_)
        if (std::find(known.begin(), known.end(), name) == known.end()) known.push_back(name);
      std::sort(known.begin(), known.end());
      return "unknown module template " + chain[k] + " at " + where +
             "; the templates are: " + JoinNames(known, ", ");
    }
    return "module template " + chain[k] + " cannot go at " + where +
           (placed.empty() ? std::string() : " after " + JoinNames(placed, " -> ")) +
           "; allowed there: " +
           (allowed.empty() ? std::string("none, the chain is complete")
                            : JoinNames(allowed, ", "));
  }
  return {};
}

}  // namespace host
