#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

class Serialisation : public DomTest {};

constexpr std::string_view kVaried =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<!-- head -->\n"
    "<?style sheet?>\n"
    "<Root a=\"x &amp; y &lt; z &quot;q&quot; 'a'\" nl=\"line1&#10;line2&#9;tab\">\n"
    "  <Text>caf\xC3\xA9 \xE2\x82\xAC &lt;tag&gt; a&#13;b</Text>\n"
    "  <Data><![CDATA[<raw> & ]]]]><![CDATA[> text]]></Data>\n"
    "  <Empty/><Mixed>one<B>two</B>three</Mixed>\n"
    "  <ns:Item xmlns:ns=\"urn:x\"/>\n"
    "</Root>";

TEST_F(Serialisation, TextRoundTripKeepsTheDocument) {
  auto first = Parse(kVaried);
  std::string xml = XmlOf(first.get());
  auto second = Parse(xml);
  EXPECT_EQ(xml, XmlOf(second.get()));

  // Each value survives the trip, including escaped white space.
  auto root = Root(second.get());
  EXPECT_EQ("x & y < z \"q\" 'a'", AttrOf(root.get(), "a"));
  EXPECT_EQ("line1\nline2\ttab", AttrOf(root.get(), "nl"));
  auto text = ItemsByPath(second.get(), "Text"), data = ItemsByPath(second.get(), "Data");
  ASSERT_EQ(1u, text.size());
  ASSERT_EQ(1u, data.size());
  EXPECT_EQ("caf\xC3\xA9 \xE2\x82\xAC <tag> a\rb", TextOf(text[0].get()));
  EXPECT_EQ("<raw> & ]]> text", TextOf(data[0].get()));
}

TEST_F(Serialisation, SaveWritesUtf8WithDeclarationAndLoadsBack) {
  TempDir folder;
  auto doc = Parse("<?xml version=\"1.0\" standalone=\"yes\"?><R><T>\xE2\x82\xAC</T></R>");
  std::string path = folder / "out.xml";
  ASSERT_EQ(S_OK, doc->save(qcom::Variant(path).raw()));
  EXPECT_EQ(
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<R><T>\xE2\x82\xAC</T></R>\n",
      ReadFile(path));
  auto back = qxml::CreateDocument();
  ASSERT_TRUE(LoadFile(back.get(), path));
  EXPECT_EQ(XmlOf(doc.get()), XmlOf(back.get()));

  // A document loaded from Windows-1252 is written as UTF-8 and says so; backslashes
  // separate folders, and the file is replaced whole.
  WriteFile(folder / "ansi.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><R>\xE4</R>");
  ASSERT_TRUE(LoadFile(back.get(), folder / "ansi.xml"));
  ASSERT_EQ(S_OK, back->save(qcom::Variant((folder / "") + "\\ansi.xml").raw()));
  EXPECT_EQ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<R>\xC3\xA4</R>\n",
            ReadFile(folder / "ansi.xml"));
  EXPECT_EQ((std::vector<std::string>{"ansi.xml", "out.xml"}), folder.Entries());

  // Neither a document without an element nor a path that is not text is saved;
  // a target that cannot be replaced fails and leaves nothing behind.
  auto empty = qxml::CreateDocument();
  EXPECT_TRUE(FAILED(empty->save(qcom::Variant(folder / "empty.xml").raw())));
  EXPECT_EQ(E_INVALIDARG, doc->save(qcom::Variant(int32_t{1}).raw()));
  EXPECT_TRUE(FAILED(doc->save(qcom::Variant(folder / "missing/x.xml").raw())));
  EXPECT_EQ(2u, folder.Entries().size());
}

}  // namespace
}  // namespace dom_test
