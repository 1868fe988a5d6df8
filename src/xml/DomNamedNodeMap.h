#pragma once

#include "com/ComObject.h"
#include "xml/DomInterfaces.h"
#include "xml/NodeHandle.h"

namespace qxml {

class DomNodeBase;

// The attributes of one element, read live from the element.
class DomNamedNodeMap final : public qcom::ComObject<IXMLDOMNamedNodeMap> {
 public:
  // element is an element object of this library; the map keeps it alive.
  explicit DomNamedNodeMap(IXMLDOMNode* element);

  HRESULT getNamedItem(BSTR name, IXMLDOMNode** node) override;
  HRESULT get_item(LONG index, IXMLDOMNode** node) override;
  HRESULT get_length(LONG* length) override;

 private:
  HRESULT ReturnAttribute(pugi::xml_attribute attr, IXMLDOMNode** node);

  qcom::ComPtr<IXMLDOMNode> element_;
  DomNodeBase* impl_;
};

}  // namespace qxml
