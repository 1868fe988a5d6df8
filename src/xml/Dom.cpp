#include "xml/Dom.h"

#include "xml/DomDocument.h"
#include "xml/DomNodeBase.h"

namespace qxml {

qcom::ComPtr<IXMLDOMDocument> CreateDocument() {
  return qcom::Make<DomDocument>();
}

uint64_t ContentStamp(IXMLDOMNode* node) {
  DomNodeBase* impl = Implementation(node);
  return impl ? impl->Doc().Store().Stamp() : 0;
}

int32_t LiveObjectCount() {
  return qcom::ThisModule().objects.load();
}

}  // namespace qxml
