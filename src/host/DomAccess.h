#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "com/ComPtr.h"
#include "xml/DomInterfaces.h"

// The few DOM steps the host repeats when it reads and writes project files.
namespace host::dom {

using Node = qcom::ComPtr<IXMLDOMNode>;
using Element = qcom::ComPtr<IXMLDOMElement>;

// The element children of a node in document order (text and comments skipped).
std::vector<Element> ChildElements(IXMLDOMNode* node);

std::string NameOf(IXMLDOMNode* node);
// The text of a node and its descendants.
std::string TextOf(IXMLDOMNode* node);
// The value of an attribute, or nothing when the element lacks it.
std::optional<std::string> AttributeOf(IXMLDOMElement* element, std::string_view name);
void SetAttribute(IXMLDOMElement* element, std::string_view name, std::string_view value);

// Creates an element and appends it to parent; null when that fails.
Element AppendElement(IXMLDOMDocument* document, IXMLDOMNode* parent, std::string_view name);

// The document's root element, null when it has none.
Element RootOf(IXMLDOMDocument* document);

}  // namespace host::dom
