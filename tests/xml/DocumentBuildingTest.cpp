#include <clocale>

#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

class DocumentBuilding : public DomTest {};

ComPtr<IXMLDOMElement> NewElement(IXMLDOMDocument* doc, std::string_view name) {
  ComPtr<IXMLDOMElement> element;
  EXPECT_EQ(S_OK, doc->createElement(Bstr(name).get(), element.put()));
  return element;
}

ComPtr<IXMLDOMText> NewText(IXMLDOMDocument* doc, std::string_view text) {
  ComPtr<IXMLDOMText> node;
  EXPECT_EQ(S_OK, doc->createTextNode(Bstr(text).get(), node.put()));
  return node;
}

HRESULT Set(IXMLDOMElement* element, std::string_view name, const qcom::Variant& value) {
  return element->setAttribute(Bstr(name).get(), value.raw());
}

bool SameObject(IUnknown* a, IUnknown* b) {
  return qcom::QueryAs<IUnknown>(a).get() == qcom::QueryAs<IUnknown>(b).get();
}

TEST_F(DocumentBuilding, CreatedNodesWorkBeforeAndAfterBeingAttached) {
  auto doc = qxml::CreateDocument();
  auto root = NewElement(doc.get(), "Root");
  auto module = NewElement(doc.get(), "Module");
  // Detached nodes take attributes and children.
  EXPECT_EQ(S_OK, Set(module.get(), "Name", "AI1"));
  EXPECT_EQ(S_OK, Set(module.get(), "Count", int32_t{12}));
  EXPECT_EQ(S_OK, Set(module.get(), "Small", int16_t{-3}));
  EXPECT_EQ(S_OK, Set(module.get(), "On", true));
  EXPECT_EQ(S_OK, Set(module.get(), "Off", false));
  EXPECT_EQ(S_OK, module->appendChild(NewText(doc.get(), "before").get(), nullptr));
  ComPtr<IXMLDOMNode> parent;
  EXPECT_EQ(S_FALSE, module->get_parentNode(parent.put()));
  EXPECT_FALSE(parent);

  EXPECT_EQ(S_OK, root->appendChild(module.get(), nullptr));
  ComPtr<IXMLDOMNode> out;
  EXPECT_EQ(S_OK, doc->appendChild(root.get(), out.put()));
  EXPECT_TRUE(SameObject(out.get(), root.get()));

  // The same objects keep working once attached.
  EXPECT_EQ(S_OK, Set(module.get(), "After", "yes"));
  EXPECT_EQ(S_OK, module->appendChild(NewText(doc.get(), " & after").get(), nullptr));
  ComPtr<IXMLDOMNode> comment;
  ComPtr<IXMLDOMComment> note;
  ASSERT_EQ(S_OK, doc->createComment(Bstr("note").get(), note.put()));
  EXPECT_EQ(S_OK, root->appendChild(note.get(), nullptr));

  EXPECT_EQ(
      "<Root><Module Name=\"AI1\" Count=\"12\" Small=\"-3\" On=\"-1\" Off=\"0\" After=\"yes\">"
      "before &amp; after</Module><!--note--></Root>\n",
      XmlOf(doc.get()));
  ASSERT_EQ(S_OK, module->get_parentNode(parent.put()));
  EXPECT_TRUE(SameObject(parent.get(), root.get()));
  ComPtr<IXMLDOMNode> first;
  ASSERT_EQ(S_OK, root->get_firstChild(first.put()));
  EXPECT_TRUE(SameObject(first.get(), module.get()));
  ComPtr<IXMLDOMDocument> owner;
  ASSERT_EQ(S_OK, module->get_ownerDocument(owner.put()));
  EXPECT_TRUE(SameObject(owner.get(), doc.get()));
  ComPtr<IXMLDOMNode> docParent;
  ASSERT_EQ(S_OK, root->get_parentNode(docParent.put()));
  EXPECT_TRUE(SameObject(docParent.get(), doc.get()));

  // The built document reads back as it was written.
  auto copy = Parse(XmlOf(doc.get()));
  EXPECT_EQ(XmlOf(doc.get()), XmlOf(copy.get()));
}

