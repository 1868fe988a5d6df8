#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <pugixml.hpp>

#include "com/ComObject.h"
#include "xml/DomInterfaces.h"

namespace qxml {

class DomNodeBase;

// A live list of nodes found from a context node: the children, or the
// elements matching a path. The nodes are collected again whenever the
// document changed since the last look.
class DomNodeList final : public qcom::ComObject<IXMLDOMNodeList> {
 public:
  using Collector = std::function<std::vector<pugi::xml_node>(pugi::xml_node context)>;

  // context is a node object of this library; the list keeps it alive.
  DomNodeList(IXMLDOMNode* context, Collector collect);

  HRESULT get_item(LONG index, IXMLDOMNode** node) override;
  HRESULT get_length(LONG* length) override;
  HRESULT nextNode(IXMLDOMNode** node) override;
  HRESULT reset() override;

  static std::vector<pugi::xml_node> Children(pugi::xml_node parent);

 private:
  const std::vector<pugi::xml_node>& Items();
  HRESULT ReturnItem(size_t index, IXMLDOMNode** node);

  qcom::ComPtr<IXMLDOMNode> context_;
  DomNodeBase* impl_;
  Collector collect_;
  std::vector<pugi::xml_node> items_;
  uint64_t version_ = 0;
  bool collected_ = false;
  size_t next_ = 0;
};

}  // namespace qxml
