#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

using Ids = std::vector<std::string>;

class ElementLookup : public DomTest {};

constexpr std::string_view kObjects = R"(<Root>
  <AppObject id="a1">
    <Attributes><Priority id="p1">1</Priority><Priority id="p2">2</Priority></Attributes>
  </AppObject>
  <Other>
    <AppObject id="a2"><Attributes><Priority id="p3">3</Priority></Attributes></AppObject>
  </Other>
  <AppObject id="a3"><Attributes id="s3"/><priority id="lower"/></AppObject>
</Root>)";

TEST_F(ElementLookup, SlashPathFindsEveryMatchInDocumentOrder) {
  auto doc = Parse(kObjects);
  EXPECT_EQ((Ids{"p1", "p2", "p3"}), IdsByPath(doc.get(), "AppObject/Attributes/Priority"));
  EXPECT_EQ((Ids{"p1", "p2", "p3"}), IdsByPath(doc.get(), "Priority"));
  EXPECT_EQ((Ids{"a1", "a3"}), IdsByPath(doc.get(), "Root/AppObject"));
  EXPECT_EQ((Ids{"a2"}), IdsByPath(doc.get(), "Other/AppObject"));
  EXPECT_EQ((Ids{"(none)"}), IdsByPath(doc.get(), "Root"));
  // "*" stands for one element of any name, not for several levels.
  EXPECT_EQ((Ids{"p1", "p2", "p3"}), IdsByPath(doc.get(), "AppObject/*/Priority"));
  EXPECT_EQ((Ids{"p1", "p2", "p3"}), IdsByPath(doc.get(), "AppObject/*/*"));
  EXPECT_EQ((Ids{"a1", "a2", "a3"}), IdsByPath(doc.get(), "*/AppObject"));
  // Names compare exactly.
  EXPECT_EQ((Ids{"lower"}), IdsByPath(doc.get(), "priority"));
  EXPECT_EQ(Ids{}, IdsByPath(doc.get(), "APPOBJECT/Attributes/Priority"));
}

TEST_F(ElementLookup, StarStepMatchesAnyElementAtItsLevel) {
  auto doc =
      Parse("<R><A id='1'><X id='x1'/></A><B id='2'><X id='x2'/><Y id='y'/></B><X id='x3'/></R>");
  EXPECT_EQ((Ids{"x1", "x2", "x3"}), IdsByPath(doc.get(), "*/X"));
  EXPECT_EQ((Ids{"x1", "x2"}), IdsByPath(doc.get(), "R/*/X"));
  EXPECT_EQ((Ids{"x2", "y"}), IdsByPath(doc.get(), "B/*"));
  EXPECT_EQ(7u, IdsByPath(doc.get(), "*").size());
}

TEST_F(ElementLookup, NestedMatchesAreEachFoundOnce) {
  auto doc = Parse("<A id='1'><A id='2'><A id='3'><B id='b'/></A></A><B id='c'/></A>");
  EXPECT_EQ((Ids{"1", "2", "3"}), IdsByPath(doc.get(), "A"));
  EXPECT_EQ((Ids{"2", "3"}), IdsByPath(doc.get(), "A/A"));
  EXPECT_EQ((Ids{"3"}), IdsByPath(doc.get(), "A/A/A"));
  EXPECT_EQ((Ids{"b", "c"}), IdsByPath(doc.get(), "A/B"));
  EXPECT_EQ((Ids{"b"}), IdsByPath(doc.get(), "A/A/B"));
}

TEST_F(ElementLookup, ElementSearchesBelowItselfOnly) {
  auto doc = Parse("<A id='1'><A id='2'><A id='3'><B id='b'/></A></A><B id='c'/></A>");
  auto outer = Root(doc.get());
  EXPECT_EQ((Ids{"2", "3"}), IdsByPath(outer.get(), "A"));
  EXPECT_EQ((Ids{"b", "c"}), IdsByPath(outer.get(), "B"));
  EXPECT_EQ((Ids{"b"}), IdsByPath(outer.get(), "A/B"));

  auto middle = ByPath(outer.get(), "A");
  ComPtr<IXMLDOMNode> second;
  ASSERT_EQ(S_OK, middle->get_item(0, second.put()));
  EXPECT_EQ((Ids{"3"}), IdsByPath(second.get(), "A"));
  EXPECT_EQ((Ids{"b"}), IdsByPath(second.get(), "A/B"));
  // The context element itself is not the first step of a path.
  ComPtr<IXMLDOMNode> third;
  ASSERT_EQ(S_OK, middle->get_item(1, third.put()));
  EXPECT_EQ(Ids{}, IdsByPath(third.get(), "A/B"));
  EXPECT_EQ((Ids{"b"}), IdsByPath(third.get(), "B"));
}

