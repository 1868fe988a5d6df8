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

TEST_F(DocumentBuilding, AttributeValuesAreWrittenAsTextAndBadNamesOrValuesRefused) {
  auto doc = qxml::CreateDocument();
  auto e = NewElement(doc.get(), "ns:Ok_1.2-x");
  ASSERT_TRUE(e);
  const std::pair<qcom::Variant, std::string> values[] = {
      {"a & b", "a & b"},
      {int32_t{12}, "12"},
      {int16_t{-3}, "-3"},
      {true, "-1"},
      {false, "0"},
      {1.5, "1.5"},
      {1.0 / 3, "0.333333333333333"},
      {1e20, "1E+20"},
  };
  for (const auto& [value, text] : values) {
    EXPECT_EQ(S_OK, Set(e.get(), "v", value)) << text;
    EXPECT_EQ(text, AttrOf(e.get(), "v"));
  }
  ComPtr<IXMLDOMElement> refused;
  for (std::string_view bad : {"", "has space", "1digit", "a<b", "-dash"})
    EXPECT_EQ(E_INVALIDARG, doc->createElement(Bstr(bad).get(), refused.put())) << bad;
  EXPECT_FALSE(refused);
  EXPECT_EQ(E_INVALIDARG, Set(e.get(), "bad name", "v"));
  EXPECT_EQ(DISP_E_TYPEMISMATCH, Set(e.get(), "obj", static_cast<IUnknown*>(doc.get())));
  qcom::Variant null;
  null.out()->vt = VT_NULL;
  EXPECT_EQ(DISP_E_TYPEMISMATCH, Set(e.get(), "null", null));
  EXPECT_EQ("<ns:Ok_1.2-x v=\"1E+20\"/>", XmlOf(e.get()));

  std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale installed";
  EXPECT_EQ(S_OK, Set(e.get(), "half", 1.5));
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ("1,5", AttrOf(e.get(), "half"));
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

TEST_F(DocumentBuilding, AppendingMovesOrCopiesAndRefusesWhatCannotBe) {
  auto doc = Parse("<R><A><B/></A><C/></R>");
  auto root = Root(doc.get());
  auto as = ItemsByPath(doc.get(), "A"), bs = ItemsByPath(doc.get(), "B");
  auto cs = ItemsByPath(doc.get(), "C");
  ASSERT_EQ(1u, as.size());

  // Within a document, appending moves.
  ASSERT_EQ(S_OK, cs[0]->appendChild(bs[0].get(), nullptr));
  EXPECT_EQ("<R><A/><C><B/></C></R>", XmlOf(root.get()));

  // A node under itself, a second top-level element, text or an attribute at
  // the wrong place, nothing at all: refused, and the tree is untouched.
  auto withAttr = Parse("<Z a='1'/>");
  auto attr = Item(Get(Root(withAttr.get()).get(), &IXMLDOMNode::get_attributes).get(), 0);
  auto refused = [](IXMLDOMNode* parent, IXMLDOMNode* child, HRESULT hr = E_FAIL) {
    ComPtr<IXMLDOMNode> out;
    EXPECT_EQ(hr, parent->appendChild(child, out.put()));
    EXPECT_FALSE(out);
  };
  refused(bs[0].get(), cs[0].get());
  refused(cs[0].get(), cs[0].get());
  refused(doc.get(), NewElement(doc.get(), "Second").get());
  refused(doc.get(), NewText(doc.get(), "loose").get());
  refused(root.get(), nullptr, E_INVALIDARG);
  refused(NewText(doc.get(), "x").get(), NewElement(doc.get(), "Y").get());
  refused(root.get(), attr.get());
  refused(attr.get(), NewText(withAttr.get(), "t").get());
  refused(root.get(), doc.get());
  EXPECT_EQ("<R><A/><C><B/></C></R>", XmlOf(root.get()));

  // From another document, appending copies; the source keeps its node.
  auto other = Parse("<O><P id='p'>text</P></O>");
  auto ps = ItemsByPath(other.get(), "P");
  ComPtr<IXMLDOMNode> out;
  ASSERT_EQ(S_OK, as[0]->appendChild(ps[0].get(), out.put()));
  EXPECT_FALSE(Same(out.get(), ps[0].get()));
  EXPECT_EQ("<R><A><P id=\"p\">text</P></A><C><B/></C></R>", XmlOf(root.get()));
  EXPECT_EQ("<O><P id=\"p\">text</P></O>", XmlOf(Root(other.get()).get()));
  EXPECT_TRUE(Same(Get(out.get(), &IXMLDOMNode::get_ownerDocument).get(), doc.get()));
}

}  // namespace
}  // namespace dom_test
