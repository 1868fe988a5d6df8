#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "xml/Dom.h"

namespace plugin {

// A template the configuration tree allows next, with the slot it goes into
// and the map/type/module tag it brings.
struct AddableChoice {
  std::string templateName;
  int32_t slot = 0;
  std::string tag;
};

// What the node of the configuration tree at path allows next. `found` is
// false when the path selects no node.
struct AddableChoices {
  bool found = false;
  std::vector<AddableChoice> choices;
};

// The choices at path ("AppObject/Configurations/Slot1/EB8DI/...") of the
// definition document, read once for each path of each state of the document:
// every object placing the same chain asks the same question.
const AddableChoices& ChoicesAt(IXMLDOMDocument* definition, const std::string& path);

}  // namespace plugin
