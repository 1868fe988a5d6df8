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

HRESULT AppendTextElement(IXMLDOMNode* parent, std::string_view name, std::string_view text) {
  DomNodeBase* impl = Implementation(parent);
  if (!impl) return E_NOINTERFACE;
  return qcom::Guarded([&] { return node_ops::AppendTextElement(*impl, name, text); });
}

std::optional<std::string> FileText(IXMLDOMDocument* document) {
  DomNodeBase* impl = Implementation(document);
  return impl ? impl->Doc().FileText() : std::nullopt;
}

int32_t LiveObjectCount() {
  return qcom::ThisModule().objects.load();
}

}  // namespace qxml
