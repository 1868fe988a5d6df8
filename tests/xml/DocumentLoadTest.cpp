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
  EXPECT_FALSE(report.reason.empty()) << xml;
  return report;
}

// Where a report points: line, position in the line and in the text (both in
// characters), and the text of the line.
auto Where(const ErrorReport& r) {
  return std::tuple(r.line, r.linepos, r.filepos, r.srcText);
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
  EXPECT_EQ("#comment", NameOf(comment.get()));
  EXPECT_TRUE(qcom::QueryAs<IXMLDOMComment>(comment.get()));
  EXPECT_EQ(" inside ", ValueText(comment.get()));
  // Comments are not text: the element's text skips them.
  EXPECT_EQ("text", TextOf(root.get()));
  EXPECT_EQ(1u, ItemsByPath(doc.get(), "*/*").size());

  doc = Parse("<R>\n  <A> a b </A>\r\n\t<B/>\n</R>");
  root = Root(doc.get());
  EXPECT_EQ((Types{NODE_ELEMENT, NODE_ELEMENT}), ChildTypes(root.get()));
  auto a = Get(root.get(), &IXMLDOMNode::get_firstChild);
  EXPECT_EQ(" a b ", ValueText(Get(a.get(), &IXMLDOMNode::get_firstChild).get()));
}

TEST_F(DocumentLoad, ParseErrorLocatesTheLine) {
  auto report = Reject("<Root>\n  <A>\n  </B>\n</Root>");
  EXPECT_EQ(std::tuple(3, 5, 17, "  </B>"), Where(report));
  EXPECT_NE(std::string::npos, report.reason.find("'B'")) << report.reason;
  EXPECT_NE(std::string::npos, report.reason.find("'A'")) << report.reason;
  EXPECT_EQ("", report.url);

  // Positions count characters, not bytes.
  EXPECT_EQ(std::tuple(2, 8, 11, "<A>\xE2\x82\xAC\xE2\x82\xAC</B></R>"),
            Where(Reject("<R>\n<A>\xE2\x82\xAC\xE2\x82\xAC</B></R>")));
}

TEST_F(DocumentLoad, EveryKindOfMalformedTextIsRejectedWithAReason) {
  auto unclosed = Reject("<Root>\n<A>\n<B/>");
  EXPECT_NE(std::string::npos, unclosed.reason.find("Root, A")) << unclosed.reason;
  EXPECT_EQ(3, unclosed.line);

  EXPECT_EQ(std::tuple(2, 6, 9, "<A b=1/></R>"), Where(Reject("<R>\n<A b=1/></R>")));

  EXPECT_NE(std::string::npos, Reject("<A/><B/>").reason.find("one top level element"));
  EXPECT_NE(std::string::npos, Reject("<A/>text").reason.find("top level"));
  EXPECT_NE(std::string::npos, Reject("<A x='1' x='2'/>").reason.find("Duplicate attribute 'x'"));
  EXPECT_NE(std::string::npos, Reject(" <?xml version='1.0'?><A/>").reason.find("declaration"));
  EXPECT_NE(std::string::npos, Reject("").reason.find("top level element"));
  EXPECT_NE(std::string::npos, Reject("<!-- only -->").reason.find("top level element"));
  for (std::string_view bad : {"<", "<A", "<A>", "</A>", "<1A/>", "<A><!-- x </A>",
                               "<A><![CDATA[x</A>", "<?pi", "<A b='1></A>", "<!DOCTYPE", "\x01"})
    Reject(bad);
}

TEST_F(DocumentLoad, FailureEmptiesTheDocumentAndSuccessClearsTheError) {
  auto doc = Parse("<Kept/>");
  EXPECT_FALSE(LoadText(doc.get(), "<Broken>"));
  EXPECT_FALSE(Root(doc.get()));
  EXPECT_EQ("", XmlOf(doc.get()));
  EXPECT_NE(0, ErrorOf(doc.get()).code);
  LONG state = 0;
  EXPECT_EQ(S_OK, doc->get_readyState(&state));
  EXPECT_EQ(4, state);

  EXPECT_TRUE(LoadText(doc.get(), "<Fine/>"));
  auto report = ErrorOf(doc.get());
  EXPECT_EQ(0, report.code);
  EXPECT_EQ("", report.reason);
  EXPECT_EQ(0, report.line);
  EXPECT_EQ("Fine", NameOf(Root(doc.get()).get()));
}

