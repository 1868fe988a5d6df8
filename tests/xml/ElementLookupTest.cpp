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
  const std::pair<std::string_view, Ids> paths[] = {
      {"AppObject/Attributes/Priority", {"p1", "p2", "p3"}},
      {"Priority", {"p1", "p2", "p3"}},
      {"Root/AppObject", {"a1", "a3"}},
      {"Other/AppObject", {"a2"}},
      {"Root", {"(none)"}},
      // "*" stands for one element of any name, not for several levels.
      {"AppObject/*/Priority", {"p1", "p2", "p3"}},
      {"*/AppObject", {"a1", "a2", "a3"}},
      // Names compare exactly.
      {"priority", {"lower"}},
      {"APPOBJECT/Attributes/Priority", {}},
  };
  for (const auto& [path, ids] : paths) EXPECT_EQ(ids, IdsByPath(doc.get(), path)) << path;

  // Nested matches are each found once; an element searches below itself only,
  // and is not the first step of a path.
  doc = Parse("<A id='1'><A id='2'><A id='3'><B id='b'/></A></A><B id='c'/></A>");
  EXPECT_EQ((Ids{"1", "2", "3"}), IdsByPath(doc.get(), "A"));
  EXPECT_EQ((Ids{"2", "3"}), IdsByPath(doc.get(), "A/A"));
  EXPECT_EQ((Ids{"b", "c"}), IdsByPath(doc.get(), "A/B"));
  auto outer = Root(doc.get());
  EXPECT_EQ((Ids{"2", "3"}), IdsByPath(outer.get(), "A"));
  EXPECT_EQ((Ids{"b"}), IdsByPath(outer.get(), "A/B"));
  auto third = Item(ByPath(outer.get(), "A").get(), 1);
  EXPECT_EQ(Ids{}, IdsByPath(third.get(), "A/B"));
  EXPECT_EQ((Ids{"b"}), IdsByPath(third.get(), "B"));
}

TEST_F(ElementLookup, MalformedOrAbsentPathsFindNothing) {
  auto doc = Parse(kObjects);
  for (std::string_view path :
       {"", "/Root", "Root/", "AppObject//Priority", "Missing", "Root/Missing"}) {
    SCOPED_TRACE(path);
    auto list = ByPath(doc.get(), path);
    EXPECT_EQ(0, Length(list.get()));
    EXPECT_FALSE(Item(list.get(), 0, S_FALSE));
  }
}

TEST_F(ElementLookup, ListsFollowTheDocumentAndIterate) {
  auto doc = Parse(kObjects);
  auto list = ByPath(doc.get(), "Attributes/Priority");
  EXPECT_EQ(3, Length(list.get()));
  EXPECT_FALSE(Item(list.get(), 3, S_FALSE));
  EXPECT_FALSE(Item(list.get(), -1, S_FALSE));

  // A Priority added under the third AppObject's Attributes shows up in the held list.
  auto attributes = ItemsByPath(doc.get(), "Attributes");
  ASSERT_EQ(3u, attributes.size());
  ASSERT_EQ(S_OK,
            attributes[2]->appendChild(NewElement(doc.get(), "Priority", "p4").get(), nullptr));
  EXPECT_EQ(4, Length(list.get()));

  // nextNode walks the list once; reset starts over.
  Ids walked;
  for (ComPtr<IXMLDOMNode> n; list->nextNode(n.put()) == S_OK;)
    walked.push_back(AttrOf(n.get(), "id"));
  EXPECT_EQ((Ids{"p1", "p2", "p3", "p4"}), walked);
  EXPECT_FALSE(Get(list.get(), &IXMLDOMNodeList::nextNode, S_FALSE));
  EXPECT_EQ(S_OK, list->reset());
  EXPECT_EQ("p1", AttrOf(Get(list.get(), &IXMLDOMNodeList::nextNode).get(), "id"));
}

