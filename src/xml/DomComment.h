#pragma once

#include "xml/DomNode.h"

namespace qxml {

class DomComment final : public DomNode<IXMLDOMComment> {
 public:
  DomComment(DomDocument& doc, const NodeHandle& handle) : DomNode(doc, handle) {}
};

}  // namespace qxml
