#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

class LiveObjects : public DomTest {};

TEST_F(LiveObjects, NodesKeepTheirDocumentAliveAndEverythingIsFreedAfterHeavyUse) {
  ComPtr<IXMLDOMNode> child;
  {
    auto doc = Parse("<R><A>text</A></R>");
    child = Get(Root(doc.get()).get(), &IXMLDOMNode::get_firstChild);
  }
  // The document is only reachable through the node now.
  EXPECT_EQ("<R><A>text</A></R>\n", XmlOf(Get(child.get(), &IXMLDOMNode::get_ownerDocument).get()));
  child = nullptr;
  EXPECT_EQ(0, qxml::LiveObjectCount());
  {
    auto doc = Parse("<R><A id='1'><B/></A><A id='2'/></R>");
    auto root = Root(doc.get());
    auto list = ByPath(doc.get(), "A");
    auto held = Children(root.get());
    ASSERT_EQ(2u, held.size());
    auto attr = Item(Get(held[0].get(), &IXMLDOMNode::get_attributes).get(), 0);
    auto error = Get(doc.get(), &IXMLDOMDocument::get_parseError);

    // Detach, create, and reload while holding nodes of the old content.
    ASSERT_EQ(S_OK, root->removeChild(held[1].get(), nullptr));
    auto created = NewElement(doc.get(), "New");
    NewElement(doc.get(), "Dropped");
    ASSERT_TRUE(LoadText(doc.get(), "<Other><A id='3'/></Other>"));

    // Old nodes still answer, as nodes outside the new content.
    EXPECT_EQ("<R><A id=\"1\"><B/></A></R>", XmlOf(root.get()));
    EXPECT_FALSE(Get(root.get(), &IXMLDOMNode::get_parentNode, S_FALSE));
    EXPECT_EQ(std::vector<std::string>{"3"}, IdsByPath(doc.get(), "A"));
    EXPECT_EQ(1, Length(list.get()));

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
