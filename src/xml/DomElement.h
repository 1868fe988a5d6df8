#pragma once

#include "xml/DomNode.h"

namespace qxml {

class DomElement final : public DomNode<IXMLDOMElement> {
 public:
  DomElement(DomDocument& doc, const NodeHandle& handle) : DomNode(doc, handle) {}

  HRESULT get_tagName(BSTR* name) override;
  HRESULT getAttribute(BSTR name, VARIANT* value) override;
  HRESULT setAttribute(BSTR name, VARIANT value) override;
  HRESULT removeAttribute(BSTR name) override;
  HRESULT getElementsByTagName(BSTR path, IXMLDOMNodeList** list) override;
};

}  // namespace qxml
