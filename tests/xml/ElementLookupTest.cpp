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

}  // namespace
}  // namespace dom_test
