#pragma once

#include "com/ComPtr.h"
#include "xml/DomInterfaces.h"
#include "xml/NodeHandle.h"

namespace qxml {

class DomDocument;

// A new node object of the kind the node has, known to the document's store.
qcom::ComPtr<IXMLDOMNode> NewNodeObject(DomDocument& doc, const NodeHandle& handle);

}  // namespace qxml
