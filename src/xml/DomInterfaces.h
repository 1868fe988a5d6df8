#pragma once

#include "com/Bstr.h"
#include "com/Unknown.h"
#include "com/Variant.h"

namespace qcom {

// The document object model the system reads and writes its XML files with.
// Dual interfaces: IDispatch's slots come first, then the members in the order
// the DOM declares them, reduced to the members the system calls.

enum DOMNodeType : int32_t {
  NODE_INVALID = 0,
  NODE_ELEMENT = 1,
  NODE_ATTRIBUTE = 2,
  NODE_TEXT = 3,
  NODE_CDATA_SECTION = 4,
  NODE_ENTITY_REFERENCE = 5,
  NODE_ENTITY = 6,
  NODE_PROCESSING_INSTRUCTION = 7,
  NODE_COMMENT = 8,
  NODE_DOCUMENT = 9,
  NODE_DOCUMENT_TYPE = 10,
  NODE_DOCUMENT_FRAGMENT = 11,
  NODE_NOTATION = 12,
};

struct IXMLDOMDocument;
struct IXMLDOMNodeList;
struct IXMLDOMNamedNodeMap;

// Navigation answers S_FALSE and a null node when there is no such node.
struct IXMLDOMNode : IDispatch {
  QCOM_IDENTITY(IDispatch, "C38A4ACB-6BE5-42E5-8D66-0452E9D30DD9");

  // "#text", "#comment", "#cdata-section", "#document" for unnamed nodes.
  virtual HRESULT get_nodeName(BSTR* name) = 0;
  // VT_NULL for elements and documents; the text of every other node.
  virtual HRESULT get_nodeValue(VARIANT* value) = 0;
  virtual HRESULT put_nodeValue(VARIANT value) = 0;
  virtual HRESULT get_nodeType(DOMNodeType* type) = 0;
  virtual HRESULT get_parentNode(IXMLDOMNode** parent) = 0;
  virtual HRESULT get_childNodes(IXMLDOMNodeList** children) = 0;
  virtual HRESULT get_firstChild(IXMLDOMNode** child) = 0;
  virtual HRESULT get_lastChild(IXMLDOMNode** child) = 0;
  virtual HRESULT get_previousSibling(IXMLDOMNode** sibling) = 0;
  virtual HRESULT get_nextSibling(IXMLDOMNode** sibling) = 0;
  // Null (S_FALSE) for every node but an element.
  virtual HRESULT get_attributes(IXMLDOMNamedNodeMap** attributes) = 0;
  // The removed node stays usable as a node without parent.
  virtual HRESULT removeChild(IXMLDOMNode* child, IXMLDOMNode** removed) = 0;
  // Moves newChild here; a node of another document is copied, and the copy is
  // what outNewChild receives.
  virtual HRESULT appendChild(IXMLDOMNode* newChild, IXMLDOMNode** outNewChild) = 0;
  virtual HRESULT hasChildNodes(VARIANT_BOOL* has) = 0;
  virtual HRESULT get_ownerDocument(IXMLDOMDocument** document) = 0;
  // The text of the node and its descendants; for elements and documents
  // without the surrounding white space, as documents that do not preserve
  // white space read.
  virtual HRESULT get_text(BSTR* text) = 0;
  virtual HRESULT put_text(BSTR text) = 0;
  // The node as XML, without indentation.
  virtual HRESULT get_xml(BSTR* xml) = 0;
  // The name without its namespace prefix; empty for unnamed nodes.
  virtual HRESULT get_baseName(BSTR* name) = 0;

 protected:
  ~IXMLDOMNode() = default;
};

// A live list: it follows changes of the document it was taken from.
struct IXMLDOMNodeList : IDispatch {
  QCOM_IDENTITY(IDispatch, "CC4F5EC5-B05D-47A3-8596-01CE1A2D5429");

  // 0-based; S_FALSE and null outside the list.
  virtual HRESULT get_item(LONG index, IXMLDOMNode** node) = 0;
  virtual HRESULT get_length(LONG* length) = 0;
  // The node after the last one returned; S_FALSE and null past the end.
  virtual HRESULT nextNode(IXMLDOMNode** node) = 0;
  virtual HRESULT reset() = 0;

 protected:
  ~IXMLDOMNodeList() = default;
};

// The attributes of one element.
struct IXMLDOMNamedNodeMap : IDispatch {
  QCOM_IDENTITY(IDispatch, "8AF86E32-9778-415C-8168-9CD4FC4EDE90");

