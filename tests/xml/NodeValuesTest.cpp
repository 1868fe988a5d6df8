#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

class NodeValues : public DomTest {};

struct Value {
  HRESULT hr;
  VARTYPE type;
  std::string text;
};

Value ValueOf(IXMLDOMNode* node) {
  qcom::Variant value;
  HRESULT hr = node->get_nodeValue(value.out());
  return Value{hr, value.type(), value.text()};
}

std::string BaseNameOf(IXMLDOMNode* node) {
  return Read(&IXMLDOMNode::get_baseName, node);
}

TEST_F(NodeValues, EachKindHasItsNameTypeAndValue) {
  auto doc = Parse(
      "<?xml version=\"1.0\"?><?app do this?><ns:Root xmlns:ns=\"urn:a\" ns:k=\"v\">"
      "text<!--c--><![CDATA[raw<]]><Plain/></ns:Root>");
  struct Expect {
    DOMNodeType type;
    std::string name, base;
    VARTYPE vt;
    std::string value;
  };
  ComPtr<IXMLDOMNodeList> top;
  ASSERT_EQ(S_OK, doc->get_childNodes(top.put()));
  auto topItems = Items(top.get());
  ASSERT_EQ(3u, topItems.size());
  auto root = Root(doc.get());
  ComPtr<IXMLDOMNodeList> children;
  ASSERT_EQ(S_OK, root->get_childNodes(children.put()));
  auto inner = Items(children.get());
  ASSERT_EQ(4u, inner.size());
  ComPtr<IXMLDOMNamedNodeMap> attributes;
  ASSERT_EQ(S_OK, root->get_attributes(attributes.put()));
  ComPtr<IXMLDOMNode> attr;
  ASSERT_EQ(S_OK, attributes->getNamedItem(Bstr("ns:k").get(), attr.put()));

  std::vector<std::pair<IXMLDOMNode*, Expect>> cases = {
      {doc.get(), {NODE_DOCUMENT, "#document", "", VT_NULL, ""}},
      {topItems[0].get(), {NODE_PROCESSING_INSTRUCTION, "xml", "xml", VT_BSTR, "version=\"1.0\""}},
      {topItems[1].get(), {NODE_PROCESSING_INSTRUCTION, "app", "app", VT_BSTR, "do this"}},
      {root.get(), {NODE_ELEMENT, "ns:Root", "Root", VT_NULL, ""}},
      {inner[0].get(), {NODE_TEXT, "#text", "", VT_BSTR, "text"}},
      {inner[1].get(), {NODE_COMMENT, "#comment", "", VT_BSTR, "c"}},
      {inner[2].get(), {NODE_CDATA_SECTION, "#cdata-section", "", VT_BSTR, "raw<"}},
      {inner[3].get(), {NODE_ELEMENT, "Plain", "Plain", VT_NULL, ""}},
      {attr.get(), {NODE_ATTRIBUTE, "ns:k", "k", VT_BSTR, "v"}},
  };
  for (const auto& [node, expect] : cases) {
    SCOPED_TRACE(expect.name);
    EXPECT_EQ(expect.type, TypeOf(node));
    EXPECT_EQ(expect.name, NameOf(node));
    EXPECT_EQ(expect.base, BaseNameOf(node));
    Value value = ValueOf(node);
    EXPECT_EQ(expect.vt, value.type);
    EXPECT_EQ(expect.value, value.text);
    EXPECT_EQ(expect.vt == VT_NULL ? S_FALSE : S_OK, value.hr);
  }
  EXPECT_TRUE(qcom::QueryAs<IXMLDOMText>(inner[2].get()));
  EXPECT_TRUE(qcom::QueryAs<IXMLDOMAttribute>(attr.get()));
  EXPECT_FALSE(qcom::QueryAs<IXMLDOMElement>(attr.get()));
}

TEST_F(NodeValues, TextJoinsDescendantsAndValuesCanBeChanged) {
  auto doc = Parse("<a> x <b>y</b><![CDATA[ z ]]><!--skip--> </a>");
  auto a = Root(doc.get());
  EXPECT_EQ("x y z", TextOf(a.get()));
  EXPECT_EQ("x y z", TextOf(doc.get()));

  ComPtr<IXMLDOMNode> text;
  ASSERT_EQ(S_OK, a->get_firstChild(text.put()));
  EXPECT_EQ(S_OK, text->put_nodeValue(qcom::Variant(int32_t{42}).raw()));
  EXPECT_EQ("<a>42<b>y</b><![CDATA[ z ]]><!--skip--></a>", XmlOf(a.get()));

  // Elements and documents have no value to set.
  EXPECT_EQ(E_FAIL, a->put_nodeValue(qcom::Variant("v").raw()));
  EXPECT_EQ(E_FAIL, doc->put_nodeValue(qcom::Variant("v").raw()));
  EXPECT_EQ(E_FAIL, doc->put_text(Bstr("v").get()));

  // Setting an element's text replaces its content; a child held by the
  // caller lives on detached.
  ComPtr<IXMLDOMNode> b;
  ASSERT_EQ(S_OK, text->get_nextSibling(b.put()));
  EXPECT_EQ(S_OK, a->put_text(Bstr("new <text>").get()));
  EXPECT_EQ("<a>new &lt;text&gt;</a>", XmlOf(a.get()));
  EXPECT_EQ("<b>y</b>", XmlOf(b.get()));
  ComPtr<IXMLDOMNode> none;
  EXPECT_EQ(S_FALSE, b->get_parentNode(none.put()));
  EXPECT_EQ(S_OK, a->put_text(Bstr("").get()));
  VARIANT_BOOL has = VARIANT_TRUE;
  EXPECT_EQ(S_FALSE, a->hasChildNodes(&has));
  EXPECT_EQ(VARIANT_FALSE, has);
}

