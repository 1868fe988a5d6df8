#include <clocale>

#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

class DocumentBuilding : public DomTest {};

ComPtr<IXMLDOMText> NewText(IXMLDOMDocument* doc, std::string_view text) {
  ComPtr<IXMLDOMText> node;
  EXPECT_EQ(S_OK, doc->createTextNode(Bstr(text).get(), node.put()));
  return node;
}

HRESULT Set(IXMLDOMElement* element, std::string_view name, const qcom::Variant& value) {
  return element->setAttribute(Bstr(name).get(), value.raw());
}

TEST_F(DocumentBuilding, DescendantsOfAMovedNodeStayUsable) {
  auto doc = qxml::CreateDocument();
  auto root = NewElement(doc.get(), "Root");
  auto inner = NewElement(doc.get(), "Inner");
  auto text = NewText(doc.get(), "t");
  ASSERT_EQ(S_OK, inner->appendChild(text.get(), nullptr));
  ASSERT_EQ(S_OK, root->appendChild(inner.get(), nullptr));
  ASSERT_EQ(S_OK, Set(inner.get(), "k", "v"));
  auto attr = Item(Get(inner.get(), &IXMLDOMNode::get_attributes).get(), 0);
  EXPECT_FALSE(Get(root.get(), &IXMLDOMNode::get_parentNode, S_FALSE));

  // Attaching the whole subtree to the document moves it between trees.
  ComPtr<IXMLDOMNode> out;
  ASSERT_EQ(S_OK, doc->appendChild(root.get(), out.put()));
  EXPECT_TRUE(Same(out.get(), root.get()));
  EXPECT_EQ(S_OK, text->put_text(Bstr("changed").get()));
  EXPECT_EQ(S_OK, attr->put_nodeValue(qcom::Variant("w").raw()));
  EXPECT_EQ("<Root><Inner k=\"w\">changed</Inner></Root>\n", XmlOf(doc.get()));
  EXPECT_TRUE(Same(Get(text.get(), &IXMLDOMNode::get_parentNode).get(), inner.get()));
  EXPECT_TRUE(Same(Get(root.get(), &IXMLDOMNode::get_parentNode).get(), doc.get()));
  EXPECT_TRUE(Same(Get(inner.get(), &IXMLDOMNode::get_ownerDocument).get(), doc.get()));
}

TEST_F(DocumentBuilding, RemovedNodesLiveOnDetached) {
  auto doc = Parse("<R><A id='a'><X/></A><B id='b'/></R>");
  auto root = Root(doc.get());
  auto a = Get(root.get(), &IXMLDOMNode::get_firstChild);
  auto b = Get(a.get(), &IXMLDOMNode::get_nextSibling);
  ComPtr<IXMLDOMNode> removed, nothing;
  ASSERT_EQ(S_OK, root->removeChild(a.get(), removed.put()));
  EXPECT_TRUE(Same(a.get(), removed.get()));
  EXPECT_EQ("<R><B id=\"b\"/></R>\n", XmlOf(doc.get()));
  EXPECT_FALSE(Get(a.get(), &IXMLDOMNode::get_parentNode, S_FALSE));
  EXPECT_FALSE(Get(a.get(), &IXMLDOMNode::get_nextSibling, S_FALSE));
  EXPECT_EQ(S_OK, Set(qcom::QueryAs<IXMLDOMElement>(a.get()).get(), "more", int32_t{1}));
  EXPECT_EQ(0u, ItemsByPath(doc.get(), "X").size());

  // Removing what is not a child (again, nothing, an attribute) is refused; the removed node
  // goes back in.
  auto attr = Item(Get(b.get(), &IXMLDOMNode::get_attributes).get(), 0);
  for (IXMLDOMNode* notAChild : {a.get(), static_cast<IXMLDOMNode*>(nullptr), attr.get()})
    EXPECT_EQ(E_INVALIDARG, root->removeChild(notAChild, nothing.put()));
  ASSERT_EQ(S_OK, root->appendChild(a.get(), nullptr));
  EXPECT_EQ("<R><B id=\"b\"/><A id=\"a\" more=\"1\"><X/></A></R>\n", XmlOf(doc.get()));
}

}  // namespace
}  // namespace dom_test
