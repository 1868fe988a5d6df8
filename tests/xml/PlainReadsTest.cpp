#include <algorithm>

#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

class PlainReads : public DomTest {};

// The same facts read member by member through the node objects.
std::vector<qxml::ChildFacts> FactsThroughNodes(IXMLDOMNode* node) {
  std::vector<qxml::ChildFacts> facts;
  ComPtr<IXMLDOMNodeList> children;
  EXPECT_EQ(S_OK, node->get_childNodes(children.put()));
  for (const auto& child : Items(children.get())) {
    qxml::ChildFacts fact{TypeOf(child.get()), Read(&IXMLDOMNode::get_baseName, child.get()), {}};
    ComPtr<IXMLDOMNode> first;
    if (child->get_firstChild(first.put()) == S_OK) {
      qcom::Variant value;
      if (first->get_nodeValue(value.out()) == S_OK && value.type() == VT_BSTR)
        fact.firstChildValue = value.text();
    }
    facts.push_back(std::move(fact));
  }
  return facts;
}

void ExpectSameFacts(const std::vector<qxml::ChildFacts>& got,
                     const std::vector<qxml::ChildFacts>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(got[i].type, want[i].type) << i;
    EXPECT_EQ(got[i].baseName, want[i].baseName) << i;
    EXPECT_EQ(got[i].firstChildValue, want[i].firstChildValue) << i;
  }
}

TEST_F(PlainReads, ChildFactsAnswerAsTheNodeMembersDo) {
  auto doc = Parse(
      "<?xml version=\"1.0\"?><?app run?><ns:Root xmlns:ns=\"urn:a\">lead<!--note-->"
      "<ns:Unit>m&amp;s</ns:Unit><Empty/><Nested><Inner>x</Inner></Nested>"
      "<Commented><!--first-->after</Commented><Raw><![CDATA[a<b]]></Raw>"
      "<?pi data?></ns:Root>");
  auto root = Root(doc.get());
  auto facts = qxml::ReadChildFacts(root.get());
  ASSERT_TRUE(facts);
  ExpectSameFacts(*facts, FactsThroughNodes(root.get()));
  EXPECT_EQ((*facts)[2].baseName, "Unit");
  EXPECT_EQ((*facts)[2].firstChildValue, "m&s");
  EXPECT_EQ((*facts)[4].firstChildValue, std::nullopt) << "an element is no value";
  EXPECT_EQ((*facts)[5].firstChildValue, "first") << "the first child may be a comment";

  auto top = qxml::ReadChildFacts(doc.get());
  ASSERT_TRUE(top);
  ExpectSameFacts(*top, FactsThroughNodes(doc.get()));

  EXPECT_FALSE(qxml::ReadChildFacts(nullptr));
}

TEST_F(PlainReads, AttributeFactsAnswerAsTheAttributeNodesDo) {
  auto doc = Parse(
      "<ns:R xmlns:ns=\"urn:a\" ns:k=\"v&amp;w\" plain=\"\" TQIOMAP=\"01\"><C a=\"1\"/></ns:R>");
  auto root = Root(doc.get());
  auto facts = qxml::ReadAttributeFacts(root.get());
  ASSERT_TRUE(facts);
  ComPtr<IXMLDOMNamedNodeMap> map;
  ASSERT_EQ(S_OK, root->get_attributes(map.put()));
  LONG count = 0;
  map->get_length(&count);
  ASSERT_EQ(facts->size(), static_cast<size_t>(count));
  for (LONG i = 0; i < count; ++i) {
    ComPtr<IXMLDOMNode> attribute;
    ASSERT_EQ(S_OK, map->get_item(i, attribute.put()));
    qcom::Variant value;
    attribute->get_nodeValue(value.out());
    EXPECT_EQ((*facts)[i].baseName, Read(&IXMLDOMNode::get_baseName, attribute.get())) << i;
    EXPECT_EQ((*facts)[i].value, value.text()) << i;
  }
  EXPECT_EQ((*facts)[1].baseName, "k");
  EXPECT_EQ((*facts)[1].value, "v&w");
  auto top = qxml::ReadAttributeFacts(doc.get());
  ASSERT_TRUE(top);
  EXPECT_TRUE(top->empty()) << "only elements have attributes";
}

TEST_F(PlainReads, TheContentStampChangesWithEveryEditAndNeverRepeats) {
  auto doc = Parse("<R a=\"1\"><V>1</V></R>");
  auto other = Parse("<R/>");
  const uint64_t loaded = qxml::ContentStamp(doc.get());
  EXPECT_NE(loaded, 0u);
  EXPECT_NE(loaded, qxml::ContentStamp(other.get()));
  auto root = Root(doc.get());
  EXPECT_EQ(qxml::ContentStamp(root.get()), loaded) << "a node answers for its document";
  EXPECT_EQ(qxml::ContentStamp(doc.get()), loaded) << "reading changes nothing";

  std::vector<uint64_t> seen{loaded};
  auto changed = [&] {
    uint64_t now = qxml::ContentStamp(doc.get());
    bool fresh = std::find(seen.begin(), seen.end(), now) == seen.end();
    seen.push_back(now);
    return fresh;
  };
  ComPtr<IXMLDOMNode> value;
  ASSERT_EQ(S_OK, root->get_firstChild(value.put()));
  ComPtr<IXMLDOMNode> text;
  ASSERT_EQ(S_OK, value->get_firstChild(text.put()));
  ASSERT_EQ(S_OK, text->put_nodeValue(qcom::Variant(std::string("2")).raw()));
  EXPECT_TRUE(changed()) << "nodeValue";
  ASSERT_EQ(S_OK, value->put_text(Bstr("3").get()));
  EXPECT_TRUE(changed()) << "text";
  ASSERT_EQ(S_OK, root->setAttribute(Bstr("a").get(), qcom::Variant(std::string("9")).raw()));
  EXPECT_TRUE(changed()) << "attribute";
  ComPtr<IXMLDOMNode> removed;
  ASSERT_EQ(S_OK, root->removeChild(value.get(), removed.put()));
  EXPECT_TRUE(changed()) << "structure";
  VARIANT_BOOL ok = VARIANT_FALSE;
  ASSERT_EQ(S_OK, doc->loadXML(Bstr("<R a=\"1\"><V>1</V></R>").get(), &ok));
  EXPECT_TRUE(changed()) << "the same text loaded again is another state";
}

}  // namespace
}  // namespace dom_test
