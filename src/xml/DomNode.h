#pragma once

#include "com/Boundary.h"
#include "com/ComObject.h"
#include "xml/DomNodeBase.h"
#include "xml/NodeOps.h"

namespace qxml {

// Answered by every node object of this library; QueryInterface for it hands
// out the DomNodeBase part, so the library can tell its own nodes from others.
constexpr IID kNodeImplementationIid = qcom::MakeGuid("C6B2C6D0-FE4B-49F2-A1AC-34BD0189F494");

// The IXMLDOMNode members of a node kind I (an interface extending IXMLDOMNode).
template <class I>
class DomNode : public qcom::ComObject<I>, public DomNodeBase {
 public:
  HRESULT get_nodeName(BSTR* name) override {
    return qcom::Guarded([&] { return node_ops::NodeName(*this, name); });
  }
  HRESULT get_nodeValue(VARIANT* value) override {
    return qcom::Guarded([&] { return node_ops::GetNodeValue(*this, value); });
  }
  HRESULT put_nodeValue(VARIANT value) override {
    return qcom::Guarded([&] { return node_ops::PutNodeValue(*this, value); });
  }
  HRESULT get_nodeType(DOMNodeType* type) override {
    return qcom::Guarded([&] { return node_ops::NodeType(*this, type); });
  }
  HRESULT get_parentNode(IXMLDOMNode** parent) override {
    return qcom::Guarded([&] { return node_ops::Parent(*this, parent); });
  }
  HRESULT get_childNodes(IXMLDOMNodeList** children) override {
    return qcom::Guarded([&] { return node_ops::ChildNodes(*this, children); });
  }
  HRESULT get_firstChild(IXMLDOMNode** child) override {
    return qcom::Guarded([&] { return node_ops::FirstChild(*this, child); });
  }
  HRESULT get_lastChild(IXMLDOMNode** child) override {
    return qcom::Guarded([&] { return node_ops::LastChild(*this, child); });
  }
  HRESULT get_previousSibling(IXMLDOMNode** sibling) override {
    return qcom::Guarded([&] { return node_ops::PreviousSibling(*this, sibling); });
  }
  HRESULT get_nextSibling(IXMLDOMNode** sibling) override {
    return qcom::Guarded([&] { return node_ops::NextSibling(*this, sibling); });
  }
  HRESULT get_attributes(IXMLDOMNamedNodeMap** attributes) override {
    return qcom::Guarded([&] { return node_ops::Attributes(*this, attributes); });
  }
  HRESULT removeChild(IXMLDOMNode* child, IXMLDOMNode** removed) override {
    return qcom::Guarded([&] { return node_ops::RemoveChild(*this, child, removed); });
  }
  HRESULT appendChild(IXMLDOMNode* newChild, IXMLDOMNode** outNewChild) override {
    return qcom::Guarded([&] { return node_ops::AppendChild(*this, newChild, outNewChild); });
  }
  HRESULT hasChildNodes(VARIANT_BOOL* has) override {
    return qcom::Guarded([&] { return node_ops::HasChildNodes(*this, has); });
  }
  HRESULT get_ownerDocument(IXMLDOMDocument** document) override {
    return qcom::Guarded([&] { return node_ops::OwnerDocument(*this, document); });
  }
  HRESULT get_text(BSTR* text) override {
    return qcom::Guarded([&] { return node_ops::GetText(*this, text); });
  }
  HRESULT put_text(BSTR text) override {
    return qcom::Guarded([&] { return node_ops::PutText(*this, text); });
  }
  HRESULT get_xml(BSTR* xml) override {
    return qcom::Guarded([&] { return node_ops::GetXml(*this, xml); });
  }
  HRESULT get_baseName(BSTR* name) override {
    return qcom::Guarded([&] { return node_ops::BaseName(*this, name); });
  }

  IXMLDOMNode* AsNode() override { return this; }

 protected:
  DomNode(DomDocument& doc, const NodeHandle& handle, bool holdsDocument = true)
      : DomNodeBase(doc, handle, holdsDocument) {}
  ~DomNode() override { ForgetNode(*this); }

  void* QueryExtra(REFIID iid) override {
    return iid == kNodeImplementationIid ? static_cast<DomNodeBase*>(this) : nullptr;
  }
};

}  // namespace qxml
