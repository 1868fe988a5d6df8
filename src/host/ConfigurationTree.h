#pragma once

#include <string>
#include <vector>

#include "com/ComPtr.h"
#include "xml/DomInterfaces.h"

// The module chains an object type allows, as the configuration tree of its
// definition lists them: slot elements alternate with template elements, the
// children of "Configurations" naming the first module and the slot elements
// below a template the modules that may follow it. The host reads the tree
// from the definition file to check a chain before it asks the object to
// place it, since the object places whatever a saved element lists.
namespace host {

class ConfigurationTree {
 public:
  // Reads the tree of the definition file; false with error set on failure.
  bool Load(const std::string& definitionPath, std::string& error);

  // The templates that may follow the chain, in tree order; empty when the
  // chain is complete or is not a path of the tree. Names compare without
  // regard to letter case, as template IDs do.
  std::vector<std::string> Next(const std::vector<std::string>& chain) const;

  // Whether the name appears anywhere in the tree as a template.
  bool Mentions(const std::string& templateId) const;

 private:
  qcom::ComPtr<IXMLDOMNode> configurations_;
  std::vector<std::string> all_;
};

// The definition file of an object type inside a plug-in folder (DIR/TYPE/TYPE.xml).
std::string DefinitionPath(const std::string& pluginsFolder, const std::string& type);

}  // namespace host
