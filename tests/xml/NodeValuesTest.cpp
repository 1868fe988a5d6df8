#include <tuple>

#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

class NodeValues : public DomTest {};

TEST_F(NodeValues, TextJoinsDescendantsAndValuesCanBeChanged) {
  auto doc = Parse("<a> x <b>y</b><![CDATA[ z ]]><!--skip--> </a>");
  auto a = Root(doc.get());
  EXPECT_EQ("x y z", TextOf(a.get()));
  EXPECT_EQ("x y z", TextOf(doc.get()));

  auto text = Get(a.get(), &IXMLDOMNode::get_firstChild);
  auto b = Get(text.get(), &IXMLDOMNode::get_nextSibling);
  auto cdata = Get(b.get(), &IXMLDOMNode::get_nextSibling);
  EXPECT_EQ(S_OK, text->put_nodeValue(qcom::Variant(int32_t{42}).raw()));
  // "]]>" cannot stay inside one section: it is split between "]]" and ">".
  EXPECT_EQ(S_OK, cdata->put_nodeValue(qcom::Variant("a]]>b").raw()));
  EXPECT_EQ("<a>42<b>y</b><![CDATA[a]]]]><![CDATA[>b]]><!--skip--></a>", XmlOf(a.get()));
  EXPECT_EQ("a]]>b", ValueText(cdata.get()));

  // Elements and documents have no value to set.
  EXPECT_EQ(E_FAIL, a->put_nodeValue(qcom::Variant("v").raw()));
  EXPECT_EQ(E_FAIL, doc->put_nodeValue(qcom::Variant("v").raw()));
  EXPECT_EQ(E_FAIL, doc->put_text(Bstr("v").get()));

  // Setting an element's text replaces its content; a child held by the
  // caller lives on detached. Navigation ends with null and S_FALSE.
  EXPECT_EQ(S_OK, a->put_text(Bstr("new <text>").get()));
  EXPECT_EQ("<a>new &lt;text&gt;</a>", XmlOf(a.get()));
  EXPECT_EQ("<b>y</b>", XmlOf(b.get()));
  EXPECT_FALSE(Get(b.get(), &IXMLDOMNode::get_parentNode, S_FALSE));
  EXPECT_EQ(S_OK, a->put_text(Bstr("").get()));
  VARIANT_BOOL has = VARIANT_TRUE;
  EXPECT_EQ(S_FALSE, a->hasChildNodes(&has));
  EXPECT_EQ(VARIANT_FALSE, has);
  EXPECT_FALSE(Get(a.get(), &IXMLDOMNode::get_firstChild, S_FALSE));
  EXPECT_FALSE(Get(doc.get(), &IXMLDOMNode::get_parentNode, S_FALSE));
  EXPECT_FALSE(Get(doc.get(), &IXMLDOMNode::get_ownerDocument, S_FALSE));
  EXPECT_FALSE(Get(doc.get(), &IXMLDOMNode::get_attributes, S_FALSE));
}

}  // namespace
}  // namespace dom_test
