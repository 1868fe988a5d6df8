#include "xml/DomElement.h"

#include "xml/DomDocument.h"
#include "xml/VariantText.h"
#include "xml/XmlNames.h"

namespace qxml {

HRESULT DomElement::get_tagName(BSTR* name) {
  return qcom::Guarded([&] { return qcom::ReturnText(Handle().node.name(), name); });
}

HRESULT DomElement::getAttribute(BSTR name, VARIANT* value) {
  if (!value) return E_POINTER;
  VariantInit(value);
  return qcom::Guarded([&] {
    pugi::xml_attribute attr = Handle().node.attribute(qcom::BstrToUtf8(name).c_str());
    if (!attr) {
      value->vt = VT_NULL;
      return S_FALSE;
    }
    value->vt = VT_BSTR;
    value->bstrVal = qcom::AllocBstr(std::string_view(attr.value()));
    return S_OK;
  });
}

HRESULT DomElement::setAttribute(BSTR name, VARIANT value) {
  return qcom::Guarded([&] {
    std::string key = qcom::BstrToUtf8(name);
    if (!IsXmlName(key)) return E_INVALIDARG;
    std::optional<std::string> text = VariantToText(value);
    if (!text) return DISP_E_TYPEMISMATCH;
    Doc().Store().NoteEdit();
    pugi::xml_node node = Handle().node;
    pugi::xml_attribute attr = node.attribute(key.c_str());
    if (!attr) attr = node.append_attribute(key.c_str());
    return attr && attr.set_value(text->c_str()) ? S_OK : E_OUTOFMEMORY;
  });
}

HRESULT DomElement::removeAttribute(BSTR name) {
  return qcom::Guarded([&] {
    pugi::xml_attribute attr = Handle().node.attribute(qcom::BstrToUtf8(name).c_str());
    if (!attr) return S_FALSE;
    return Doc().Store().RemoveAttribute(Handle().node, attr) ? S_OK : E_OUTOFMEMORY;
  });
}

HRESULT DomElement::getElementsByTagName(BSTR path, IXMLDOMNodeList** list) {
  return qcom::Guarded([&] { return node_ops::ElementsByPath(*this, path, list); });
}

}  // namespace qxml