// A document that no longer changes answers repeated lookups from an index of
// its elements; every change must show in the very next lookup, and contexts
// outside the document's tree (removed nodes, content replaced by a load) must
// still be searched where they are.
TEST_F(ElementLookup, RepeatedLookupsFollowEveryChange) {
  // The first lookup after a change walks, the second builds the index, the
  // third reuses it: all three must agree.
  auto repeated = [](IXMLDOMNode* context, std::string_view path) {
    Ids first = IdsByPath(context, path);
    EXPECT_EQ(first, IdsByPath(context, path)) << path;
    EXPECT_EQ(first, IdsByPath(context, path)) << path;
    return first;
  };
  auto doc = Parse(kObjects);
  EXPECT_EQ((Ids{"p1", "p2", "p3"}), repeated(doc.get(), "AppObject/Attributes/Priority"));
  EXPECT_EQ(Ids{}, repeated(doc.get(), "Root/"));
  auto other = ItemsByPath(doc.get(), "Other");
  ASSERT_EQ(1u, other.size());
  EXPECT_EQ((Ids{"p3"}), repeated(other[0].get(), "Priority")) << "only below the context";
  EXPECT_EQ(Ids{}, repeated(other[0].get(), "Other/AppObject")) << "the context is no step";

  // Added in the middle of the document: found in document order.
  auto attributes = ItemsByPath(doc.get(), "Attributes");
  ASSERT_EQ(3u, attributes.size());
  ASSERT_EQ(S_OK,
            attributes[0]->appendChild(NewElement(doc.get(), "Priority", "p4").get(), nullptr));
  EXPECT_EQ((Ids{"p1", "p2", "p4", "p3"}), repeated(doc.get(), "AppObject/Attributes/Priority"));

  // Removed while held: gone from the document, still searchable on its own.
  ComPtr<IXMLDOMNode> removed;
  ASSERT_EQ(S_OK, Root(doc.get())->removeChild(other[0].get(), removed.put()));
  EXPECT_EQ((Ids{"p1", "p2", "p4"}), repeated(doc.get(), "Priority"));
  EXPECT_EQ((Ids{"p3"}), repeated(removed.get(), "AppObject/Attributes/Priority"));
  // Moved back to another place.
  ASSERT_EQ(S_OK, attributes[2]->appendChild(removed.get(), nullptr));
  EXPECT_EQ((Ids{"p1", "p2", "p4", "p3"}), repeated(doc.get(), "Priority"));
  EXPECT_EQ((Ids{"a1", "a3", "a2"}), repeated(doc.get(), "AppObject")) << "a2 now inside a3";

  // Removed and released: its elements must never be reached again.
  auto first = ItemsByPath(doc.get(), "Root/AppObject");
  ASSERT_EQ(2u, first.size());
  ASSERT_EQ(S_OK, Root(doc.get())->removeChild(first[0].get(), nullptr));
  first.clear();
  EXPECT_EQ((Ids{"p3"}), repeated(doc.get(), "Priority"));
  // Content replaced by text.
  ASSERT_EQ(S_OK, attributes[2]->put_text(Bstr("plain").get()));
  EXPECT_EQ(Ids{}, repeated(doc.get(), "Priority"));
  EXPECT_EQ((Ids{"a3"}), repeated(doc.get(), "AppObject"));

  // Copied in from another document.
  auto source = Parse("<Other><Priority id='p5'/></Other>");
  ASSERT_EQ(S_OK, Root(doc.get())->appendChild(Root(source.get()).get(), nullptr));
  EXPECT_EQ((Ids{"p5"}), repeated(doc.get(), "Root/Other/Priority"));

  // A load replaces the content; an element kept from the old content still
  // searches the old tree.
  auto kept = ItemsByPath(doc.get(), "Root/Other");
  ASSERT_EQ(1u, kept.size());
  ASSERT_TRUE(LoadText(doc.get(), "<Root><Priority id='n1'/><Other id='n2'/></Root>"));
  EXPECT_EQ((Ids{"n1"}), repeated(doc.get(), "Priority"));
  EXPECT_EQ((Ids{"n2"}), repeated(doc.get(), "Root/Other"));
  EXPECT_EQ((Ids{"p5"}), repeated(kept[0].get(), "Priority"));
  attributes.clear();
  removed = nullptr;
}

}  // namespace
}  // namespace dom_test
