#pragma once

#include <optional>
#include <string>

#include "xml/DomNode.h"
#include "xml/DomStore.h"
#include "xml/ParseErrorInfo.h"

namespace qxml {

// The document: the root of the node tree, the owner of every node object
// made from it, and the place loads and saves go through. Not thread-safe: a
// document and its nodes are used from one thread at a time.
class DomDocument final : public DomNode<IXMLDOMDocument> {
 public:
  DomDocument();

  HRESULT get_documentElement(IXMLDOMElement** element) override;
  HRESULT createElement(BSTR tagName, IXMLDOMElement** element) override;
  HRESULT createTextNode(BSTR data, IXMLDOMText** text) override;
  HRESULT createComment(BSTR data, IXMLDOMComment** comment) override;
  HRESULT getElementsByTagName(BSTR path, IXMLDOMNodeList** list) override;
  HRESULT load(VARIANT path, VARIANT_BOOL* ok) override;
  HRESULT get_readyState(LONG* state) override;
  HRESULT get_parseError(IXMLDOMParseError** error) override;
  HRESULT loadXML(BSTR xml, VARIANT_BOOL* ok) override;
  HRESULT save(VARIANT path) override;

  DomStore& Store() { return store_; }
  // The text save writes; nothing for a document without an element, which
  // could not be loaded again.
  std::optional<std::string> FileText();
  // The node object for a node of this document (the document itself for the
  // main root); one object per node, so the same node always gives the same
  // object. Null for an empty handle or the root of a detached tree.
  qcom::ComPtr<IXMLDOMNode> Wrap(const NodeHandle& handle);

 private:
  // Makes the parsed text the content, or empties the document and records why not.
  HRESULT TakeParsed(std::string_view utf8, const std::string& url, VARIANT_BOOL* ok);
  void Fail(ParseErrorInfo error, VARIANT_BOOL* ok);
  template <class I>
  HRESULT CreateDetached(pugi::xml_node_type type, std::string_view name, std::string_view value,
                         I** out);

  DomStore store_;
  ParseErrorInfo lastLoad_;
};

}  // namespace qxml
