#include <tuple>

#include "xml/DomTestSupport.h"

namespace dom_test {
namespace {

using Types = std::vector<DOMNodeType>;

class DocumentLoad : public DomTest {};

// Loads text that must fail and returns the report.
ErrorReport Reject(std::string_view xml) {
  ComPtr<IXMLDOMDocument> doc = qxml::CreateDocument();
  EXPECT_FALSE(LoadText(doc.get(), xml)) << xml;
  ErrorReport report = ErrorOf(doc.get());
  EXPECT_NE(0, report.code) << xml;
  return report;
}

TEST_F(DocumentLoad, CommentsAreNodesAndWhiteSpaceBetweenElementsIsDropped) {
  auto doc = Parse(
      "<?xml version=\"1.0\"?><!-- head --><Root><!-- inside "
      "--><A/>text<!--x--></Root><!--tail-->");
  EXPECT_EQ((Types{NODE_PROCESSING_INSTRUCTION, NODE_COMMENT, NODE_ELEMENT, NODE_COMMENT}),
            ChildTypes(doc.get()));
  auto root = Root(doc.get());
  EXPECT_EQ((Types{NODE_COMMENT, NODE_ELEMENT, NODE_TEXT, NODE_COMMENT}), ChildTypes(root.get()));
  auto comment = Get(root.get(), &IXMLDOMNode::get_firstChild);
  EXPECT_TRUE(qcom::QueryAs<IXMLDOMComment>(comment.get()));
  EXPECT_EQ(" inside ", ValueText(comment.get()));
  // Comments are not text: the element's text skips them.
  EXPECT_EQ("text", TextOf(root.get()));

  doc = Parse("<R>\n  <A\tk='v'> a b </A>\r\n\t<B\r\n/>\n</R>");
  root = Root(doc.get());
  EXPECT_EQ((Types{NODE_ELEMENT, NODE_ELEMENT}), ChildTypes(root.get()));
  EXPECT_EQ("<R><A k=\"v\"> a b </A><B/></R>", XmlOf(root.get()));
}

TEST_F(DocumentLoad, MalformedTextIsRejectedSayingWhereAndWhy) {
  // Where a report points: line, position in the line and in the text (both in
  // characters, not bytes), and the text of the line.
  const struct {
    std::string_view xml;
    std::tuple<LONG, LONG, LONG, std::string> where;
    std::string reason;
  } placed[] = {
      {"<Root>\n  <A>\n  </B>\n</Root>",
       {3, 5, 17, "  </B>"},
       "End tag 'B' does not match the start tag 'A'."},
      {"<R>\n<A>\xE2\x82\xAC\xE2\x82\xAC</B></R>",
       {2, 8, 11, "<A>\xE2\x82\xAC\xE2\x82\xAC</B></R>"},
       "End tag 'B' does not match the start tag 'A'."},
      {"<R>\n<A b=1/></R>",
       {2, 6, 9, "<A b=1/></R>"},
       "An attribute is not well-formed: a name, '=' and a quoted value were expected."},
  };
  for (const auto& c : placed) {
    SCOPED_TRACE(c.xml);
    ErrorReport r = Reject(c.xml);
    EXPECT_EQ(std::tuple(r.line, r.linepos, r.filepos, r.srcText), c.where);
    EXPECT_EQ(r.reason, c.reason);
    EXPECT_EQ(r.url, "");
  }
  const std::pair<std::string_view, std::string_view> reasons[] = {
      {"<Root\tv='1'><!--<X>-->\n<A\r>\n<B/>", "The following tags were not closed: Root, A."},
      {"</A>", "End tag 'A' has no matching start tag."},
      {"<A/><B/>", "Only one top level element is allowed in an XML document."},
      {"<A/>text", "Invalid at the top level of the document."},
      {"<A x='1' x='2'/>", "Duplicate attribute 'x'."},
      {" <?xml version='1.0'?><A/>",
       "The XML declaration must be at the very start of the document."},
      {"", "XML document must have a top level element."},
      {"<!-- only -->", "XML document must have a top level element."},
      {"<1A/>", "A name was started with an invalid character."},
      {"<A><!-- x </A>", "A comment is not well-formed."},
      {"<A><![CDATA[x</A>", "A CDATA section is not well-formed."},
      {"<?pi", "A processing instruction or the XML declaration is not well-formed."},
      {"<!DOCTYPE", "The document type declaration is not well-formed."},
  };
  for (auto [xml, reason] : reasons) EXPECT_EQ(Reject(xml).reason, reason) << xml;
  for (std::string_view bad : {"<", "<A", "<A>", "<A b='1></A>", "\x01"})
    EXPECT_FALSE(Reject(bad).reason.empty()) << bad;
  EXPECT_EQ(3, Reject("<Root>\n<A>\n<B/>").line);

  // A failure empties the document; the next success clears the error.
  auto doc = Parse("<Kept/>");
  EXPECT_FALSE(LoadText(doc.get(), "<Broken>"));
  EXPECT_EQ("", XmlOf(doc.get()));
  EXPECT_TRUE(LoadText(doc.get(), "<Fine/>"));
  ErrorReport cleared = ErrorOf(doc.get());
  EXPECT_EQ(std::tuple(0, "", 0), std::tuple(cleared.code, cleared.reason, cleared.line));
}

TEST_F(DocumentLoad, FileEncodingsAreDecoded) {
  TempDir folder;
  auto doc = qxml::CreateDocument();
  const std::string_view files[] = {
      "\xEF\xBB\xBF<R>\xC3\xA4</R>",
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><R>\xC3\xA4</R>",
      "<?xml version='1.0' standalone='yes'?><R>\xC3\xA4</R>",
      "<?xml version='1.0' encoding='US-ASCII'?><R>\xC3\xA4</R>",
      "<?xml version='1.0' encoding='ISO-8859-1'?><R>\xE4</R>",
      "<?xml version='1.0' encoding='latin1' standalone='yes'?><R>\xE4</R>",
      std::string_view("\xFF\xFE<\0R\0>\0\xE4\0<\0/\0R\0>\0", 18),
      std::string_view("\xFE\xFF\0<\0R\0>\0\xE4\0<\0/\0R\0>", 18),
  };
  for (std::string_view bytes : files) {
    WriteFile(folder / "enc.xml", bytes);
    ASSERT_TRUE(LoadFile(doc.get(), folder / "enc.xml")) << bytes << ErrorOf(doc.get()).reason;
    EXPECT_EQ("\xC3\xA4", TextOf(Root(doc.get()).get())) << bytes;
  }
  WriteFile(folder / "enc.xml", "<?xml version=\"1.0\" encoding=\"windows-1252\"?><R>\x80</R>");
  ASSERT_TRUE(LoadFile(doc.get(), folder / "enc.xml"));
  EXPECT_EQ("\xE2\x82\xAC", TextOf(Root(doc.get()).get()));

  WriteFile(folder / "enc.xml", "<?xml version='1.0' encoding='EBCDIC-XYZ'?><R/>");
  EXPECT_FALSE(LoadFile(doc.get(), folder / "enc.xml"));
  EXPECT_EQ("The encoding 'EBCDIC-XYZ' of the document is not supported.",
            ErrorOf(doc.get()).reason);
}

TEST_F(DocumentLoad, DeclaredEntitiesAreNotExpanded) {
  auto doc = Parse(R"(<!DOCTYPE r [
    <!ENTITY e "boom">
    <!ENTITY lol "lol">
    <!ENTITY lol2 "&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;">
  ]>
  <r a="&e;" b="&lt;&#65;">&e;&lol2;&amp;&#x42;&quot;</r>)");
  auto root = Root(doc.get());
  EXPECT_EQ("&e;&lol2;&B\"", TextOf(root.get()));
  EXPECT_EQ("&e;", AttrOf(root.get(), "a"));
  EXPECT_EQ("<A", AttrOf(root.get(), "b"));
  EXPECT_EQ(std::string::npos, XmlOf(doc.get()).find("lollol"));
  // The document type stays as a node, so saving keeps it.
  EXPECT_EQ((Types{NODE_DOCUMENT_TYPE, NODE_ELEMENT}), ChildTypes(doc.get()));
  EXPECT_EQ("r", NameOf(Get(doc.get(), &IXMLDOMNode::get_firstChild).get()));
}

TEST_F(DocumentLoad, DeepNestingNeedsNoRecursionAndIsRefusedBeyond256Levels) {
  auto nested = [](int depth) {
    std::string xml;
    for (int i = 0; i < depth; ++i) xml += "<d>";
    xml += "x";
    for (int i = 0; i < depth; ++i) xml += "</d>";
    return xml;
  };
  const std::string deepest = nested(256);
  EXPECT_EQ("x", TextOf(Parse(deepest).get()));
  auto tooDeep = Reject("\n" + nested(257));
  EXPECT_EQ("The document is nested more than 256 levels deep.", tooDeep.reason);
  EXPECT_EQ(2, tooDeep.line);
  EXPECT_EQ(3 * 256 + 1, tooDeep.linepos);

  // The deepest document a file may hold is written and moved between trees
  // whole; a document too deep to read closed still names what is open.
  auto doc = Parse(deepest);
  EXPECT_EQ(deepest + "\n", XmlOf(doc.get()));
  EXPECT_EQ(size_t{254}, Items(ByPath(doc.get(), "d/d/d").get()).size());
  auto holder = NewElement(doc.get(), "h");
  auto root = Root(doc.get());
  ASSERT_EQ(S_OK, doc->removeChild(root.get(), nullptr));
  ASSERT_EQ(S_OK, holder->appendChild(root.get(), nullptr));
  ASSERT_EQ(S_OK, doc->appendChild(holder.get(), nullptr));
  EXPECT_EQ("<h>" + deepest + "</h>", XmlOf(Root(doc.get()).get()));

  constexpr int kDepth = 200000;
  auto unclosed = Reject(nested(kDepth).substr(0, 3 * kDepth + 1));
  EXPECT_EQ(0u, unclosed.reason.find("The following tags were not closed: d, d, d"))
      << unclosed.reason.substr(0, 80);
}

}  // namespace
}  // namespace dom_test
