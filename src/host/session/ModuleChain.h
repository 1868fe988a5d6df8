#pragma once

#include <string>
#include <vector>

#include "faces/Engineering.h"
#include "xml/DomInterfaces.h"

// A chain of modules, module k in slot k, as a saved element lists it and as
// the configuration tree of the object's definition allows it. The object
// places whatever a saved element lists, so the host asks the object's tree
// first.
namespace host {

// The template IDs of the module elements of a saved object element, module 1
// first.
std::vector<std::string> ListedModules(IXMLDOMNode* saved);

// Why the tree the object follows does not allow the chain; empty when it
// does, and then each ID is spelled as the component spells it. Names one
// template that cannot go where it is and what the tree allows there, or one
// the component does not have (templateIds: the ones it has).
std::string ChainProblem(IEngineering* engineering, const std::vector<std::string>& templateIds,
                         std::vector<std::string>& chain);

}  // namespace host
