#include "xml/DomDocument.h"

#include "com/ErrorRecord.h"
#include "com/FileAccess.h"
#include "xml/DomParseError.h"
#include "xml/NodeFactory.h"
#include "xml/SourceDecoding.h"
#include "xml/XmlCharacters.h"
#include "xml/XmlNames.h"
#include "xml/XmlParser.h"
#include "xml/XmlWriter.h"

namespace qxml {

// The node object parts the document owns the rules for.

DomNodeBase::DomNodeBase(DomDocument& doc, const NodeHandle& handle, bool holdsDocument)
    : doc_(&doc), handle_(handle), holdsDocument_(holdsDocument) {
  if (holdsDocument_) doc_->AddRef();
}

DomNodeBase::~DomNodeBase() {
  if (holdsDocument_) doc_->Release();
}

void ForgetNode(DomNodeBase& node) {
  if (node.registered) node.Doc().Store().Unregister(node);
}

DomNodeBase* Implementation(IUnknown* node) {
  void* impl = nullptr;
  if (!node || FAILED(node->QueryInterface(kNodeImplementationIid, &impl)) || !impl) return nullptr;
  node->Release();  // the caller's reference keeps the object alive
  return static_cast<DomNodeBase*>(impl);
}

// The document.

DomDocument::DomDocument() : DomNode(*this, NodeHandle{}, false) {
  Repoint(NodeHandle{store_.MainRoot(), {}});
}

qcom::ComPtr<IXMLDOMNode> DomDocument::Wrap(const NodeHandle& handle) {
  if (!handle.node) return {};
  if (!handle.IsAttribute()) {
    if (handle.node == store_.MainRoot()) return qcom::ComPtr<IXMLDOMNode>(this);
    if (handle.node.type() == pugi::node_document) return {};
  }
  if (DomNodeBase* known = store_.Find(handle)) return qcom::ComPtr<IXMLDOMNode>(known->AsNode());
  return NewNodeObject(*this, handle);
}

HRESULT DomDocument::get_documentElement(IXMLDOMElement** element) {
  if (!element) return E_POINTER;
  *element = nullptr;
  return qcom::Guarded([&] {
    pugi::xml_node root = store_.MainRoot().find_child(
        [](pugi::xml_node n) { return n.type() == pugi::node_element; });
    if (!root) return S_FALSE;
    *element = Wrap(NodeHandle{root, {}}).As<IXMLDOMElement>().detach();
    return *element ? S_OK : S_FALSE;
  });
}

template <class I>
HRESULT DomDocument::CreateDetached(pugi::xml_node_type type, std::string_view name,
                                    std::string_view value, I** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  pugi::xml_node node = store_.ScratchRoot().append_child(type);
  if (!node) return E_OUTOFMEMORY;
  store_.Touch();
  if ((!name.empty() && !node.set_name(std::string(name).c_str())) ||
      (!value.empty() && !node.set_value(std::string(value).c_str()))) {
    store_.ScratchRoot().remove_child(node);
    return E_OUTOFMEMORY;
  }
  // The node object is the node's only anchor: releasing it frees the node.
  *out = Wrap(NodeHandle{node, {}}).template As<I>().detach();
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT DomDocument::createElement(BSTR tagName, IXMLDOMElement** element) {
  if (element) *element = nullptr;
  return qcom::Guarded([&] {
    std::string name = qcom::BstrToUtf8(tagName);
    if (!IsXmlName(name)) return E_INVALIDARG;
    return CreateDetached(pugi::node_element, name, {}, element);
  });
}

HRESULT DomDocument::createTextNode(BSTR data, IXMLDOMText** text) {
  return qcom::Guarded(
      [&] { return CreateDetached(pugi::node_pcdata, {}, qcom::BstrToUtf8(data), text); });
}

HRESULT DomDocument::createComment(BSTR data, IXMLDOMComment** comment) {
  return qcom::Guarded(
      [&] { return CreateDetached(pugi::node_comment, {}, qcom::BstrToUtf8(data), comment); });
}

HRESULT DomDocument::getElementsByTagName(BSTR path, IXMLDOMNodeList** list) {
  return qcom::Guarded([&] { return node_ops::ElementsByPath(*this, path, list); });
}

void DomDocument::Fail(ParseErrorInfo error, VARIANT_BOOL* ok) {
  store_.ReplaceMain(std::make_unique<pugi::xml_document>());
  Repoint(NodeHandle{store_.MainRoot(), {}});
  lastLoad_ = std::move(error);
  if (ok) *ok = VARIANT_FALSE;
}

HRESULT DomDocument::TakeParsed(std::string_view utf8, const std::string& url, VARIANT_BOOL* ok) {
  ParseOutcome outcome = ParseXml(utf8);
  if (!outcome.doc) {
    outcome.error.url = url;
    Fail(std::move(outcome.error), ok);
    return S_FALSE;
  }
  store_.ReplaceMain(std::move(outcome.doc));
  Repoint(NodeHandle{store_.MainRoot(), {}});
  lastLoad_ = ParseErrorInfo{};
  if (ok) *ok = VARIANT_TRUE;
  return S_OK;
}

HRESULT DomDocument::load(VARIANT path, VARIANT_BOOL* ok) {
  if (ok) *ok = VARIANT_FALSE;
  if (path.vt != VT_BSTR) return E_INVALIDARG;
  return qcom::Guarded([&] {
    std::string url = qcom::BstrToUtf8(path.bstrVal);
    std::string bytes;
    std::string reason;
    HRESULT hr = qcom::ReadWholeFile(qcom::NativePath(url), bytes, reason);
    if (FAILED(hr)) {
      Fail(ParseErrorInfo{hr, reason, "", url, 0, 0, 0}, ok);
      return S_FALSE;
    }
    std::string text;
    ParseErrorInfo error;
    if (!DecodeXmlBytes(bytes, text, error)) {
      error.url = url;
      Fail(std::move(error), ok);
      return S_FALSE;
    }
    return TakeParsed(text, url, ok);
  });
}

HRESULT DomDocument::get_readyState(LONG* state) {
  if (!state) return E_POINTER;
  *state = 4;
  return S_OK;
}

HRESULT DomDocument::get_parseError(IXMLDOMParseError** error) {
  if (!error) return E_POINTER;
  return qcom::Guarded([&] {
    *error = qcom::Make<DomParseError>(lastLoad_).detach();
    return S_OK;
  });
}

HRESULT DomDocument::loadXML(BSTR xml, VARIANT_BOOL* ok) {
  if (ok) *ok = VARIANT_FALSE;
  return qcom::Guarded([&] {
    std::string text = qcom::BstrToUtf8(xml);
    std::string_view source = text;
    if (source.starts_with("\xEF\xBB\xBF")) source.remove_prefix(3);
    return TakeParsed(source, "", ok);
  });
}

HRESULT DomDocument::save(VARIANT path) {
  if (path.vt != VT_BSTR) return E_INVALIDARG;
  return qcom::Guarded([&] {
    std::optional<std::string> text = FileText();
    if (!text) return E_FAIL;
    // Other readers refuse such a file, and so would this one.
    if (std::string problem = NonXmlCharacterProblem(*text); !problem.empty())
      return qcom::RecordError(E_INVALIDARG, "qxml", "the document cannot be saved: " + problem);
    std::string target = qcom::NativePath(qcom::BstrToUtf8(path.bstrVal));
    if (target.empty()) return E_INVALIDARG;
    return qcom::ReplaceFile(target, *text);
  });
}

std::optional<std::string> DomDocument::FileText() {
  bool hasElement =
      store_.MainRoot().find_child([](pugi::xml_node n) { return n.type() == pugi::node_element; });
  if (!hasElement) return std::nullopt;
  return xml_writer::DocumentXml(store_.MainRoot(), xml_writer::Declaration::kForFile);
}

}  // namespace qxml
