#include <iterator>

#include "xml/Dom.h"
#include "xml/DomNodeBase.h"
#include "xml/NodeOps.h"

namespace qxml {

std::optional<std::vector<ChildFacts>> ReadChildFacts(IXMLDOMNode* node) {
  DomNodeBase* impl = Implementation(node);
  if (!impl) return std::nullopt;
  std::vector<ChildFacts> facts;
  const NodeHandle& handle = impl->Handle();
  if (handle.IsAttribute()) return facts;  // an attribute's value is no child here
  facts.reserve(static_cast<size_t>(std::distance(handle.node.begin(), handle.node.end())));
  for (pugi::xml_node child : handle.node.children()) {
    ChildFacts fact{node_ops::TypeOf(NodeHandle{child, {}}),
                    node_ops::BaseNameOf(NodeHandle{child, {}}), std::nullopt};
    if (pugi::xml_node first = child.first_child())
      fact.firstChildValue = node_ops::ValueOf(NodeHandle{first, {}});
    facts.push_back(std::move(fact));
  }
  return facts;
}

std::optional<std::vector<AttributeFacts>> ReadAttributeFacts(IXMLDOMNode* node) {
  DomNodeBase* impl = Implementation(node);
  if (!impl) return std::nullopt;
  std::vector<AttributeFacts> facts;
  const NodeHandle& handle = impl->Handle();
  if (handle.IsAttribute() || handle.node.type() != pugi::node_element) return facts;
  for (pugi::xml_attribute attribute : handle.node.attributes()) {
    NodeHandle at{handle.node, attribute};
    facts.push_back({node_ops::BaseNameOf(at), node_ops::ValueOf(at).value_or("")});
  }
  return facts;
}

}  // namespace qxml
