#include "xml/NodeFactory.h"

#include "xml/DomAttribute.h"
#include "xml/DomComment.h"
#include "xml/DomDocument.h"
#include "xml/DomElement.h"
#include "xml/DomPlainNode.h"
#include "xml/DomText.h"

namespace qxml {

namespace {
template <class T>
qcom::ComPtr<IXMLDOMNode> Registered(DomDocument& doc, const NodeHandle& handle) {
  qcom::ComPtr<T> object = qcom::Make<T>(doc, handle);
  doc.Store().Register(*object);
  return object;
}
}  // namespace

qcom::ComPtr<IXMLDOMNode> NewNodeObject(DomDocument& doc, const NodeHandle& handle) {
  if (handle.IsAttribute()) return Registered<DomAttribute>(doc, handle);
  switch (handle.node.type()) {
    case pugi::node_element:
      return Registered<DomElement>(doc, handle);
    case pugi::node_pcdata:
    case pugi::node_cdata:
      return Registered<DomText>(doc, handle);
    case pugi::node_comment:
      return Registered<DomComment>(doc, handle);
    case pugi::node_pi:
    case pugi::node_declaration:
    case pugi::node_doctype:
      return Registered<DomPlainNode>(doc, handle);
    default:
      return {};
  }
}

}  // namespace qxml
