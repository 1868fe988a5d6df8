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
  // Reads the tree of a definition read from definitionPath; false with error
  // set when it has none.
  bool Load(IXMLDOMDocument* definition, const std::string& definitionPath, std::string& error);

  // The templates that may follow the chain, in tree order; empty when the
  // chain is complete or is not a path of the tree. Names compare without
  // regard to letter case, as template IDs do.
  std::vector<std::string> Next(const std::vector<std::string>& chain) const;

  // Whether the name appears anywhere in the tree as a template.
  bool Mentions(const std::string& templateId) const;

  // Checks that each template of the chain may go where the chain puts it
  // (module k in slot k) and spells each name as the tree does. Returns an
  // empty text when the tree allows the chain, else one line naming the first
  // template that cannot go where it is and what the tree allows there.
  std::string Check(std::vector<std::string>& chain) const;

 private:
  qcom::ComPtr<IXMLDOMNode> configurations_;
  std::vector<std::string> all_;
};

// The definition file of an object type inside a plug-in folder (DIR/TYPE/TYPE.xml).
std::string DefinitionPath(const std::string& pluginsFolder, const std::string& type);

// The names in order, with the separator between them.
std::string JoinNames(const std::vector<std::string>& names, const char* separator);

}  // namespace host