TEST_F(DocumentBuilding, DescendantsOfAMovedNodeStayUsable) {
  auto doc = qxml::CreateDocument();
  auto root = NewElement(doc.get(), "Root");
  auto inner = NewElement(doc.get(), "Inner");
  auto text = NewText(doc.get(), "t");
  ASSERT_EQ(S_OK, inner->appendChild(text.get(), nullptr));
  ASSERT_EQ(S_OK, root->appendChild(inner.get(), nullptr));
  ASSERT_EQ(S_OK, Set(inner.get(), "k", "v"));
  ComPtr<IXMLDOMNamedNodeMap> attributes;
  ASSERT_EQ(S_OK, inner->get_attributes(attributes.put()));
  ComPtr<IXMLDOMNode> attr;
  ASSERT_EQ(S_OK, attributes->get_item(0, attr.put()));

  // Attaching the whole subtree to the document moves it between trees.
  ASSERT_EQ(S_OK, doc->appendChild(root.get(), nullptr));
  EXPECT_EQ(S_OK, text->put_text(Bstr("changed").get()));
  EXPECT_EQ(S_OK, attr->put_nodeValue(qcom::Variant("w").raw()));
  EXPECT_EQ("<Root><Inner k=\"w\">changed</Inner></Root>\n", XmlOf(doc.get()));
  ComPtr<IXMLDOMNode> textParent;
  ASSERT_EQ(S_OK, text->get_parentNode(textParent.put()));
  EXPECT_TRUE(SameObject(textParent.get(), inner.get()));
}

TEST_F(DocumentBuilding, RemovedNodesLiveOnDetached) {
  auto doc = Parse("<R><A id='a'><X/></A><B id='b'/></R>");
  auto root = Root(doc.get());
  ComPtr<IXMLDOMNode> a, removed;
  ASSERT_EQ(S_OK, root->get_firstChild(a.put()));
  ASSERT_EQ(S_OK, root->removeChild(a.get(), removed.put()));
  EXPECT_TRUE(SameObject(a.get(), removed.get()));
  EXPECT_EQ("<R><B id=\"b\"/></R>\n", XmlOf(doc.get()));

  ComPtr<IXMLDOMNode> nothing;
  EXPECT_EQ(S_FALSE, a->get_parentNode(nothing.put()));
  EXPECT_EQ(S_FALSE, a->get_nextSibling(nothing.put()));
  EXPECT_EQ("<A id=\"a\"><X/></A>", XmlOf(a.get()));
  EXPECT_EQ(S_OK, Set(qcom::QueryAs<IXMLDOMElement>(a.get()).get(), "more", int32_t{1}));
  EXPECT_EQ(0u, Items(ByPath(doc.get(), "X").get()).size());

  // Removing what is not a child is refused; the removed node goes back in.
  EXPECT_EQ(E_INVALIDARG, root->removeChild(a.get(), nothing.put()));
  EXPECT_EQ(E_INVALIDARG, root->removeChild(nullptr, nothing.put()));
  ASSERT_EQ(S_OK, root->appendChild(a.get(), nullptr));
  EXPECT_EQ("<R><B id=\"b\"/><A id=\"a\" more=\"1\"><X/></A></R>\n", XmlOf(doc.get()));
}

