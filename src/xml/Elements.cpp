#include "xml/Elements.h"

#include "com/Bstr.h"
#include "com/TextRules.h"
#include "com/Variant.h"

namespace qxml {

bool IsComment(IXMLDOMNode* node) {
  DOMNodeType type = NODE_INVALID;
  return node && SUCCEEDED(node->get_nodeType(&type)) && type == NODE_COMMENT;
}

std::vector<NodePtr> Children(IXMLDOMNode* node) {
  std::vector<NodePtr> out;
  if (!node) return out;
  qcom::ComPtr<IXMLDOMNodeList> list;
  if (FAILED(node->get_childNodes(list.put())) || !list) return out;
  LONG length = 0;
  list->get_length(&length);
  for (LONG i = 0; i < length; ++i) {
    NodePtr child;
    if (SUCCEEDED(list->get_item(i, child.put())) && child && !IsComment(child.get()))
      out.push_back(child);
  }
  return out;
}

std::vector<ElementPtr> ChildElements(IXMLDOMNode* node) {
  std::vector<ElementPtr> elements;
  NodePtr child;
  if (!node || node->get_firstChild(child.put()) != S_OK) return elements;
  while (child) {
    DOMNodeType type = NODE_INVALID;
    child->get_nodeType(&type);
    if (type == NODE_ELEMENT) elements.push_back(child.As<IXMLDOMElement>());
    NodePtr next;
    if (child->get_nextSibling(next.put()) != S_OK) break;
    child = next;
  }
  return elements;
}

std::string BaseName(IXMLDOMNode* node) {
  qcom::Bstr name;
  if (node) node->get_baseName(name.out());
  return name.utf8();
}

std::string UpperBaseName(IXMLDOMNode* node) {
  return qcom::text::Upper(BaseName(node));
}

std::string NameOf(IXMLDOMNode* node) {
  qcom::Bstr name;
  if (node) node->get_nodeName(name.out());
  return name.utf8();
}

std::optional<std::string> Text(IXMLDOMNode* node) {
  if (!node) return std::nullopt;
  NodePtr first;
  if (FAILED(node->get_firstChild(first.put())) || !first) return std::nullopt;
  qcom::Variant value;
  if (FAILED(first->get_nodeValue(value.out())) || value.type() != VT_BSTR) return std::nullopt;
  return value.text();
}

std::string TextOf(IXMLDOMNode* node) {
  qcom::Bstr text;
  if (node) node->get_text(text.out());
  return text.utf8();
}

std::vector<Field> Fields(IXMLDOMNode* node) {
  std::vector<Field> fields;
  // Nodes of this library are read in one pass over the tree.
  if (auto facts = ReadChildFacts(node)) {
    fields.reserve(facts->size());
    for (auto& fact : *facts)
      if (fact.type != NODE_COMMENT)
        fields.push_back({std::move(fact.baseName), std::move(fact.firstChildValue)});
    return fields;
  }
  for (const auto& child : Children(node))
    fields.push_back({BaseName(child.get()), Text(child.get())});
  return fields;
}

std::vector<Field> AttributeFields(IXMLDOMNode* node) {
  std::vector<Field> fields;
  if (auto facts = ReadAttributeFacts(node)) {
    for (auto& fact : *facts) fields.push_back({std::move(fact.baseName), std::move(fact.value)});
    return fields;
  }
  qcom::ComPtr<IXMLDOMNamedNodeMap> attributes;
  if (!node || FAILED(node->get_attributes(attributes.put())) || !attributes) return fields;
  LONG count = 0;
  attributes->get_length(&count);
  for (LONG i = 0; i < count; ++i) {
    NodePtr attribute;
    if (FAILED(attributes->get_item(i, attribute.put())) || !attribute) continue;
    qcom::Variant value;
    attribute->get_nodeValue(value.out());
    fields.push_back({BaseName(attribute.get()), value.text()});
  }
  return fields;
}

std::optional<std::string> AttributeOf(IXMLDOMElement* element, std::string_view name) {
  qcom::Variant value;
  qcom::Bstr attributeName(name);
  if (!element || element->getAttribute(attributeName.get(), value.out()) != S_OK ||
      value.type() != VT_BSTR)
    return std::nullopt;
  return value.text();
}

NodePtr FirstMatch(IXMLDOMDocument* document, std::string_view path) {
  if (!document) return nullptr;
  qcom::ComPtr<IXMLDOMNodeList> list;
  qcom::Bstr query(path);
  if (FAILED(document->getElementsByTagName(query.get(), list.put())) || !list) return nullptr;
  NodePtr node;
  list->get_item(0, node.put());
  return node;
}

ElementPtr RootOf(IXMLDOMDocument* document) {
  ElementPtr root;
  if (!document || document->get_documentElement(root.put()) != S_OK) return nullptr;
  return root;
}

ElementPtr AppendElement(IXMLDOMDocument* document, IXMLDOMNode* parent, std::string_view name) {
  if (!document) return nullptr;
  ElementPtr element;
  // A parent in the document itself takes the element straight into its tree.
  if (parent && qxml::ContentStamp(parent) != 0 &&
      qxml::ContentStamp(document) == qxml::ContentStamp(parent) &&
      SUCCEEDED(AppendChildElement(parent, name, element.put())) && element)
    return element;
  qcom::Bstr tag(name);
  if (FAILED(document->createElement(tag.get(), element.put())) || !element) return nullptr;
  if (!parent) return element;
  NodePtr appended;
  if (SUCCEEDED(parent->appendChild(element.get(), appended.put())) && appended) {
    if (auto inTree = appended.As<IXMLDOMElement>()) element = inTree;
  }
  return element;
}

ElementPtr AppendElement(IXMLDOMDocument* document, IXMLDOMNode* parent, std::string_view name,
                         std::string_view text) {
  ElementPtr element = AppendElement(document, parent, name);
  if (!element || text == kNoTextField) return element;
  qcom::ComPtr<IXMLDOMText> textNode;
  qcom::Bstr data(text);
  if (SUCCEEDED(document->createTextNode(data.get(), textNode.put())) && textNode) {
    NodePtr appended;
    element->appendChild(textNode.get(), appended.put());
  }
  return element;
}

ElementPtr AppendElementWithAttribute(IXMLDOMDocument* document, IXMLDOMNode* parent,
                                      std::string_view name, std::string_view attrName,
                                      std::string_view attrValue) {
  ElementPtr element = AppendElement(document, parent, name);
  SetAttribute(element.get(), attrName, attrValue);
  return element;
}

void AppendValueElement(IXMLDOMDocument* document, IXMLDOMNode* parent, std::string_view name,
                        std::string_view text) {
  if (!document) return;
  // Our own DOM builds it in one step; another implementation through its members.
  if (AppendTextElement(parent, name, text) != E_NOINTERFACE) return;
  auto element = AppendElement(document, parent, name, kNoTextField);
  if (!element) return;
  qcom::ComPtr<IXMLDOMText> textNode;
  qcom::Bstr data(text);
  if (FAILED(document->createTextNode(data.get(), textNode.put())) || !textNode) return;
  NodePtr appended;
  element->appendChild(textNode.get(), appended.put());
}

void SetAttribute(IXMLDOMElement* element, std::string_view name, std::string_view value) {
  qcom::Bstr attributeName(name);
  if (element) element->setAttribute(attributeName.get(), qcom::Variant(value).raw());
}

}  // namespace qxml
