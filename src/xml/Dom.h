#pragma once

#include <cstdint>

#include "com/ComPtr.h"
#include "xml/DomInterfaces.h"
#include "xml/XmlApi.h"

namespace qxml {

// A new, empty document.
QXML_API qcom::ComPtr<IXMLDOMDocument> CreateDocument();

// Objects of this library that are still alive (documents, nodes, lists, errors).
QXML_API int32_t LiveObjectCount();

}  // namespace qxml
