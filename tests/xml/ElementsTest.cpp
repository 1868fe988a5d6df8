#include "xml/Elements.h"

#include <gtest/gtest.h>

#include <string>

#include "com/Bstr.h"
#include "com/Variant.h"
#include "xml/Dom.h"

namespace {

using qcom::Bstr;
using qcom::ComPtr;

std::string XmlOf(IXMLDOMNode* node) {
  Bstr xml;
  EXPECT_EQ(node->get_xml(xml.out()), S_OK);
  return xml.utf8();
}

// Every test ends with no DOM object left alive: the helpers hold no extra references.
class Elements : public ::testing::Test {
 protected:
  void TearDown() override {
    doc = nullptr;
    EXPECT_EQ(qxml::LiveObjectCount(), 0) << "DOM objects leaked";
  }
  ComPtr<IXMLDOMDocument> doc = qxml::CreateDocument();
};

TEST_F(Elements, AppendsElementsWithTextAndAttributes) {
  ComPtr<IXMLDOMElement> root = qxml::AppendElement(doc.get(), doc.get(), "Object", "NoTextField");
  ASSERT_TRUE(root);
  ComPtr<IXMLDOMElement> value = qxml::AppendElement(doc.get(), root.get(), "Value", "12,5 < 13");
  ComPtr<IXMLDOMElement> item =
      qxml::AppendElementWithAttribute(doc.get(), root.get(), "Item", "Key", "EB1\\AI\\2");
  ASSERT_TRUE(value && item);
  qxml::AppendElement(doc.get(), item.get(), "Empty", qxml::kNoTextField);
  // Only the exact marker means "no text".
  qxml::AppendElement(doc.get(), item.get(), "W", "notextfield");
  EXPECT_EQ(XmlOf(doc.get()),
            "<Object><Value>12,5 &lt; 13</Value><Item Key=\"EB1\\AI\\2\"><Empty/>"
            "<W>notextfield</W></Item></Object>\n");
  // The elements returned are the ones in the tree (the last two were appended to one).
  ComPtr<IXMLDOMNode> parent;
  ASSERT_EQ(value->get_parentNode(parent.put()), S_OK);
  EXPECT_EQ(XmlOf(parent.get()), XmlOf(root.get()));
}

TEST_F(Elements, MissingPiecesAreSkipped) {
  EXPECT_FALSE(qxml::AppendElement(nullptr, doc.get(), "A", "x"));
  EXPECT_FALSE(qxml::AppendElementWithAttribute(nullptr, doc.get(), "A", "k", "v"));
  EXPECT_FALSE(qxml::AppendElement(doc.get(), doc.get(), "1 bad name", "x"));
  EXPECT_FALSE(qxml::AppendElement(doc.get(), doc.get(), "", "x"));
  // Without a parent the element is made but stays outside the tree.
  ComPtr<IXMLDOMElement> loose = qxml::AppendElement(doc.get(), nullptr, "Loose", "x");
  ASSERT_TRUE(loose);
  ComPtr<IXMLDOMNode> parent;
  EXPECT_EQ(loose->get_parentNode(parent.put()), S_FALSE);
  // An attribute name that is no XML name leaves the element without it.
  ASSERT_TRUE(qxml::AppendElementWithAttribute(doc.get(), loose.get(), "P", "bad name", "v"));
  EXPECT_EQ(XmlOf(loose.get()), "<Loose>x<P/></Loose>");
  EXPECT_EQ(XmlOf(doc.get()), "");
}

}  // namespace
