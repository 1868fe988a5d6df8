#include "xml/NodeOps.h"

#include <string>

#include "xml/DomDocument.h"
#include "xml/DomNamedNodeMap.h"
#include "xml/DomNodeList.h"
#include "xml/ElementPath.h"
#include "xml/TreeWalk.h"
#include "xml/VariantText.h"
#include "xml/XmlNames.h"
#include "xml/XmlWriter.h"

namespace qxml::node_ops {

namespace {

HRESULT ReturnNode(qcom::ComPtr<IXMLDOMNode> node, IXMLDOMNode** out) {
  if (!out) return E_POINTER;
  *out = node.detach();
  return *out ? S_OK : S_FALSE;
}

HRESULT ReturnNull(IXMLDOMNode** out) {
  return ReturnNode(nullptr, out);
}

HRESULT ReturnStringVariant(std::string_view text, VARIANT* out) {
  out->vt = VT_BSTR;
  out->bstrVal = qcom::AllocBstr(text);
  return S_OK;
}

bool IsXmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view TrimXmlSpace(std::string_view s) {
  while (!s.empty() && IsXmlSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsXmlSpace(s.back())) s.remove_suffix(1);
  return s;
}

// The declaration's attributes as the text of a processing instruction.
std::string DeclarationText(pugi::xml_node decl) {
  std::string text;
  for (pugi::xml_attribute a : decl.attributes()) {
    if (!text.empty()) text += ' ';
    text += a.name();
    text += "=\"";
    text += a.value();
    text += '"';
  }
  return text;
}

std::string DoctypeName(pugi::xml_node doctype) {
  std::string_view value = doctype.value();
  size_t end = 0;
  while (end < value.size() && !IsXmlSpace(value[end]) && value[end] != '[') ++end;
  return std::string(value.substr(0, end));
}

// The name as nodeName shows it; empty for nodes that have none of their own.
std::string OwnName(const NodeHandle& h) {
  if (h.IsAttribute()) return h.attr.name();
  switch (h.node.type()) {
    case pugi::node_element:
    case pugi::node_pi:
      return h.node.name();
    case pugi::node_declaration:
      return "xml";
    case pugi::node_doctype:
      return DoctypeName(h.node);
    default:
      return {};
  }
}

// Text and CDATA below the node, in document order.
std::string DescendantText(pugi::xml_node top) {
  std::string text;
  for (pugi::xml_node n = top; n; n = NextInSubtree(n, top))
    if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) text += n.value();
  return text;
}

bool CanHoldChildren(pugi::xml_node node) {
  return node.type() == pugi::node_element || node.type() == pugi::node_document;
}

// Whether child may go below parent: a document takes one element and no
// text; declarations and document types stay at the top.
bool MayAppend(pugi::xml_node parent, pugi::xml_node child) {
  pugi::xml_node_type type = child.type();
  if (type == pugi::node_document || type == pugi::node_null) return false;
  if (parent.type() == pugi::node_element)
    return type != pugi::node_declaration && type != pugi::node_doctype;
  if (type == pugi::node_pcdata || type == pugi::node_cdata) return false;
  if (type == pugi::node_element) {
    for (pugi::xml_node n : parent.children())
      if (n.type() == pugi::node_element && n != child) return false;
  }
  return true;
}

}  // namespace

HRESULT NodeName(DomNodeBase& self, BSTR* name) {
  const NodeHandle& h = self.Handle();
  if (h.IsAttribute()) return qcom::ReturnText(h.attr.name(), name);
  switch (h.node.type()) {
    case pugi::node_pcdata:
      return qcom::ReturnText("#text", name);
    case pugi::node_cdata:
      return qcom::ReturnText("#cdata-section", name);
    case pugi::node_comment:
      return qcom::ReturnText("#comment", name);
    case pugi::node_document:
      return qcom::ReturnText("#document", name);
    default:
      return qcom::ReturnText(OwnName(h), name);
  }
}

std::string BaseNameOf(const NodeHandle& h) {
  auto local = [](std::string_view own) {
    size_t colon = own.rfind(':');
    return std::string(colon == std::string_view::npos ? own : own.substr(colon + 1));
  };
  // Attributes and elements, most of what is asked, name themselves without a copy.
  if (h.IsAttribute()) return local(h.attr.name());
  if (h.node.type() == pugi::node_element) return local(h.node.name());
  return local(OwnName(h));
}

