#include "host/DomAccess.h"

#include "com/Variant.h"

namespace host::dom {

std::vector<Element> ChildElements(IXMLDOMNode* node) {
  std::vector<Element> elements;
  Node child;
  if (!node || node->get_firstChild(child.put()) != S_OK) return elements;
  while (child) {
    DOMNodeType type = NODE_INVALID;
    child->get_nodeType(&type);
    if (type == NODE_ELEMENT) elements.push_back(child.As<IXMLDOMElement>());
    Node next;
    if (child->get_nextSibling(next.put()) != S_OK) break;
    child = next;
  }
  return elements;
}

std::string NameOf(IXMLDOMNode* node) {
  qcom::Bstr name;
  if (node) node->get_nodeName(name.out());
  return name.utf8();
}

std::string TextOf(IXMLDOMNode* node) {
  qcom::Bstr text;
  if (node) node->get_text(text.out());
  return text.utf8();
}

std::optional<std::string> AttributeOf(IXMLDOMElement* element, std::string_view name) {
  qcom::Variant value;
  qcom::Bstr attributeName(name);
  if (!element || element->getAttribute(attributeName.get(), value.out()) != S_OK ||
      value.type() != VT_BSTR)
    return std::nullopt;
  return value.text();
}

void SetAttribute(IXMLDOMElement* element, std::string_view name, std::string_view value) {
  qcom::Bstr attributeName(name);
  if (element) element->setAttribute(attributeName.get(), qcom::Variant(value).raw());
}

Element AppendElement(IXMLDOMDocument* document, IXMLDOMNode* parent, std::string_view name) {
  Element element;
  qcom::Bstr elementName(name);
  if (!document || !parent || FAILED(document->createElement(elementName.get(), element.put())) ||
      !element)
    return nullptr;
  Node appended;
  if (FAILED(parent->appendChild(element.get(), appended.put())) || !appended) return nullptr;
  return appended.As<IXMLDOMElement>();
}

Element RootOf(IXMLDOMDocument* document) {
  Element root;
  if (!document || document->get_documentElement(root.put()) != S_OK) return nullptr;
  return root;
}

}  // namespace host::dom
