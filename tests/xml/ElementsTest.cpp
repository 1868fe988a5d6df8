#include "xml/Elements.h"

#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

// The helpers hold no extra references: the fixture finds nothing alive afterwards.
class Elements : public DomTest {};

TEST_F(Elements, AppendsElementsWithTextAndAttributes) {
  auto doc = qxml::CreateDocument();
  ComPtr<IXMLDOMElement> root = qxml::AppendElement(doc.get(), doc.get(), "Object", "NoTextField");
  ASSERT_TRUE(root);
  ComPtr<IXMLDOMElement> value = qxml::AppendElement(doc.get(), root.get(), "Value", "12,5 < 13");
  ComPtr<IXMLDOMElement> item =
      qxml::AppendElementWithAttribute(doc.get(), root.get(), "Item", "Key", "EB1\\AI\\2");
  ASSERT_TRUE(value && item);
  // The elements returned are the ones in the tree; only the exact marker means "no text".
  qxml::AppendElement(doc.get(), item.get(), "Empty", qxml::kNoTextField);
  qxml::AppendElement(doc.get(), item.get(), "W", "notextfield");
  EXPECT_EQ(XmlOf(doc.get()),
            "<Object><Value>12,5 &lt; 13</Value><Item Key=\"EB1\\AI\\2\"><Empty/>"
            "<W>notextfield</W></Item></Object>\n");
  EXPECT_TRUE(Same(Get(value.get(), &IXMLDOMNode::get_parentNode).get(), root.get()));
}

TEST_F(Elements, MissingPiecesAreSkipped) {
  auto doc = qxml::CreateDocument();
  EXPECT_FALSE(qxml::AppendElement(nullptr, doc.get(), "A", "x"));
  EXPECT_FALSE(qxml::AppendElementWithAttribute(nullptr, doc.get(), "A", "k", "v"));
  EXPECT_FALSE(qxml::AppendElement(doc.get(), doc.get(), "1 bad name", "x"));
  EXPECT_FALSE(qxml::AppendElement(doc.get(), doc.get(), "", "x"));
  // Without a parent the element is made but stays outside the tree; an attribute
  // name that is no XML name leaves the element without it.
  ComPtr<IXMLDOMElement> loose = qxml::AppendElement(doc.get(), nullptr, "Loose", "x");
  ASSERT_TRUE(loose);
  EXPECT_FALSE(Get(loose.get(), &IXMLDOMNode::get_parentNode, S_FALSE));
  ASSERT_TRUE(qxml::AppendElementWithAttribute(doc.get(), loose.get(), "P", "bad name", "v"));
  EXPECT_EQ(XmlOf(loose.get()), "<Loose>x<P/></Loose>");
  EXPECT_EQ(XmlOf(doc.get()), "");
}

}  // namespace
}  // namespace dom_test