DOMNodeType TypeOf(const NodeHandle& h) {
  if (h.IsAttribute()) return NODE_ATTRIBUTE;
  switch (h.node.type()) {
    case pugi::node_element:
      return NODE_ELEMENT;
    case pugi::node_pcdata:
      return NODE_TEXT;
    case pugi::node_cdata:
      return NODE_CDATA_SECTION;
    case pugi::node_pi:
    case pugi::node_declaration:
      return NODE_PROCESSING_INSTRUCTION;
    case pugi::node_comment:
      return NODE_COMMENT;
    case pugi::node_document:
      return NODE_DOCUMENT;
    case pugi::node_doctype:
      return NODE_DOCUMENT_TYPE;
    default:
      return NODE_INVALID;
  }
}

std::optional<std::string> ValueOf(const NodeHandle& h) {
  if (h.IsAttribute()) return std::string(h.attr.value());
  switch (h.node.type()) {
    case pugi::node_pcdata:
    case pugi::node_cdata:
    case pugi::node_comment:
    case pugi::node_pi:
      return std::string(h.node.value());
    case pugi::node_declaration:
      return DeclarationText(h.node);
    default:
      return std::nullopt;  // elements, documents and document types have none
  }
}

HRESULT BaseName(DomNodeBase& self, BSTR* name) {
  return qcom::ReturnText(BaseNameOf(self.Handle()), name);
}

HRESULT NodeType(DomNodeBase& self, DOMNodeType* type) {
  if (!type) return E_POINTER;
  *type = TypeOf(self.Handle());
  return S_OK;
}

HRESULT GetNodeValue(DomNodeBase& self, VARIANT* value) {
  if (!value) return E_POINTER;
  VariantInit(value);
  if (auto text = ValueOf(self.Handle())) return ReturnStringVariant(*text, value);
  value->vt = VT_NULL;
  return S_FALSE;
}

HRESULT PutNodeValue(DomNodeBase& self, const VARIANT& value) {
  std::optional<std::string> text = VariantToText(value);
  if (!text) return DISP_E_TYPEMISMATCH;
  self.Doc().Store().NoteEdit();
  NodeHandle h = self.Handle();
  if (h.IsAttribute()) return h.attr.set_value(text->c_str()) ? S_OK : E_OUTOFMEMORY;
  switch (h.node.type()) {
    case pugi::node_pcdata:
    case pugi::node_cdata:
    case pugi::node_comment:
    case pugi::node_pi:
      return h.node.set_value(text->c_str()) ? S_OK : E_OUTOFMEMORY;
    default:
      // Elements and documents have no value of their own.
      return E_FAIL;
  }
}

HRESULT GetText(DomNodeBase& self, BSTR* text) {
  const NodeHandle& h = self.Handle();
  if (h.IsAttribute()) return qcom::ReturnText(h.attr.value(), text);
  switch (h.node.type()) {
    case pugi::node_element:
    case pugi::node_document:
      return qcom::ReturnText(TrimXmlSpace(DescendantText(h.node)), text);
    case pugi::node_pcdata:
      return qcom::ReturnText(TrimXmlSpace(h.node.value()), text);
    case pugi::node_cdata:
    case pugi::node_comment:
    case pugi::node_pi:
      return qcom::ReturnText(h.node.value(), text);
    case pugi::node_declaration:
      return qcom::ReturnText(DeclarationText(h.node), text);
    default:
      return qcom::ReturnText("", text);
  }
}

HRESULT PutText(DomNodeBase& self, BSTR text) {
  NodeHandle h = self.Handle();
  std::string value = qcom::BstrToUtf8(text);
  self.Doc().Store().NoteEdit();
  if (h.IsAttribute()) return h.attr.set_value(value.c_str()) ? S_OK : E_OUTOFMEMORY;
  switch (h.node.type()) {
    case pugi::node_element: {
      // The element's content becomes one text node.
      self.Doc().Store().RemoveChildren(h.node);
      if (value.empty()) return S_OK;
      pugi::xml_node node = h.node.append_child(pugi::node_pcdata);
      return node && node.set_value(value.c_str()) ? S_OK : E_OUTOFMEMORY;
    }
    case pugi::node_pcdata:
    case pugi::node_cdata:
    case pugi::node_comment:
    case pugi::node_pi:
      return h.node.set_value(value.c_str()) ? S_OK : E_OUTOFMEMORY;
    default:
      return E_FAIL;
  }
}