  virtual HRESULT getNamedItem(BSTR name, IXMLDOMNode** node) = 0;
  virtual HRESULT get_item(LONG index, IXMLDOMNode** node) = 0;
  virtual HRESULT get_length(LONG* length) = 0;

 protected:
  ~IXMLDOMNamedNodeMap() = default;
};

// What went wrong in the last load; errorCode 0 when it succeeded.
struct IXMLDOMParseError : IDispatch {
  QCOM_IDENTITY(IDispatch, "6BCF44D3-8367-415A-BEDC-DCA00ECAE5DF");

  virtual HRESULT get_errorCode(LONG* code) = 0;
  virtual HRESULT get_url(BSTR* url) = 0;
  virtual HRESULT get_reason(BSTR* reason) = 0;
  // The whole source line the error is on.
  virtual HRESULT get_srcText(BSTR* text) = 0;
  // 1-based line and character position in that line.
  virtual HRESULT get_line(LONG* line) = 0;
  virtual HRESULT get_linepos(LONG* position) = 0;
  // 0-based character position in the source.
  virtual HRESULT get_filepos(LONG* position) = 0;

 protected:
  ~IXMLDOMParseError() = default;
};

struct IXMLDOMElement : IXMLDOMNode {
  QCOM_IDENTITY(IXMLDOMNode, "EEF627BF-C783-4223-8A2A-ED14F198D5F3");

  virtual HRESULT get_tagName(BSTR* name) = 0;
  // VT_NULL and S_FALSE when the attribute is absent.
  virtual HRESULT getAttribute(BSTR name, VARIANT* value) = 0;
  // Text, 16/32-bit integers, doubles and booleans are written as text.
  virtual HRESULT setAttribute(BSTR name, VARIANT value) = 0;
  virtual HRESULT removeAttribute(BSTR name) = 0;
  // Every descendant element matching the slash path ("A/B/C", "*" for any
  // name) in document order.
  virtual HRESULT getElementsByTagName(BSTR path, IXMLDOMNodeList** list) = 0;

 protected:
  ~IXMLDOMElement() = default;
};

struct IXMLDOMAttribute : IXMLDOMNode {
  QCOM_IDENTITY(IXMLDOMNode, "9DC68B93-35DB-4E30-A175-5073585ECC73");

 protected:
  ~IXMLDOMAttribute() = default;
};

struct IXMLDOMText : IXMLDOMNode {
  QCOM_IDENTITY(IXMLDOMNode, "E8143927-1D61-4546-A486-FB7041DB9C4E");

 protected:
  ~IXMLDOMText() = default;
};

struct IXMLDOMComment : IXMLDOMNode {
  QCOM_IDENTITY(IXMLDOMNode, "A12956CA-9069-44C2-85D8-319EDCE3A62F");

 protected:
  ~IXMLDOMComment() = default;
};

// Loading is synchronous; no DTD is processed and only the predefined
// entities and character references are expanded.
struct IXMLDOMDocument : IXMLDOMNode {
  QCOM_IDENTITY(IXMLDOMNode, "F5D08138-D0B8-40EA-9880-2E320BAF6FEF");

  virtual HRESULT get_documentElement(IXMLDOMElement** element) = 0;
  // Created nodes belong to the document but have no parent until appended.
  virtual HRESULT createElement(BSTR tagName, IXMLDOMElement** element) = 0;
  virtual HRESULT createTextNode(BSTR data, IXMLDOMText** text) = 0;
  virtual HRESULT createComment(BSTR data, IXMLDOMComment** comment) = 0;
  virtual HRESULT getElementsByTagName(BSTR path, IXMLDOMNodeList** list) = 0;
  // Path as text; "\" separates folders as "/" does. S_FALSE and VARIANT_FALSE
  // on failure, with the document left empty and parseError telling why.
  virtual HRESULT load(VARIANT path, VARIANT_BOOL* ok) = 0;
  // Always 4 (complete): loads finish before they return.
  virtual HRESULT get_readyState(LONG* state) = 0;
  virtual HRESULT get_parseError(IXMLDOMParseError** error) = 0;
  virtual HRESULT loadXML(BSTR xml, VARIANT_BOOL* ok) = 0;
  // Writes UTF-8 with an XML declaration; the file is replaced only once the
  // whole document is written.
  virtual HRESULT save(VARIANT path) = 0;

 protected:
  ~IXMLDOMDocument() = default;
};

}  // namespace qcom