TEST_F(DocumentBuilding, AppendingMovesOrCopiesAndRefusesWhatCannotBe) {
  auto doc = Parse("<R><A><B/></A><C/></R>");
  auto root = Root(doc.get());
  auto as = Items(ByPath(doc.get(), "A").get());
  auto bs = Items(ByPath(doc.get(), "B").get());
  auto cs = Items(ByPath(doc.get(), "C").get());
  ASSERT_EQ(1u, as.size());

  // Within a document, appending moves.
  ASSERT_EQ(S_OK, cs[0]->appendChild(bs[0].get(), nullptr));
  EXPECT_EQ("<R><A/><C><B/></C></R>", XmlOf(root.get()));

  // A node under itself, a second top-level element, text or an attribute at
  // the wrong place, nothing at all: refused, and the tree is untouched.
  ComPtr<IXMLDOMNode> out;
  EXPECT_EQ(E_FAIL, bs[0]->appendChild(cs[0].get(), out.put()));
  EXPECT_EQ(E_FAIL, cs[0]->appendChild(cs[0].get(), out.put()));
  EXPECT_EQ(E_FAIL, doc->appendChild(NewElement(doc.get(), "Second").get(), out.put()));
  EXPECT_EQ(E_FAIL, doc->appendChild(NewText(doc.get(), "loose").get(), out.put()));
  EXPECT_EQ(E_INVALIDARG, root->appendChild(nullptr, out.put()));
  EXPECT_EQ(E_FAIL,
            NewText(doc.get(), "x")->appendChild(NewElement(doc.get(), "Y").get(), out.put()));
  auto withAttr = Parse("<Z a='1'/>");
  ComPtr<IXMLDOMNamedNodeMap> map;
  ASSERT_EQ(S_OK, Root(withAttr.get())->get_attributes(map.put()));
  ComPtr<IXMLDOMNode> attr;
  ASSERT_EQ(S_OK, map->get_item(0, attr.put()));
  EXPECT_EQ(E_FAIL, root->appendChild(attr.get(), out.put()));
  EXPECT_EQ(E_FAIL, attr->appendChild(NewText(withAttr.get(), "t").get(), out.put()));
  EXPECT_EQ(E_FAIL, root->appendChild(doc.get(), out.put()));
  EXPECT_FALSE(out);
  EXPECT_EQ("<R><A/><C><B/></C></R>", XmlOf(root.get()));

  // From another document, appending copies; the source keeps its node.
  auto other = Parse("<O><P id='p'>text</P></O>");
  auto ps = Items(ByPath(other.get(), "P").get());
  ASSERT_EQ(S_OK, as[0]->appendChild(ps[0].get(), out.put()));
  EXPECT_FALSE(SameObject(out.get(), ps[0].get()));
  EXPECT_EQ("<R><A><P id=\"p\">text</P></A><C><B/></C></R>", XmlOf(root.get()));
  EXPECT_EQ("<O><P id=\"p\">text</P></O>", XmlOf(Root(other.get()).get()));
  ComPtr<IXMLDOMDocument> owner;
  ASSERT_EQ(S_OK, out->get_ownerDocument(owner.put()));
  EXPECT_TRUE(SameObject(owner.get(), doc.get()));
}

TEST_F(DocumentBuilding, BadNamesAndValuesAreRefused) {
  auto doc = qxml::CreateDocument();
  ComPtr<IXMLDOMElement> element;
  for (std::string_view bad : {"", "has space", "1digit", "a<b", "-dash"})
    EXPECT_EQ(E_INVALIDARG, doc->createElement(Bstr(bad).get(), element.put())) << bad;
  EXPECT_FALSE(element);
  auto ok = NewElement(doc.get(), "ns:Ok_1.2-x");
  ASSERT_TRUE(ok);
  EXPECT_EQ(E_INVALIDARG, Set(ok.get(), "bad name", "v"));
  EXPECT_EQ(DISP_E_TYPEMISMATCH,
            Set(ok.get(), "obj", qcom::Variant(static_cast<IUnknown*>(doc.get()))));
  qcom::Variant null;
  null.out()->vt = VT_NULL;
  EXPECT_EQ(DISP_E_TYPEMISMATCH, Set(ok.get(), "null", null));
  EXPECT_EQ("<ns:Ok_1.2-x/>", XmlOf(ok.get()));
}

TEST_F(DocumentBuilding, DoublesAreWrittenWithTheLocaleSeparator) {
  auto doc = qxml::CreateDocument();
  auto element = NewElement(doc.get(), "E");
  EXPECT_EQ(S_OK, Set(element.get(), "half", 1.5));
  EXPECT_EQ(S_OK, Set(element.get(), "third", 1.0 / 3));
  EXPECT_EQ(S_OK, Set(element.get(), "big", 1e20));
  EXPECT_EQ("1.5", AttrOf(element.get(), "half"));
  EXPECT_EQ("0.333333333333333", AttrOf(element.get(), "third"));
  EXPECT_EQ("1E+20", AttrOf(element.get(), "big"));

  std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale installed";
  EXPECT_EQ(S_OK, Set(element.get(), "half", 1.5));
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ("1,5", AttrOf(element.get(), "half"));
}

}  // namespace
}  // namespace dom_test
