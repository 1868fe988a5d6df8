#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "xml/DomInterfaces.h"
#include "xml/NodeHandle.h"

namespace qxml {

class DomNodeBase;

// The behaviour every node kind shares, behind the IXMLDOMNode members. The
// node kind is read from the tree, so one implementation serves all of them.
namespace node_ops {

// What the members below answer, as plain values.
std::string BaseNameOf(const NodeHandle& h);
DOMNodeType TypeOf(const NodeHandle& h);
// nodeValue as a text; nullopt where nodeValue is null.
std::optional<std::string> ValueOf(const NodeHandle& h);

HRESULT NodeName(DomNodeBase& self, BSTR* name);
HRESULT BaseName(DomNodeBase& self, BSTR* name);
HRESULT NodeType(DomNodeBase& self, DOMNodeType* type);
HRESULT GetNodeValue(DomNodeBase& self, VARIANT* value);
HRESULT PutNodeValue(DomNodeBase& self, const VARIANT& value);
HRESULT GetText(DomNodeBase& self, BSTR* text);
HRESULT PutText(DomNodeBase& self, BSTR text);
HRESULT GetXml(DomNodeBase& self, BSTR* xml);
HRESULT Parent(DomNodeBase& self, IXMLDOMNode** parent);
HRESULT FirstChild(DomNodeBase& self, IXMLDOMNode** child);
HRESULT LastChild(DomNodeBase& self, IXMLDOMNode** child);
HRESULT PreviousSibling(DomNodeBase& self, IXMLDOMNode** sibling);
HRESULT NextSibling(DomNodeBase& self, IXMLDOMNode** sibling);
HRESULT ChildNodes(DomNodeBase& self, IXMLDOMNodeList** children);
HRESULT Attributes(DomNodeBase& self, IXMLDOMNamedNodeMap** attributes);
HRESULT HasChildNodes(DomNodeBase& self, VARIANT_BOOL* has);
HRESULT OwnerDocument(DomNodeBase& self, IXMLDOMDocument** document);
HRESULT AppendChild(DomNodeBase& self, IXMLDOMNode* newChild, IXMLDOMNode** outNewChild);
HRESULT RemoveChild(DomNodeBase& self, IXMLDOMNode* child, IXMLDOMNode** removed);

// createElement, createTextNode and two appendChild calls in one step, with
// their checks and their result, without node objects.
HRESULT AppendTextElement(DomNodeBase& self, std::string_view name, std::string_view text);
HRESULT AppendElement(DomNodeBase& self, std::string_view name, IXMLDOMElement** element);

// getElementsByTagName of elements and documents.
HRESULT ElementsByPath(DomNodeBase& self, BSTR path, IXMLDOMNodeList** list);

}  // namespace node_ops
}  // namespace qxml
