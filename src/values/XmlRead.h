#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "com/ComPtr.h"
#include "xml/Dom.h"

// How the system's loaders read definition XML: names compared in upper case,
// comment nodes skipped, an element's text taken as the value of its first child.
namespace values::xml {

using NodePtr = qcom::ComPtr<IXMLDOMNode>;

// The child nodes of a node, comments left out.
std::vector<NodePtr> Children(IXMLDOMNode* node);
bool IsComment(IXMLDOMNode* node);
std::string BaseName(IXMLDOMNode* node);
std::string UpperBaseName(IXMLDOMNode* node);
// The node value of the node's first child; nullopt when it has no child or
// the child has no value (an element), which loaders treat as a failed step.
std::optional<std::string> Text(IXMLDOMNode* node);
// One child node as loaders see it: its base name and its Text().
struct Field {
  std::string name;
  std::optional<std::string> text;
};
// Children() with each child's name and text, read once.
std::vector<Field> Fields(IXMLDOMNode* node);

// The attributes of an element, each with its base name and value.
std::vector<Field> AttributeFields(IXMLDOMNode* node);

// The first element matching a slash path (descendant semantics); null when none.
NodePtr FirstMatch(IXMLDOMDocument* document, std::string_view path);

}  // namespace values::xml
