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
class XmlOutput : public ::testing::Test {
 protected:
  void TearDown() override {
    doc = nullptr;
    EXPECT_EQ(qxml::LiveObjectCount(), 0) << "DOM objects leaked";
  }
  ComPtr<IXMLDOMDocument> doc = qxml::CreateDocument();
};

TEST_F(XmlOutput, AppendsElementsWithTextAndAttributes) {
  ComPtr<IXMLDOMElement> root =
      qxml::AppendElement(doc.get(), doc.get(), "Object", "NoTextField");
  ASSERT_TRUE(root);
  ComPtr<IXMLDOMElement> value = qxml::AppendElement(doc.get(), root.get(), "Value", "12,5 < 13");
  ASSERT_TRUE(value);
  ComPtr<IXMLDOMElement> item =
      qxml::AppendElementWithAttribute(doc.get(), root.get(), "Item", "Key", "EB1\\AI\\2");
  ASSERT_TRUE(item);
  qxml::AppendElement(doc.get(), item.get(), "Empty", qxml::kNoTextField);
  EXPECT_EQ(XmlOf(root.get()),
            "<Object><Value>12,5 &lt; 13</Value><Item Key=\"EB1\\AI\\2\"><Empty/></Item></Object>");

  // The elements returned are the ones in the tree.
  ComPtr<IXMLDOMNode> parent;
  ASSERT_EQ(value->get_parentNode(parent.put()), S_OK);
  EXPECT_EQ(XmlOf(parent.get()), XmlOf(root.get()));
  qcom::Variant key;
  EXPECT_EQ(item->getAttribute(Bstr("Key").get(), key.out()), S_OK);
  EXPECT_EQ(key.text(), "EB1\\AI\\2");

  // The marker leaves an element without children; only the exact marker means "no text".
  ComPtr<IXMLDOMElement> bare = qxml::AppendElement(doc.get(), root.get(), "Bare", "NoTextField");
  ASSERT_TRUE(bare);
  VARIANT_BOOL has = VARIANT_TRUE;
  bare->hasChildNodes(&has);
  EXPECT_EQ(has, VARIANT_FALSE);
  EXPECT_EQ(XmlOf(bare.get()), "<Bare/>");
  ComPtr<IXMLDOMElement> worded = qxml::AppendElement(doc.get(), bare.get(), "W", "notextfield");
  ASSERT_TRUE(worded);
  EXPECT_EQ(XmlOf(worded.get()), "<W>notextfield</W>");
}

TEST_F(XmlOutput, MissingPiecesAreSkipped) {
  EXPECT_FALSE(qxml::AppendElement(nullptr, doc.get(), "A", "x"));
  EXPECT_FALSE(qxml::AppendElementWithAttribute(nullptr, doc.get(), "A", "k", "v"));
  EXPECT_FALSE(qxml::AppendElement(doc.get(), doc.get(), "1 bad name", "x"));
  EXPECT_FALSE(qxml::AppendElement(doc.get(), doc.get(), "", "x"));
  // Without a parent the element is made but stays outside the tree.
  ComPtr<IXMLDOMElement> loose = qxml::AppendElement(doc.get(), nullptr, "Loose", "x");
  ASSERT_TRUE(loose);
  ComPtr<IXMLDOMNode> parent;
  EXPECT_EQ(loose->get_parentNode(parent.put()), S_FALSE);
  EXPECT_EQ(XmlOf(loose.get()), "<Loose>x</Loose>");
  // An attribute name that is no XML name leaves the element without it.
  ComPtr<IXMLDOMElement> plain =
      qxml::AppendElementWithAttribute(doc.get(), loose.get(), "P", "bad name", "v");
  ASSERT_TRUE(plain);
  EXPECT_EQ(XmlOf(plain.get()), "<P/>");
}

}  // namespace
