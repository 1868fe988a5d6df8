#pragma once

#include "xml/DomNode.h"

namespace qxml {

// Character data: text, and CDATA sections (node type 4).
class DomText final : public DomNode<IXMLDOMText> {
 public:
  DomText(DomDocument& doc, const NodeHandle& handle) : DomNode(doc, handle) {}
};

}  // namespace qxml
