#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "com/ComPtr.h"
#include "xml/DomInterfaces.h"
#include "xml/XmlApi.h"

namespace qxml {
using ::qcom::ComPtr;
using ::qcom::DOMNodeType;
using ::qcom::HRESULT;
using ::qcom::IXMLDOMDocument;
using ::qcom::IXMLDOMElement;
using ::qcom::IXMLDOMNode;
using ::qcom::NODE_INVALID;

// A new, empty document.
QXML_API qcom::ComPtr<IXMLDOMDocument> CreateDocument();

// A number that changes whenever the document of node (or node itself, when it
// is a document) changes in any way, and that no other state of any document
// ever had; 0 for a null node or a node of another implementation. A reader
// may keep what it read from a document for as long as the stamp is the same.
QXML_API uint64_t ContentStamp(IXMLDOMNode* node);

// One node of one state of a document: equal identities name the same node
// with the same content, whichever node object stands for it. Empty (stamp 0)
// for a null node or a node of another implementation.
struct NodeIdentity {
  uint64_t stamp = 0;
  const void* node = nullptr;
  bool operator==(const NodeIdentity&) const = default;
};
QXML_API NodeIdentity IdentityOf(IXMLDOMNode* node);
struct NodeIdentityHash {
  size_t operator()(const NodeIdentity& identity) const {
    return std::hash<const void*>()(identity.node) ^ (std::hash<uint64_t>()(identity.stamp) * 31);
  }
};

// A child node as plain values: its type, its base name, and the node value of
// its own first child (which loaders take as an element's text).
struct ChildFacts {
  DOMNodeType type = NODE_INVALID;
  std::string baseName;
  std::optional<std::string> firstChildValue;
};

// The child nodes of node in order, read straight from the tree without a node
// object for each, exactly as the DOM members would answer; nullopt when node
// is null or of another implementation.
QXML_API std::optional<std::vector<ChildFacts>> ReadChildFacts(IXMLDOMNode* node);

// An attribute as plain values.
struct AttributeFacts {
  std::string baseName;
  std::string value;
};

// The attributes of an element in order, read straight from the tree; empty
// for other nodes, nullopt when node is null or of another implementation.
QXML_API std::optional<std::vector<AttributeFacts>> ReadAttributeFacts(IXMLDOMNode* node);

// Appends <name>text</name> as the last child of parent, with exactly the
// checks and the tree that createElement, createTextNode and appendChild give,
// but without a node object for either node. E_NOINTERFACE when parent is
// null or of another implementation (nothing changed: use the members).
QXML_API HRESULT AppendTextElement(IXMLDOMNode* parent, std::string_view name,
                                   std::string_view text);

// Appends <name/> as the last child of parent and hands it back, with exactly
// the checks and the tree createElement and appendChild give, without the
// detour through a detached node. E_NOINTERFACE when parent is null or of
// another implementation (nothing changed: use the members).
QXML_API HRESULT AppendChildElement(IXMLDOMNode* parent, std::string_view name,
                                    IXMLDOMElement** element);

// Puts each child of an element that holds only elements and comments on its
// own line, indented two blanks per level, down the whole subtree; elements
// with text keep their content exactly as it is. The same tree as appending
// the white-space text nodes through the members, in one pass over the tree
// and without a node object for each. E_NOINTERFACE when element is null or
// of another implementation, E_INVALIDARG when it is not an element.
QXML_API HRESULT IndentElements(IXMLDOMNode* element);

// The text document->save writes to a file, for a host that writes it
// elsewhere; nullopt when save would fail before writing (a document without
// an element) or for a document of another implementation.
QXML_API std::optional<std::string> FileText(IXMLDOMDocument* document);

// Objects of this library that are still alive (documents, nodes, lists, errors).
QXML_API int32_t LiveObjectCount();

}  // namespace qxml
