#pragma once

#include <pugixml.hpp>

namespace qxml {

// Where a DOM node lives in a pugixml tree. Attributes keep their element,
// since a pugixml attribute does not know it.
struct NodeHandle {
  pugi::xml_node node;
  pugi::xml_attribute attr;

  bool IsAttribute() const { return static_cast<bool>(attr); }
  // The identity of the node in its tree, one per node or attribute.
  const void* Key() const {
    return attr ? static_cast<const void*>(attr.internal_object())
                : static_cast<const void*>(node.internal_object());
  }
};

}  // namespace qxml
