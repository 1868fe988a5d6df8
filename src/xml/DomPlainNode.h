#pragma once

#include "xml/DomNode.h"

namespace qxml {

// Nodes offered through IXMLDOMNode alone: processing instructions, the XML
// declaration (a processing instruction named "xml") and the document type.
class DomPlainNode final : public DomNode<IXMLDOMNode> {
 public:
  DomPlainNode(DomDocument& doc, const NodeHandle& handle) : DomNode(doc, handle) {}
};

}  // namespace qxml