TEST_F(DocumentLoad, FilesLoadByEitherSeparatorAndFailuresNameTheFile) {
  TempDir folder;
  auto doc = qxml::CreateDocument();
  // A backslash in a path separates folders.
  folder.Write("sub/def.xml", "<Def/>");
  ASSERT_TRUE(LoadFile(doc.get(), folder / "sub\\def.xml"));
  EXPECT_EQ("Def", NameOf(Root(doc.get()).get()));

  std::string missing = folder / "absent.xml";
  EXPECT_FALSE(LoadFile(doc.get(), missing));
  auto report = ErrorOf(doc.get());
  EXPECT_NE(0, report.code);
  EXPECT_NE(std::string::npos, report.reason.find("cannot be found")) << report.reason;
  EXPECT_EQ(missing, report.url);

  EXPECT_FALSE(LoadFile(doc.get(), folder / ""));
  EXPECT_NE(0, ErrorOf(doc.get()).code);
  EXPECT_NE(std::string::npos, ErrorOf(doc.get()).reason.find("folder"));

  // A broken file names itself as the url too.
  WriteFile(folder / "broken.xml", "<A>\n</B>");
  EXPECT_FALSE(LoadFile(doc.get(), folder / "broken.xml"));
  report = ErrorOf(doc.get());
  EXPECT_EQ(folder / "broken.xml", report.url);
  EXPECT_EQ(2, report.line);

  // A path that is not text is refused outright.
  VARIANT_BOOL ok = VARIANT_TRUE;
  EXPECT_EQ(E_INVALIDARG, doc->load(qcom::Variant(int32_t{3}).raw(), &ok));
  EXPECT_EQ(VARIANT_FALSE, ok);
}

TEST_F(DocumentLoad, FileEncodingsAreDecoded) {
  TempDir folder;
  auto doc = qxml::CreateDocument();
  auto loadsAs = [&](std::string_view bytes) {
    WriteFile(folder / "enc.xml", bytes);
    EXPECT_TRUE(LoadFile(doc.get(), folder / "enc.xml")) << ErrorOf(doc.get()).reason;
    auto root = Root(doc.get());
    return root ? TextOf(root.get()) : std::string("(no root)");
  };
  EXPECT_EQ("\xC3\xA4", loadsAs("\xEF\xBB\xBF<R>\xC3\xA4</R>"));
  EXPECT_EQ("\xC3\xA4", loadsAs("<?xml version='1.0' encoding='ISO-8859-1'?><R>\xE4</R>"));
  EXPECT_EQ("\xE2\x82\xAC",
            loadsAs("<?xml version=\"1.0\" encoding=\"windows-1252\"?><R>\x80</R>"));
  EXPECT_EQ("\xC3\xA4", loadsAs(std::string_view("\xFF\xFE<\0R\0>\0\xE4\0<\0/\0R\0>\0", 18)));
  EXPECT_EQ("\xC3\xA4", loadsAs(std::string_view("\xFE\xFF\0<\0R\0>\0\xE4\0<\0/\0R\0>", 18)));

  WriteFile(folder / "enc.xml", "<?xml version='1.0' encoding='EBCDIC-XYZ'?><R/>");
  EXPECT_FALSE(LoadFile(doc.get(), folder / "enc.xml"));
  EXPECT_NE(std::string::npos, ErrorOf(doc.get()).reason.find("EBCDIC-XYZ"));
}

TEST_F(DocumentLoad, DeclaredEntitiesAreNotExpanded) {
  auto doc = Parse(R"(<!DOCTYPE r [
    <!ENTITY e "boom">
    <!ENTITY lol "lol">
    <!ENTITY lol2 "&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;">
    <!ENTITY lol3 "&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;">
  ]>
  <r a="&e;" b="&lt;&#65;">&e;&lol3;&amp;&#x42;&quot;</r>)");
  auto root = Root(doc.get());
  EXPECT_EQ("&e;&lol3;&B\"", TextOf(root.get()));
  EXPECT_EQ("&e;", AttrOf(root.get(), "a"));
  EXPECT_EQ("<A", AttrOf(root.get(), "b"));
  EXPECT_EQ(std::string::npos, XmlOf(doc.get()).find("boomboom"));
  EXPECT_EQ(std::string::npos, TextOf(doc.get()).find("lollol"));
  // The document type stays as a node, so saving keeps it.
  EXPECT_EQ((Types{NODE_DOCUMENT_TYPE, NODE_ELEMENT}), ChildTypes(doc.get()));
  EXPECT_EQ("r", NameOf(Get(doc.get(), &IXMLDOMNode::get_firstChild).get()));
}

TEST_F(DocumentLoad, DeepNestingNeedsNoRecursion) {
  constexpr int kDepth = 200000;
  std::string xml;
  for (int i = 0; i < kDepth; ++i) xml += "<d>";
  xml += "x";
  for (int i = 0; i < kDepth; ++i) xml += "</d>";
  auto doc = Parse(xml);
  EXPECT_EQ("x", TextOf(doc.get()));
  EXPECT_EQ(xml + "\n", XmlOf(doc.get()));
  EXPECT_EQ(size_t{kDepth - 2}, Items(ByPath(doc.get(), "d/d/d").get()).size());

  // Moving the whole chain into a created element copies it between trees.
  auto holder = NewElement(doc.get(), "h");
  auto root = Root(doc.get());
  ASSERT_EQ(S_OK, doc->removeChild(root.get(), nullptr));
  ASSERT_EQ(S_OK, holder->appendChild(root.get(), nullptr));
  ASSERT_EQ(S_OK, doc->appendChild(holder.get(), nullptr));
  EXPECT_EQ("<h>" + xml + "</h>", XmlOf(Root(doc.get()).get()));

  auto unclosed = Reject(xml.substr(0, 3 * kDepth + 1));
  EXPECT_EQ(0u, unclosed.reason.find("The following tags were not closed: d, d, d"))
      << unclosed.reason.substr(0, 80);
}

}  // namespace
}  // namespace dom_test
