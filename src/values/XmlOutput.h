#pragma once

#include <string_view>

#include "com/ComPtr.h"
#include "xml/DomInterfaces.h"

// Building the XML the system writes (saved objects, reports).
namespace values {

// The text that asks AppendElement for an element without a text node.
inline constexpr std::string_view kNoTextField = "NoTextField";

// A new element `name` appended to `parent`, holding a text node with `text`
// unless the text is kNoTextField. Null when the document cannot create the
// element (no document, or a name that is not an XML name); a missing parent
// leaves the element unattached.
qcom::ComPtr<IXMLDOMElement> AppendElement(IXMLDOMDocument* document, IXMLDOMNode* parent,
                                           std::string_view name, std::string_view text);

// A new element `name` appended to `parent`, with attribute attrName = attrValue.
qcom::ComPtr<IXMLDOMElement> AppendElementWithAttribute(IXMLDOMDocument* document,
                                                        IXMLDOMNode* parent, std::string_view name,
                                                        std::string_view attrName,
                                                        std::string_view attrValue);

}  // namespace values
