#include "values/XmlOutput.h"

#include "com/Bstr.h"
#include "com/Variant.h"

namespace values {

namespace {

// Creates the element and hangs it under the parent. A parent of another
// document receives a copy, so the element returned is the one in the tree.
qcom::ComPtr<IXMLDOMElement> NewChildElement(IXMLDOMDocument* document, IXMLDOMNode* parent,
                                             std::string_view name) {
  if (!document) return nullptr;
  qcom::ComPtr<IXMLDOMElement> element;
  qcom::Bstr tag(name);
  if (FAILED(document->createElement(tag.get(), element.put())) || !element) return nullptr;
  if (!parent) return element;
  qcom::ComPtr<IXMLDOMNode> appended;
  if (SUCCEEDED(parent->appendChild(element.get(), appended.put())) && appended) {
    if (auto inTree = appended.As<IXMLDOMElement>()) element = inTree;
  }
  return element;
}

}  // namespace

qcom::ComPtr<IXMLDOMElement> AppendElement(IXMLDOMDocument* document, IXMLDOMNode* parent,
                                           std::string_view name, std::string_view text) {
  qcom::ComPtr<IXMLDOMElement> element = NewChildElement(document, parent, name);
  if (!element || text == kNoTextField) return element;
  qcom::ComPtr<IXMLDOMText> textNode;
  qcom::Bstr data(text);
  if (SUCCEEDED(document->createTextNode(data.get(), textNode.put())) && textNode) {
    qcom::ComPtr<IXMLDOMNode> appended;
    element->appendChild(textNode.get(), appended.put());
  }
  return element;
}

qcom::ComPtr<IXMLDOMElement> AppendElementWithAttribute(IXMLDOMDocument* document,
                                                        IXMLDOMNode* parent, std::string_view name,
                                                        std::string_view attrName,
                                                        std::string_view attrValue) {
  qcom::ComPtr<IXMLDOMElement> element = NewChildElement(document, parent, name);
  if (!element) return element;
  qcom::Bstr attribute(attrName);
  qcom::Variant value(attrValue);
  element->setAttribute(attribute.get(), value.raw());
  return element;
}

}  // namespace values