HRESULT GetXml(DomNodeBase& self, BSTR* xml) {
  return qcom::ReturnText(xml_writer::NodeXml(self.Handle()), xml);
}

HRESULT Parent(DomNodeBase& self, IXMLDOMNode** parent) {
  const NodeHandle& h = self.Handle();
  // Attributes hang off their element, not below it; detached nodes have no parent.
  if (h.IsAttribute() || self.Doc().Store().IsDetachedTop(h.node)) return ReturnNull(parent);
  return ReturnNode(self.Doc().Wrap(NodeHandle{h.node.parent(), {}}), parent);
}

HRESULT FirstChild(DomNodeBase& self, IXMLDOMNode** child) {
  const NodeHandle& h = self.Handle();
  if (h.IsAttribute()) return ReturnNull(child);
  return ReturnNode(self.Doc().Wrap(NodeHandle{h.node.first_child(), {}}), child);
}

HRESULT LastChild(DomNodeBase& self, IXMLDOMNode** child) {
  const NodeHandle& h = self.Handle();
  if (h.IsAttribute()) return ReturnNull(child);
  return ReturnNode(self.Doc().Wrap(NodeHandle{h.node.last_child(), {}}), child);
}

HRESULT PreviousSibling(DomNodeBase& self, IXMLDOMNode** sibling) {
  const NodeHandle& h = self.Handle();
  if (h.IsAttribute() || self.Doc().Store().IsDetachedTop(h.node)) return ReturnNull(sibling);
  return ReturnNode(self.Doc().Wrap(NodeHandle{h.node.previous_sibling(), {}}), sibling);
}

HRESULT NextSibling(DomNodeBase& self, IXMLDOMNode** sibling) {
  const NodeHandle& h = self.Handle();
  if (h.IsAttribute() || self.Doc().Store().IsDetachedTop(h.node)) return ReturnNull(sibling);
  return ReturnNode(self.Doc().Wrap(NodeHandle{h.node.next_sibling(), {}}), sibling);
}

HRESULT ChildNodes(DomNodeBase& self, IXMLDOMNodeList** children) {
  if (!children) return E_POINTER;
  *children = qcom::Make<DomNodeList>(self.AsNode(), &DomNodeList::Children).detach();
  return S_OK;
}

HRESULT Attributes(DomNodeBase& self, IXMLDOMNamedNodeMap** attributes) {
  if (!attributes) return E_POINTER;
  *attributes = nullptr;
  const NodeHandle& h = self.Handle();
  if (h.IsAttribute() || h.node.type() != pugi::node_element) return S_FALSE;
  *attributes = qcom::Make<DomNamedNodeMap>(self.AsNode()).detach();
  return S_OK;
}

HRESULT HasChildNodes(DomNodeBase& self, VARIANT_BOOL* has) {
  if (!has) return E_POINTER;
  const NodeHandle& h = self.Handle();
  bool any = !h.IsAttribute() && h.node.first_child();
  *has = ToVariantBool(any);
  return any ? S_OK : S_FALSE;
}

HRESULT OwnerDocument(DomNodeBase& self, IXMLDOMDocument** document) {
  if (!document) return E_POINTER;
  *document = nullptr;
  if (!self.Handle().IsAttribute() && self.Handle().node.type() == pugi::node_document)
    return S_FALSE;
  return qcom::ComPtr<IXMLDOMDocument>(&self.Doc()).CopyTo(document);
}

