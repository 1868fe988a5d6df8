#include <optional>
#include <tuple>

#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

class PlainReads : public DomTest {};

using Fact = std::tuple<DOMNodeType, std::string, std::optional<std::string>>;
using Attribute = std::pair<std::string, std::string>;

// The child facts read member by member through the node objects, as the plain read must answer.
std::vector<Fact> FactsThroughNodes(IXMLDOMNode* node) {
  std::vector<Fact> facts;
  for (const auto& child : Children(node)) {
    std::optional<std::string> value;
    ComPtr<IXMLDOMNode> first;
    qcom::Variant v;
    if (child->get_firstChild(first.put()) == S_OK && first->get_nodeValue(v.out()) == S_OK)
      value = v.text();
    facts.emplace_back(TypeOf(child.get()), Read(&IXMLDOMNode::get_baseName, child.get()), value);
  }
  return facts;
}

TEST_F(PlainReads, ChildAndAttributeFactsAnswerAsTheNodeMembersDo) {
  auto doc = Parse(
      "<?xml version=\"1.0\"?><?app run?><ns:Root xmlns:ns=\"urn:a\" ns:k=\"v&amp;w\" plain=\"\">"
      "lead<!--note--><ns:Unit>m&amp;s</ns:Unit><Empty/><Nested><Inner>x</Inner></Nested>"
      "<Commented><!--first-->after</Commented><Raw><![CDATA[a<b]]></Raw><?pi data?></ns:Root>");
  auto root = Root(doc.get());
  for (IXMLDOMNode* node :
       {static_cast<IXMLDOMNode*>(doc.get()), static_cast<IXMLDOMNode*>(root.get())}) {
    std::vector<Fact> plain;
    auto read = qxml::ReadChildFacts(node);
    ASSERT_TRUE(read);
    for (const auto& f : *read) plain.emplace_back(f.type, f.baseName, f.firstChildValue);
    EXPECT_EQ(FactsThroughNodes(node), plain);
  }
  auto facts = FactsThroughNodes(root.get());
  ASSERT_EQ(8u, facts.size());
  EXPECT_EQ((Fact{NODE_ELEMENT, "Unit", "m&s"}), facts[2]);
  EXPECT_EQ((Fact{NODE_ELEMENT, "Nested", std::nullopt}), facts[4]) << "an element is no value";
  EXPECT_EQ((Fact{NODE_ELEMENT, "Commented", "first"}), facts[5]) << "a comment may come first";
  EXPECT_FALSE(qxml::ReadChildFacts(nullptr));

  std::vector<Attribute> plain, throughNodes;
  auto read = qxml::ReadAttributeFacts(root.get());
  ASSERT_TRUE(read);
  for (const auto& f : *read) plain.emplace_back(f.baseName, f.value);
  for (const auto& a : Items(Get(root.get(), &IXMLDOMNode::get_attributes).get()))
    throughNodes.emplace_back(Read(&IXMLDOMNode::get_baseName, a.get()), ValueText(a.get()));
  EXPECT_EQ(throughNodes, plain);
  EXPECT_EQ((std::vector<Attribute>{{"ns", "urn:a"}, {"k", "v&w"}, {"plain", ""}}), plain);
  EXPECT_TRUE(qxml::ReadAttributeFacts(doc.get()).value().empty()) << "only elements have any";
}

TEST_F(PlainReads, TheContentStampChangesWithEveryEditAndNeverRepeats) {
  auto doc = Parse("<R a=\"1\"><V>1</V></R>");
  const uint64_t loaded = qxml::ContentStamp(doc.get());
  EXPECT_NE(loaded, qxml::ContentStamp(Parse("<R a=\"1\"><V>1</V></R>").get()));
  EXPECT_EQ(qxml::ContentStamp(Root(doc.get()).get()), loaded) << "a node answers for its document";
  EXPECT_EQ(qxml::ContentStamp(doc.get()), loaded) << "reading changes nothing";
  ASSERT_EQ(S_OK, Root(doc.get())->setAttribute(Bstr("a").get(), qcom::Variant("9").raw()));
  const uint64_t edited = qxml::ContentStamp(doc.get());
  EXPECT_NE(edited, loaded);
  ASSERT_TRUE(LoadText(doc.get(), "<R a=\"1\"><V>1</V></R>"));
  EXPECT_NE(qxml::ContentStamp(doc.get()), loaded) << "the same text loaded again is another state";
  EXPECT_NE(qxml::ContentStamp(doc.get()), edited);
}

}  // namespace
}  // namespace dom_test
