#include <algorithm>
#include <optional>
#include <tuple>

#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

class PlainReads : public DomTest {};

using Fact = std::tuple<DOMNodeType, std::string, std::optional<std::string>>;
using Attribute = std::pair<std::string, std::string>;

std::vector<Fact> PlainFacts(IXMLDOMNode* node) {
  auto facts = qxml::ReadChildFacts(node);
  EXPECT_TRUE(facts);
  std::vector<Fact> out;
  for (const auto& f : facts.value_or(std::vector<qxml::ChildFacts>{}))
    out.emplace_back(f.type, f.baseName, f.firstChildValue);
  return out;
}

// The same facts read member by member through the node objects.
std::vector<Fact> FactsThroughNodes(IXMLDOMNode* node) {
  std::vector<Fact> facts;
  for (const auto& child : Children(node)) {
    std::optional<std::string> value;
    ComPtr<IXMLDOMNode> first;
    if (child->get_firstChild(first.put()) == S_OK) {
      qcom::Variant v;
      if (first->get_nodeValue(v.out()) == S_OK && v.type() == VT_BSTR) value = v.text();
    }
    facts.emplace_back(TypeOf(child.get()), Read(&IXMLDOMNode::get_baseName, child.get()), value);
  }
  return facts;
}

TEST_F(PlainReads, ChildFactsAnswerAsTheNodeMembersDo) {
  auto doc = Parse(
      "<?xml version=\"1.0\"?><?app run?><ns:Root xmlns:ns=\"urn:a\">lead<!--note-->"
      "<ns:Unit>m&amp;s</ns:Unit><Empty/><Nested><Inner>x</Inner></Nested>"
      "<Commented><!--first-->after</Commented><Raw><![CDATA[a<b]]></Raw>"
      "<?pi data?></ns:Root>");
  auto root = Root(doc.get());
  auto facts = PlainFacts(root.get());
  EXPECT_EQ(FactsThroughNodes(root.get()), facts);
  ASSERT_EQ(8u, facts.size());
  EXPECT_EQ((Fact{NODE_ELEMENT, "Unit", "m&s"}), facts[2]);
  EXPECT_EQ((Fact{NODE_ELEMENT, "Nested", std::nullopt}), facts[4]) << "an element is no value";
  EXPECT_EQ((Fact{NODE_ELEMENT, "Commented", "first"}), facts[5])
      << "the first child may be a comment";
  EXPECT_EQ(FactsThroughNodes(doc.get()), PlainFacts(doc.get()));
  EXPECT_FALSE(qxml::ReadChildFacts(nullptr));
}

TEST_F(PlainReads, AttributeFactsAnswerAsTheAttributeNodesDo) {
  auto doc = Parse(
      "<ns:R xmlns:ns=\"urn:a\" ns:k=\"v&amp;w\" plain=\"\" TQIOMAP=\"01\"><C a=\"1\"/></ns:R>");
  auto root = Root(doc.get());
  auto facts = qxml::ReadAttributeFacts(root.get());
  ASSERT_TRUE(facts);
  std::vector<Attribute> plain, throughNodes;
  for (const auto& f : *facts) plain.emplace_back(f.baseName, f.value);
  for (const auto& a : Items(Get(root.get(), &IXMLDOMNode::get_attributes).get()))
    throughNodes.emplace_back(Read(&IXMLDOMNode::get_baseName, a.get()), ValueText(a.get()));
  EXPECT_EQ(throughNodes, plain);
  ASSERT_EQ(4u, plain.size());
  EXPECT_EQ((Attribute{"k", "v&w"}), plain[1]);
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
  auto value = Get(root.get(), &IXMLDOMNode::get_firstChild);
  auto text = Get(value.get(), &IXMLDOMNode::get_firstChild);
  ASSERT_EQ(S_OK, text->put_nodeValue(qcom::Variant(std::string("2")).raw()));
  EXPECT_TRUE(changed()) << "nodeValue";
  ASSERT_EQ(S_OK, value->put_text(Bstr("3").get()));
  EXPECT_TRUE(changed()) << "text";
  ASSERT_EQ(S_OK, root->setAttribute(Bstr("a").get(), qcom::Variant(std::string("9")).raw()));
  EXPECT_TRUE(changed()) << "attribute";
  ASSERT_EQ(S_OK, root->removeChild(value.get(), nullptr));
  EXPECT_TRUE(changed()) << "structure";
  ASSERT_TRUE(LoadText(doc.get(), "<R a=\"1\"><V>1</V></R>"));
  EXPECT_TRUE(changed()) << "the same text loaded again is another state";
}

}  // namespace
}  // namespace dom_test

namespace dom_test {
namespace {

using PlainWrites = DomTest;

// createElement, createTextNode and appendChild, member by member.
HRESULT AppendThroughNodes(IXMLDOMDocument* doc, IXMLDOMNode* parent, std::string_view name,
                           std::string_view text) {
  ComPtr<IXMLDOMElement> element;
  HRESULT hr = doc->createElement(Bstr(name).get(), element.put());
  if (FAILED(hr)) return hr;
  ComPtr<IXMLDOMText> textNode;
  doc->createTextNode(Bstr(text).get(), textNode.put());
  ComPtr<IXMLDOMNode> appended;
  element->appendChild(textNode.get(), appended.put());
  return parent->appendChild(element.get(), appended.put());
}

TEST_F(PlainWrites, ATextElementIsTheTreeTheMembersBuild) {
  struct Case {
    const char* start;
    const char* name;
    const char* text;
  } cases[] = {
      {"<R><A/></R>", "Value", "12.5"}, {"<R/>", "Empty", ""},   {"<R/>", "x:Tag", "a<b & \"c\""},
      {"<R/>", "1bad", "refused"},      {"<R/>", "", "refused"}, {"<R/>", "Unicode", "Größe °C"},
  };
  for (const Case& c : cases) {
    auto plain = Parse(c.start);
    auto members = Parse(c.start);
    const HRESULT hr = qxml::AppendTextElement(Root(plain.get()).get(), c.name, c.text);
    EXPECT_EQ(hr, AppendThroughNodes(members.get(), Root(members.get()).get(), c.name, c.text))
        << c.name;
    EXPECT_EQ(XmlOf(plain.get()), XmlOf(members.get())) << c.name;
  }

  // A document holds one element; a foreign or missing parent changes nothing.
  auto doc = Parse("<R/>");
  const uint64_t before = qxml::ContentStamp(doc.get());
  EXPECT_EQ(qxml::AppendTextElement(doc.get(), "Second", "x"), E_FAIL);
  EXPECT_EQ(qxml::AppendTextElement(nullptr, "A", "x"), E_NOINTERFACE);
  EXPECT_EQ(qxml::ContentStamp(doc.get()), before);
  auto empty = qxml::CreateDocument();
  EXPECT_EQ(qxml::AppendTextElement(empty.get(), "Top", "t"), S_OK);
  EXPECT_EQ(TextOf(Root(empty.get()).get()), "t");

  // Lookups see the new element.
  ASSERT_EQ(qxml::AppendTextElement(Root(doc.get()).get(), "Added", "v"), S_OK);
  EXPECT_EQ(Items(ByPath(doc.get(), "R/Added").get()).size(), 1u);
}

}  // namespace
}  // namespace dom_test
