#include "xml/Dom.h"

#include "xml/DomDocument.h"
#include "xml/DomNodeBase.h"
#include "xml/NodeOps.h"

namespace qxml {

qcom::ComPtr<IXMLDOMDocument> CreateDocument() {
  return qcom::Make<DomDocument>();
}

uint64_t ContentStamp(IXMLDOMNode* node) {
  DomNodeBase* impl = Implementation(node);
  return impl ? impl->Doc().Store().Stamp() : 0;
}

NodeIdentity IdentityOf(IXMLDOMNode* node) {
  DomNodeBase* impl = Implementation(node);
  if (!impl) return {};
  return {impl->Doc().Store().Stamp(), impl->Handle().Key()};
}

HRESULT AppendChildElement(IXMLDOMNode* parent, std::string_view name, IXMLDOMElement** element) {
  DomNodeBase* impl = Implementation(parent);
  if (!impl) return E_NOINTERFACE;
  return qcom::Guarded([&] { return node_ops::AppendElement(*impl, name, element); });
}

HRESULT AppendTextElement(IXMLDOMNode* parent, std::string_view name, std::string_view text) {
  DomNodeBase* impl = Implementation(parent);
  if (!impl) return E_NOINTERFACE;
  return qcom::Guarded([&] { return node_ops::AppendTextElement(*impl, name, text); });
}

namespace {
void IndentTree(pugi::xml_node element, const std::string& margin) {
  pugi::xml_node first = element.first_child();
  if (!first) return;
  for (pugi::xml_node c = first; c; c = c.next_sibling())
    if (c.type() != pugi::node_element && c.type() != pugi::node_comment) return;
  const std::string inner = margin + "  ", lineBefore = "\n" + inner, lineAfter = "\n" + margin;
  for (pugi::xml_node c = first; c; c = c.next_sibling()) {
    IndentTree(c, inner);
    element.insert_child_before(pugi::node_pcdata, c).set_value(lineBefore.c_str());
  }
  element.append_child(pugi::node_pcdata).set_value(lineAfter.c_str());
}
}  // namespace

HRESULT IndentElements(IXMLDOMNode* element) {
  DomNodeBase* impl = Implementation(element);
  if (!impl) return E_NOINTERFACE;
  return qcom::Guarded([&] {
    const NodeHandle& handle = impl->Handle();
    if (handle.IsAttribute() || handle.node.type() != pugi::node_element) return E_INVALIDARG;
    IndentTree(handle.node, "");
    impl->Doc().Store().Touch();
    return S_OK;
  });
}

std::optional<std::string> FileText(IXMLDOMDocument* document) {
  DomNodeBase* impl = Implementation(document);
  return impl ? impl->Doc().FileText() : std::nullopt;
}

int32_t LiveObjectCount() {
  return qcom::ThisModule().objects.load();
}

}  // namespace qxml