HRESULT AppendChild(DomNodeBase& self, IXMLDOMNode* newChild, IXMLDOMNode** outNewChild) {
  if (outNewChild) *outNewChild = nullptr;
  DomNodeBase* child = Implementation(newChild);
  if (!child) return E_INVALIDARG;
  NodeHandle target = self.Handle();
  NodeHandle moving = child->Handle();
  if (target.IsAttribute() || !CanHoldChildren(target.node)) return E_FAIL;
  if (moving.IsAttribute() || !MayAppend(target.node, moving.node)) return E_FAIL;

  DomDocument& doc = self.Doc();
  if (&child->Doc() == &doc) {
    // Fails only for a node appended below itself.
    if (!doc.Store().Append(target.node, moving.node)) return E_FAIL;
    qcom::ComPtr<IXMLDOMNode> same(newChild);
    return outNewChild ? ReturnNode(same, outNewChild) : S_OK;
  }
  pugi::xml_node copy = target.node.append_copy(moving.node);
  if (!copy) return E_OUTOFMEMORY;
  doc.Store().Touch();
  return outNewChild ? ReturnNode(doc.Wrap(NodeHandle{copy, {}}), outNewChild) : S_OK;
}

HRESULT RemoveChild(DomNodeBase& self, IXMLDOMNode* child, IXMLDOMNode** removed) {
  if (removed) *removed = nullptr;
  DomNodeBase* impl = Implementation(child);
  if (!impl || &impl->Doc() != &self.Doc()) return E_INVALIDARG;
  const NodeHandle& parent = self.Handle();
  const NodeHandle& node = impl->Handle();
  if (parent.IsAttribute() || node.IsAttribute() || node.node.parent() != parent.node)
    return E_INVALIDARG;
  // The caller holds the child's node object, so the node lives on detached.
  self.Doc().Store().Remove(node.node);
  qcom::ComPtr<IXMLDOMNode> same(child);
  return removed ? ReturnNode(same, removed) : S_OK;
}

namespace {

// Appends an element named name as the last child of the node, as
// createElement and appendChild would; empty (with the failure) when they
// would refuse.
pugi::xml_node AppendNamedElement(DomNodeBase& self, std::string_view name, HRESULT& result) {
  result = S_OK;
  if (!IsXmlName(name)) return result = E_INVALIDARG, pugi::xml_node();
  NodeHandle target = self.Handle();
  if (target.IsAttribute() || !CanHoldChildren(target.node))
    return result = E_FAIL, pugi::xml_node();
  if (target.node.type() == pugi::node_document)
    for (pugi::xml_node n : target.node.children())
      if (n.type() == pugi::node_element)
        return result = E_FAIL, pugi::xml_node();  // a document holds one element
  const std::string tag(name);
  pugi::xml_node element = target.node.append_child(pugi::node_element);
  if (!element) return result = E_OUTOFMEMORY, pugi::xml_node();
  self.Doc().Store().Touch();
  if (!element.set_name(tag.c_str())) {
    target.node.remove_child(element);
    return result = E_OUTOFMEMORY, pugi::xml_node();
  }
  return element;
}

}  // namespace

HRESULT AppendTextElement(DomNodeBase& self, std::string_view name, std::string_view text) {
  HRESULT result = S_OK;
  pugi::xml_node element = AppendNamedElement(self, name, result);
  if (!element) return result;
  const std::string data(text);
  pugi::xml_node textNode = element.append_child(pugi::node_pcdata);
  if (!textNode || (!data.empty() && !textNode.set_value(data.c_str()))) {
    element.parent().remove_child(element);
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

HRESULT AppendElement(DomNodeBase& self, std::string_view name, IXMLDOMElement** element) {
  if (!element) return E_POINTER;
  *element = nullptr;
  HRESULT result = S_OK;
  pugi::xml_node appended = AppendNamedElement(self, name, result);
  if (!appended) return result;
  *element = self.Doc().Wrap(NodeHandle{appended, {}}).As<IXMLDOMElement>().detach();
  return *element ? S_OK : E_OUTOFMEMORY;
}

HRESULT ElementsByPath(DomNodeBase& self, BSTR path, IXMLDOMNodeList** list) {
  if (!list) return E_POINTER;
  ElementPath steps(qcom::BstrToUtf8(path));
  // The list keeps its context node, and with it the document, alive.
  DomStore* store = &self.Doc().Store();
  *list = qcom::Make<DomNodeList>(self.AsNode(), [steps, store](pugi::xml_node context) {
            const std::vector<pugi::xml_node>* named = nullptr;
            if (steps.Valid() && steps.LastStep() != "*" && context.root() == store->MainRoot())
              named = store->MainElementsNamed(steps.LastStep());
            return steps.Matches(context, named);
          }).detach();
  return S_OK;
}

}  // namespace qxml::node_ops
