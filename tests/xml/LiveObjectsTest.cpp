#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

class LiveObjects : public DomTest {};

TEST_F(LiveObjects, NodesKeepTheirDocumentAliveUntilReleased) {
  ComPtr<IXMLDOMNode> child;
  {
    auto doc = Parse("<R><A>text</A></R>");
    ASSERT_EQ(S_OK, Root(doc.get())->get_firstChild(child.put()));
  }
  // The document is only reachable through the node now.
  ComPtr<IXMLDOMDocument> owner;
  ASSERT_EQ(S_OK, child->get_ownerDocument(owner.put()));
  EXPECT_EQ("<R><A>text</A></R>\n", XmlOf(owner.get()));
  owner = nullptr;
  EXPECT_EQ("text", TextOf(child.get()));
  EXPECT_GT(qxml::LiveObjectCount(), 0);
  child = nullptr;
  EXPECT_EQ(0, qxml::LiveObjectCount());
}

TEST_F(LiveObjects, EverythingIsFreedAfterHeavyUse) {
  {
    auto doc = Parse("<R><A id='1'><B/></A><A id='2'/></R>");
    auto root = Root(doc.get());
    auto list = ByPath(doc.get(), "A");
    ComPtr<IXMLDOMNodeList> children;
    ASSERT_EQ(S_OK, root->get_childNodes(children.put()));
    auto held = Items(children.get());
    ComPtr<IXMLDOMNamedNodeMap> map;
    ASSERT_EQ(S_OK, qcom::QueryAs<IXMLDOMNode>(held[0].get())->get_attributes(map.put()));
    ComPtr<IXMLDOMNode> attr;
    ASSERT_EQ(S_OK, map->get_item(0, attr.put()));
    ComPtr<IXMLDOMParseError> error;
    ASSERT_EQ(S_OK, doc->get_parseError(error.put()));

    // Detach, create, and reload while holding nodes of the old content.
    ComPtr<IXMLDOMNode> removed;
    ASSERT_EQ(S_OK, root->removeChild(held[1].get(), removed.put()));
    ComPtr<IXMLDOMElement> created;
    ASSERT_EQ(S_OK, doc->createElement(Bstr("New").get(), created.put()));
    ComPtr<IXMLDOMElement> dropped;
    ASSERT_EQ(S_OK, doc->createElement(Bstr("Dropped").get(), dropped.put()));
    dropped = nullptr;
    VARIANT_BOOL ok = VARIANT_FALSE;
    ASSERT_EQ(S_OK, doc->loadXML(Bstr("<Other><A id='3'/></Other>").get(), &ok));

    // Old nodes still answer, as nodes outside the new content.
    EXPECT_EQ("<R><A id=\"1\"><B/></A></R>", XmlOf(root.get()));
    ComPtr<IXMLDOMNode> none;
    EXPECT_EQ(S_FALSE, root->get_parentNode(none.put()));
    EXPECT_EQ("1", TextOf(attr.get()));
    EXPECT_EQ(std::vector<std::string>{"3"}, IdsByPath(doc.get(), "A"));
    LONG length = 0;
    ASSERT_EQ(S_OK, list->get_length(&length));
    EXPECT_EQ(1, length);

    // An old node can be brought into the new content.
    ASSERT_EQ(S_OK, Root(doc.get())->appendChild(held[0].get(), nullptr));
    EXPECT_EQ("<Other><A id=\"3\"/><A id=\"1\"><B/></A></Other>", XmlOf(Root(doc.get()).get()));
    EXPECT_EQ("1", TextOf(attr.get()));
    EXPECT_GT(qxml::LiveObjectCount(), 5);
  }
  EXPECT_EQ(0, qxml::LiveObjectCount());
}

}  // namespace
}  // namespace dom_test
