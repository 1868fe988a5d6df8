#include "xml/DomNodeList.h"

#include "com/Boundary.h"
#include "xml/DomDocument.h"

namespace qxml {

DomNodeList::DomNodeList(IXMLDOMNode* context, Collector collect)
    : context_(context), impl_(Implementation(context)), collect_(std::move(collect)) {}

std::vector<pugi::xml_node> DomNodeList::Children(pugi::xml_node parent) {
  std::vector<pugi::xml_node> children;
  for (pugi::xml_node child : parent.children()) children.push_back(child);
  return children;
}

const std::vector<pugi::xml_node>& DomNodeList::Items() {
  const DomStore& store = impl_->Doc().Store();
  if (!collected_ || version_ != store.Version()) {
    items_ = impl_->Handle().IsAttribute() ? std::vector<pugi::xml_node>()
                                           : collect_(impl_->Handle().node);
    version_ = store.Version();
    collected_ = true;
  }
  return items_;
}

HRESULT DomNodeList::ReturnItem(size_t index, IXMLDOMNode** node) {
  const auto& items = Items();
  if (index >= items.size()) {
    *node = nullptr;
    return S_FALSE;
  }
  qcom::ComPtr<IXMLDOMNode> item = impl_->Doc().Wrap(NodeHandle{items[index], {}});
  *node = item.detach();
  return *node ? S_OK : S_FALSE;
}

HRESULT DomNodeList::get_item(LONG index, IXMLDOMNode** node) {
  if (!node) return E_POINTER;
  *node = nullptr;
  if (index < 0) return S_FALSE;
  return qcom::Guarded([&] { return ReturnItem(static_cast<size_t>(index), node); });
}

HRESULT DomNodeList::get_length(LONG* length) {
  if (!length) return E_POINTER;
  return qcom::Guarded([&] {
    *length = static_cast<LONG>(Items().size());
    return S_OK;
  });
}

HRESULT DomNodeList::nextNode(IXMLDOMNode** node) {
  if (!node) return E_POINTER;
  *node = nullptr;
  return qcom::Guarded([&] {
    HRESULT hr = ReturnItem(next_, node);
    if (hr == S_OK) ++next_;
    return hr;
  });
}

HRESULT DomNodeList::reset() {
  next_ = 0;
  return S_OK;
}

}  // namespace qxml
