#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "values/ParameterDefinition.h"
#include "xml/Dom.h"
#include "xml/Elements.h"

namespace modules {

// What creating a channel from its definition element reads: every parameter
// definition of every "Attributes" section in order (a name used twice
// included, so its warnings still show), the node count of the last section,
// which the loaded parameters are checked against, and the fields of every
// child (the point references among them). Read once for each channel element
// of each unchanged definition document and catalogue.
struct ChannelRecipe {
  std::vector<std::pair<std::string, std::shared_ptr<const values::ParameterReading>>> parameters;
  bool hasSection = false;
  // Every node of the last section, comments included.
  long lastSectionNodes = 0;
  // Each child's base name in upper case, with its fields.
  std::vector<std::pair<std::string, std::vector<qxml::Field>>> sections;
};

// Shared: the caller may show messages (and so let the host in) while it holds one.
std::shared_ptr<const ChannelRecipe> ChannelRecipeOf(IXMLDOMNode* channelNode);

}  // namespace modules
