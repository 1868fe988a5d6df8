#pragma once

#include "xml/DomNode.h"

namespace qxml {

// An attribute: named, valued, without parent or children in the DOM.
class DomAttribute final : public DomNode<IXMLDOMAttribute> {
 public:
  DomAttribute(DomDocument& doc, const NodeHandle& handle) : DomNode(doc, handle) {}
};

}  // namespace qxml
