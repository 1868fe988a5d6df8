#include "xml/DomNamedNodeMap.h"

#include "com/Boundary.h"
#include "xml/DomDocument.h"

namespace qxml {

DomNamedNodeMap::DomNamedNodeMap(IXMLDOMNode* element)
    : element_(element), impl_(Implementation(element)) {}

HRESULT DomNamedNodeMap::ReturnAttribute(pugi::xml_attribute attr, IXMLDOMNode** node) {
  if (!attr) return S_FALSE;
  qcom::ComPtr<IXMLDOMNode> item = impl_->Doc().Wrap(NodeHandle{impl_->Handle().node, attr});
  *node = item.detach();
  return *node ? S_OK : S_FALSE;
}

HRESULT DomNamedNodeMap::getNamedItem(BSTR name, IXMLDOMNode** node) {
  if (!node) return E_POINTER;
  *node = nullptr;
  return qcom::Guarded([&] {
    return ReturnAttribute(impl_->Handle().node.attribute(qcom::BstrToUtf8(name).c_str()), node);
  });
}

HRESULT DomNamedNodeMap::get_item(LONG index, IXMLDOMNode** node) {
  if (!node) return E_POINTER;
  *node = nullptr;
  return qcom::Guarded([&] {
    pugi::xml_attribute attr = impl_->Handle().node.first_attribute();
    for (LONG i = 0; attr && i < index; ++i) attr = attr.next_attribute();
    return index < 0 ? S_FALSE : ReturnAttribute(attr, node);
  });
}

HRESULT DomNamedNodeMap::get_length(LONG* length) {
  if (!length) return E_POINTER;
  LONG count = 0;
  for (pugi::xml_attribute attr : impl_->Handle().node.attributes()) {
    (void)attr;
    ++count;
  }
  *length = count;
  return S_OK;
}

}  // namespace qxml
