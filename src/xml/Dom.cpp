#include "xml/Dom.h"

#include "xml/DomDocument.h"

namespace qxml {

qcom::ComPtr<IXMLDOMDocument> CreateDocument() {
  return qcom::Make<DomDocument>();
}

int32_t LiveObjectCount() {
  return qcom::ThisModule().objects.load();
}

}  // namespace qxml