TEST_F(NodeValues, NavigationEndsWithNullAndSFalse) {
  auto doc = Parse("<r><a/><b/><c/></r>");
  auto r = Root(doc.get());
  ComPtr<IXMLDOMNode> first, last, prev, next, middle, none;
  ASSERT_EQ(S_OK, r->get_firstChild(first.put()));
  ASSERT_EQ(S_OK, r->get_lastChild(last.put()));
  EXPECT_EQ("a", NameOf(first.get()));
  EXPECT_EQ("c", NameOf(last.get()));
  EXPECT_EQ(S_FALSE, first->get_previousSibling(prev.put()));
  EXPECT_FALSE(prev);
  EXPECT_EQ(S_FALSE, last->get_nextSibling(next.put()));
  EXPECT_FALSE(next);
  ASSERT_EQ(S_OK, first->get_nextSibling(middle.put()));
  ASSERT_EQ(S_OK, middle->get_previousSibling(prev.put()));
  EXPECT_EQ(first.get(), prev.get());  // one object per node
  EXPECT_EQ(S_FALSE, first->get_firstChild(none.put()));
  EXPECT_EQ(S_FALSE, doc->get_parentNode(none.put()));
  ComPtr<IXMLDOMDocument> owner;
  EXPECT_EQ(S_FALSE, doc->get_ownerDocument(owner.put()));
  EXPECT_FALSE(owner);
  ComPtr<IXMLDOMNamedNodeMap> map;
  ComPtr<IXMLDOMNode> text;
  EXPECT_EQ(S_FALSE, doc->get_attributes(map.put()));
  EXPECT_FALSE(map);
  VARIANT_BOOL has = VARIANT_FALSE;
  EXPECT_EQ(S_OK, r->hasChildNodes(&has));
  EXPECT_EQ(VARIANT_TRUE, has);
}

class AttributeLookup : public DomTest {};

TEST_F(AttributeLookup, AttributesAreFoundByExactName) {
  auto doc = Parse("<E Name=\"n\" Value=\"&lt;1&gt;\" empty=\"\"/>");
  auto e = Root(doc.get());
  qcom::Variant value;
  EXPECT_EQ(S_OK, e->getAttribute(Bstr("Value").get(), value.out()));
  EXPECT_EQ(VT_BSTR, value.type());
  EXPECT_EQ("<1>", value.text());
  EXPECT_EQ(S_FALSE, e->getAttribute(Bstr("value").get(), value.out()));
  EXPECT_EQ(VT_NULL, value.type());
  EXPECT_EQ(S_OK, e->getAttribute(Bstr("empty").get(), value.out()));
  EXPECT_EQ(VT_BSTR, value.type());
  EXPECT_EQ("", value.text());

  ComPtr<IXMLDOMNamedNodeMap> map;
  ASSERT_EQ(S_OK, e->get_attributes(map.put()));
  LONG length = 0;
  ASSERT_EQ(S_OK, map->get_length(&length));
  EXPECT_EQ(3, length);
  std::vector<std::string> names;
  for (LONG i = 0; i < length; ++i) {
    ComPtr<IXMLDOMNode> item;
    ASSERT_EQ(S_OK, map->get_item(i, item.put()));
    names.push_back(NameOf(item.get()));
  }
  EXPECT_EQ((std::vector<std::string>{"Name", "Value", "empty"}), names);
  ComPtr<IXMLDOMNode> none;
  EXPECT_EQ(S_FALSE, map->get_item(3, none.put()));
  EXPECT_EQ(S_FALSE, map->get_item(-1, none.put()));
  EXPECT_EQ(S_FALSE, map->getNamedItem(Bstr("NAME").get(), none.put()));
  EXPECT_FALSE(none);

  ComPtr<IXMLDOMNode> name;
  ASSERT_EQ(S_OK, map->getNamedItem(Bstr("Name").get(), name.put()));
  EXPECT_EQ("Name=\"n\"", XmlOf(name.get()));
  EXPECT_EQ("n", TextOf(name.get()));
  EXPECT_EQ(S_FALSE, name->get_parentNode(none.put()));
  EXPECT_EQ(S_OK, name->put_nodeValue(qcom::Variant("changed").raw()));
  EXPECT_EQ("changed", AttrOf(e.get(), "Name"));
}

TEST_F(AttributeLookup, RemovedAttributeStaysReadable) {
  auto doc = Parse("<E a=\"1\" b=\"2\"/>");
  auto e = Root(doc.get());
  ComPtr<IXMLDOMNamedNodeMap> map;
  ASSERT_EQ(S_OK, e->get_attributes(map.put()));
  ComPtr<IXMLDOMNode> a;
  ASSERT_EQ(S_OK, map->getNamedItem(Bstr("a").get(), a.put()));
  EXPECT_EQ(S_OK, e->removeAttribute(Bstr("a").get()));
  EXPECT_EQ(S_FALSE, e->removeAttribute(Bstr("a").get()));
  EXPECT_EQ("<E b=\"2\"/>", XmlOf(e.get()));
  EXPECT_EQ("a", NameOf(a.get()));
  EXPECT_EQ("1", TextOf(a.get()));
  LONG length = 0;
  ASSERT_EQ(S_OK, map->get_length(&length));
  EXPECT_EQ(1, length);
  // Setting replaces in place.
  EXPECT_EQ(S_OK, e->setAttribute(Bstr("b").get(), qcom::Variant("3").raw()));
  EXPECT_EQ("<E b=\"3\"/>", XmlOf(e.get()));
}

}  // namespace
}  // namespace dom_test
