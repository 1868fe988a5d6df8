#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "com/ComPtr.h"
#include "xml/Dom.h"
#include "xml/XmlApi.h"

// Reading and appending elements the way the system's loaders and writers do,
// over any implementation of the DOM interfaces. Loaders compare names in
// upper case, skip comment nodes and take an element's text as the value of
// its first child.
namespace qxml {
using ::qcom::ComPtr;
using ::qcom::IXMLDOMDocument;
using ::qcom::IXMLDOMElement;
using ::qcom::IXMLDOMNode;

using NodePtr = qcom::ComPtr<IXMLDOMNode>;
using ElementPtr = qcom::ComPtr<IXMLDOMElement>;

// ---- reading ----

// The child nodes of a node, comments left out.
QXML_API std::vector<NodePtr> Children(IXMLDOMNode* node);
// The element children of a node in document order (text and comments skipped).
QXML_API std::vector<ElementPtr> ChildElements(IXMLDOMNode* node);
QXML_API bool IsComment(IXMLDOMNode* node);
QXML_API std::string BaseName(IXMLDOMNode* node);
QXML_API std::string UpperBaseName(IXMLDOMNode* node);
// The qualified name (prefix included).
QXML_API std::string NameOf(IXMLDOMNode* node);
// The node value of the node's first child; nullopt when it has no child or
// the child has no value (an element), which loaders treat as a failed step.
QXML_API std::optional<std::string> Text(IXMLDOMNode* node);
// The text of a node and all its descendants.
QXML_API std::string TextOf(IXMLDOMNode* node);

// One child node as loaders see it: its base name and its Text().
struct Field {
  std::string name;
  std::optional<std::string> text;
};
// Children() with each child's name and text, read once.
QXML_API std::vector<Field> Fields(IXMLDOMNode* node);
// The attributes of an element, each with its base name and value.
QXML_API std::vector<Field> AttributeFields(IXMLDOMNode* node);
// The value of an attribute, or nothing when the element lacks it.
QXML_API std::optional<std::string> AttributeOf(IXMLDOMElement* element, std::string_view name);

// The first element matching a slash path (descendant semantics); null when none.
QXML_API NodePtr FirstMatch(IXMLDOMDocument* document, std::string_view path);
// The document's root element, null when it has none.
QXML_API ElementPtr RootOf(IXMLDOMDocument* document);

// ---- appending ----

// The text that asks AppendElement for an element without a text node.
inline constexpr std::string_view kNoTextField = "NoTextField";

// A new element `name` appended to `parent`. A parent of another document
// receives a copy, so the element returned is the one in the tree. Null when
// the document cannot create the element (no document, or a name that is not
// an XML name); a missing parent, or one that refuses the child, leaves the
// element unattached.
QXML_API ElementPtr AppendElement(IXMLDOMDocument* document, IXMLDOMNode* parent,
                                  std::string_view name);
// The same, holding a text node with `text` unless the text is kNoTextField.
QXML_API ElementPtr AppendElement(IXMLDOMDocument* document, IXMLDOMNode* parent,
                                  std::string_view name, std::string_view text);
// The same, with attribute attrName = attrValue.
QXML_API ElementPtr AppendElementWithAttribute(IXMLDOMDocument* document, IXMLDOMNode* parent,
                                               std::string_view name, std::string_view attrName,
                                               std::string_view attrValue);
// An element `name` under parent holding `text` as its text node, whatever the
// text is (kNoTextField included); built in the tree directly when the DOM is
// this library's.
QXML_API void AppendValueElement(IXMLDOMDocument* document, IXMLDOMNode* parent,
                                 std::string_view name, std::string_view text);
QXML_API void SetAttribute(IXMLDOMElement* element, std::string_view name, std::string_view value);

}  // namespace qxml
