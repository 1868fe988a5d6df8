#include <tuple>

#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

class NodeValues : public DomTest {};

TEST_F(NodeValues, EachKindHasItsNameTypeAndValue) {
  auto doc = Parse(
      "<?xml version=\"1.0\"?><ns:Root xmlns:ns=\"urn:a\" ns:k=\"v\">"
      "text<!--c--><![CDATA[raw<]]><Plain/></ns:Root>");
  auto root = Root(doc.get());
  auto top = Children(doc.get()), inner = Children(root.get());
  ASSERT_EQ(std::pair(top.size(), inner.size()), std::pair(size_t{2}, size_t{4}));
  auto attr = Item(Get(root.get(), &IXMLDOMNode::get_attributes).get(), 1);
  // Type, name, base name, value type and value text of each kind.
  using Expect = std::tuple<DOMNodeType, std::string, std::string, VARTYPE, std::string>;
  const std::pair<IXMLDOMNode*, Expect> cases[] = {
      {doc.get(), {NODE_DOCUMENT, "#document", "", VT_NULL, ""}},
      {top[0].get(), {NODE_PROCESSING_INSTRUCTION, "xml", "xml", VT_BSTR, "version=\"1.0\""}},
      {root.get(), {NODE_ELEMENT, "ns:Root", "Root", VT_NULL, ""}},
      {inner[0].get(), {NODE_TEXT, "#text", "", VT_BSTR, "text"}},
      {inner[1].get(), {NODE_COMMENT, "#comment", "", VT_BSTR, "c"}},
      {inner[2].get(), {NODE_CDATA_SECTION, "#cdata-section", "", VT_BSTR, "raw<"}},
      {inner[3].get(), {NODE_ELEMENT, "Plain", "Plain", VT_NULL, ""}},
      {attr.get(), {NODE_ATTRIBUTE, "ns:k", "k", VT_BSTR, "v"}},
  };
  for (const auto& [node, expect] : cases) {
    qcom::Variant value;
    HRESULT hr = node->get_nodeValue(value.out());
    EXPECT_EQ(expect, Expect(TypeOf(node), NameOf(node), Read(&IXMLDOMNode::get_baseName, node),
                             value.type(), value.text()));
    EXPECT_EQ(value.type() == VT_NULL ? S_FALSE : S_OK, hr) << NameOf(node);
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

class AttributeLookup : public DomTest {};

TEST_F(AttributeLookup, AttributesAreFoundByExactNameAndLiveApart) {
  auto doc = Parse("<R><E Name=\"n\" Value=\"&lt;1&gt;\" empty=\"\"/><F/></R>");
  auto e =
      qcom::QueryAs<IXMLDOMElement>(Get(Root(doc.get()).get(), &IXMLDOMNode::get_firstChild).get());
  for (auto [name, hr, type, text] :
       {std::tuple{"Value", S_OK, VT_BSTR, "<1>"}, std::tuple{"value", S_FALSE, VT_NULL, ""},
        std::tuple{"empty", S_OK, VT_BSTR, ""}}) {
    qcom::Variant value;
    EXPECT_EQ(hr, e->getAttribute(Bstr(name).get(), value.out())) << name;
    EXPECT_EQ(type, value.type()) << name;
    EXPECT_EQ(text, value.text()) << name;
  }

  auto map = Get(e.get(), &IXMLDOMNode::get_attributes);
  std::vector<std::string> names;
  for (const auto& item : Items(map.get())) names.push_back(NameOf(item.get()));
  EXPECT_EQ((std::vector<std::string>{"Name", "Value", "empty"}), names);
  EXPECT_FALSE(Item(map.get(), 3, S_FALSE));
  EXPECT_FALSE(Item(map.get(), -1, S_FALSE));
  EXPECT_FALSE(NamedItem(map.get(), "NAME", S_FALSE));

  // An attribute has neither parent nor siblings; changing it changes the element.
  auto name = NamedItem(map.get(), "Name");
  EXPECT_EQ("Name=\"n\"", XmlOf(name.get()));
  EXPECT_FALSE(Get(name.get(), &IXMLDOMNode::get_parentNode, S_FALSE));
  EXPECT_FALSE(Get(name.get(), &IXMLDOMNode::get_nextSibling, S_FALSE));
  EXPECT_EQ(S_OK, name->put_nodeValue(qcom::Variant("changed").raw()));
  EXPECT_EQ("changed", AttrOf(e.get(), "Name"));

  // Removed, it stays readable; the map follows the element; setting replaces in place.
  EXPECT_EQ(S_OK, e->removeAttribute(Bstr("Name").get()));
  EXPECT_EQ(S_FALSE, e->removeAttribute(Bstr("Name").get()));
  EXPECT_EQ("Name", NameOf(name.get()));
  EXPECT_EQ("changed", TextOf(name.get()));
  EXPECT_EQ(2, Length(map.get()));
  EXPECT_EQ(S_OK, e->setAttribute(Bstr("empty").get(), qcom::Variant("3").raw()));
  EXPECT_EQ("<E Value=\"&lt;1&gt;\" empty=\"3\"/>", XmlOf(e.get()));
}

}  // namespace
}  // namespace dom_test
