#include "values/XmlRead.h"

#include "com/TextRules.h"
#include "com/Variant.h"

namespace values::xml {

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

std::string BaseName(IXMLDOMNode* node) {
  qcom::Bstr name;
  if (node) node->get_baseName(name.out());
  return name.utf8();
}

std::string UpperBaseName(IXMLDOMNode* node) {
  return qcom::text::Upper(BaseName(node));
}

std::optional<std::string> Text(IXMLDOMNode* node) {
  if (!node) return std::nullopt;
  NodePtr first;
  if (FAILED(node->get_firstChild(first.put())) || !first) return std::nullopt;
  qcom::Variant value;
  if (FAILED(first->get_nodeValue(value.out())) || value.type() != VT_BSTR) return std::nullopt;
  return value.text();
}

std::vector<Field> Fields(IXMLDOMNode* node) {
  std::vector<Field> fields;
  // Nodes of our own DOM are read in one pass over the tree.
  if (auto facts = qxml::ReadChildFacts(node)) {
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
  if (auto facts = qxml::ReadAttributeFacts(node)) {
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

NodePtr FirstMatch(IXMLDOMDocument* document, std::string_view path) {
  if (!document) return nullptr;
  qcom::ComPtr<IXMLDOMNodeList> list;
  qcom::Bstr query(path);
  if (FAILED(document->getElementsByTagName(query.get(), list.put())) || !list) return nullptr;
  NodePtr node;
  list->get_item(0, node.put());
  return node;
}

}  // namespace values::xml