TEST_F(ElementLookup, CatalogueStylePaths) {
  auto doc = Parse(R"(<SNVTS>
    <SNVT_12><Enums><E v="0"/></Enums></SNVT_12>
    <SNVT_13><Enums/></SNVT_13>
    <SNVT_12><Enums id="second"/></SNVT_12>
  </SNVTS>)");
  auto list = ByPath(doc.get(), "SNVTS/SNVT_12/Enums");
  auto found = Items(list.get());
  ASSERT_EQ(2u, found.size());
  EXPECT_EQ("second", AttrOf(found[1].get(), "id"));
  ComPtr<IXMLDOMNode> first;
  ASSERT_EQ(S_OK, found[0]->get_firstChild(first.put()));
  EXPECT_EQ("0", AttrOf(first.get(), "v"));
}

TEST_F(ElementLookup, MalformedOrAbsentPathsFindNothing) {
  auto doc = Parse(kObjects);
  for (std::string_view path :
       {"", "/Root", "Root/", "AppObject//Priority", "Missing", "Root/Missing"}) {
    auto list = ByPath(doc.get(), path);
    LONG length = -1;
    EXPECT_EQ(S_OK, list->get_length(&length));
    EXPECT_EQ(0, length) << path;
    ComPtr<IXMLDOMNode> item;
    EXPECT_EQ(S_FALSE, list->get_item(0, item.put())) << path;
    EXPECT_FALSE(item);
  }
}

TEST_F(ElementLookup, ListsFollowTheDocumentAndIterate) {
  auto doc = Parse(kObjects);
  auto list = ByPath(doc.get(), "Attributes/Priority");
  LONG length = 0;
  ASSERT_EQ(S_OK, list->get_length(&length));
  EXPECT_EQ(3, length);

  // Out of range on both sides.
  ComPtr<IXMLDOMNode> none;
  EXPECT_EQ(S_FALSE, list->get_item(3, none.put()));
  EXPECT_EQ(S_FALSE, list->get_item(-1, none.put()));
  EXPECT_FALSE(none);

  // A Priority added under the third AppObject's Attributes shows up in place.
  auto attributes = Items(ByPath(doc.get(), "Attributes").get());
  ASSERT_EQ(3u, attributes.size());
  ComPtr<IXMLDOMElement> added;
  ASSERT_EQ(S_OK, doc->createElement(Bstr("Priority").get(), added.put()));
  added->setAttribute(Bstr("id").get(), qcom::Variant("p4").raw());
  ASSERT_EQ(S_OK, attributes[2]->appendChild(added.get(), nullptr));
  EXPECT_EQ((Ids{"p1", "p2", "p3", "p4"}), IdsByPath(doc.get(), "Attributes/Priority"));
  ASSERT_EQ(S_OK, list->get_length(&length));
  EXPECT_EQ(4, length);

  // nextNode walks the list once; reset starts over.
  Ids walked;
  for (ComPtr<IXMLDOMNode> n; list->nextNode(n.put()) == S_OK;)
    walked.push_back(AttrOf(n.get(), "id"));
  EXPECT_EQ((Ids{"p1", "p2", "p3", "p4"}), walked);
  ComPtr<IXMLDOMNode> past;
  EXPECT_EQ(S_FALSE, list->nextNode(past.put()));
  EXPECT_FALSE(past);
  EXPECT_EQ(S_OK, list->reset());
  ComPtr<IXMLDOMNode> again;
  ASSERT_EQ(S_OK, list->nextNode(again.put()));
  EXPECT_EQ("p1", AttrOf(again.get(), "id"));
}

}  // namespace
}  // namespace dom_test
