#include "xml/XmlParser.h"

#include <cstdio>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "com/TextRules.h"
#include "xml/XmlCharacters.h"

namespace qxml {

namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_comments | pugi::parse_pi |
                                   pugi::parse_declaration | pugi::parse_doctype |
                                   pugi::parse_fragment;

struct Problem {
  size_t offset;
  std::string reason;
};

bool IsNameEnd(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '>' || c == '/' || c == '\0';
}

std::string NameAt(std::string_view text, size_t at) {
  size_t end = at;
  while (end < text.size() && !IsNameEnd(text[end])) ++end;
  return std::string(text.substr(at, end - at));
}

// The elements still open before limit, outermost first. Only called on text
// the parser accepted up to limit, so a plain scan over the markup suffices.
std::vector<std::string> OpenElements(std::string_view text, size_t limit) {
  std::vector<std::string> open;
  auto skipPast = [&](size_t from, std::string_view end) {
    size_t at = text.find(end, from);
    return at == std::string_view::npos ? text.size() : at + end.size();
  };
  size_t i = 0;
  while (i < limit) {
    if (text[i] != '<') {
      ++i;
      continue;
    }
    std::string_view rest = text.substr(i);
    if (rest.starts_with("<!--")) {
      i = skipPast(i + 4, "-->");
    } else if (rest.starts_with("<![CDATA[")) {
      i = skipPast(i + 9, "]]>");
    } else if (rest.starts_with("<?")) {
      i = skipPast(i + 2, "?>");
    } else if (rest.starts_with("<!")) {
      // Document type: ends at the first ">" outside brackets and quotes.
      int depth = 0;
      char quote = 0;
      for (i += 2; i < text.size(); ++i) {
        char c = text[i];
        if (quote) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '[') {
          ++depth;
        } else if (c == ']') {
          --depth;
        } else if (c == '>' && depth <= 0) {
          break;
        }
      }
      ++i;
    } else if (rest.starts_with("</")) {
      if (!open.empty()) open.pop_back();
      i = skipPast(i + 2, ">");
    } else {
      std::string name = NameAt(text, i + 1);
      char quote = 0;
      bool selfClosing = false;
      for (i += 1 + name.size(); i < text.size(); ++i) {
        char c = text[i];
        if (quote) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '>') {
          selfClosing = text[i - 1] == '/';
          break;
        }
      }
      ++i;
      if (!selfClosing) open.push_back(std::move(name));
    }
  }
  return open;
}

std::string Joined(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) {
    if (!out.empty()) out += ", ";
    out += name;
  }
  return out;
}

// pugixml reports a wrong end tag at its name, and the end of the text
// reached with elements open at the last character.
std::string MismatchReason(std::string_view text, size_t offset) {
  bool atEndTag = offset >= 2 && offset < text.size() && text.substr(offset - 2, 2) == "</";
  if (!atEndTag) {
    std::vector<std::string> open = OpenElements(text, text.size());
    if (open.empty()) return "The end of the document was reached inside a tag.";
    return "The following tags were not closed: " + Joined(open) + ".";
  }
  std::string endName = NameAt(text, offset);
  std::vector<std::string> open = OpenElements(text, offset - 2);
  if (open.empty()) return "End tag '" + endName + "' has no matching start tag.";
  return "End tag '" + endName + "' does not match the start tag '" + open.back() + "'.";
}

std::string StatusReason(pugi::xml_parse_status status) {
  switch (status) {
    case pugi::status_out_of_memory:
      return "There is not enough memory to load the document.";
    case pugi::status_unrecognized_tag:
      return "A name was started with an invalid character.";
    case pugi::status_bad_pi:
      return "A processing instruction or the XML declaration is not well-formed.";
    case pugi::status_bad_comment:
      return "A comment is not well-formed.";
    case pugi::status_bad_cdata:
      return "A CDATA section is not well-formed.";
    case pugi::status_bad_doctype:
      return "The document type declaration is not well-formed.";
    case pugi::status_bad_pcdata:
      return "The text is not well-formed.";
    case pugi::status_bad_start_element:
      return "A start tag is not well-formed.";
    case pugi::status_bad_attribute:
      return "An attribute is not well-formed: a name, '=' and a quoted value were expected.";
    case pugi::status_bad_end_element:
      return "An end tag is not well-formed.";
    case pugi::status_no_document_element:
      return "XML document must have a top level element.";
    default:
      return "The document is not well-formed.";
  }
}

// Offset of the markup that starts the node ("<" of a tag, "<?" of a
// declaration); pugixml remembers where each name was read.
std::optional<size_t> MarkupStart(pugi::xml_node n, size_t back) {
  ptrdiff_t at = n.offset_debug();
  if (at < static_cast<ptrdiff_t>(back)) return std::nullopt;
  return static_cast<size_t>(at) - back;
}

std::optional<std::string> RepeatedAttribute(pugi::xml_node element) {
  pugi::xml_attribute first = element.first_attribute();
  if (!first || !first.next_attribute()) return std::nullopt;
  std::unordered_set<std::string_view> seen;
  for (pugi::xml_attribute a : element.attributes())
    if (!seen.insert(a.name()).second) return std::string(a.name());
  return std::nullopt;
}

// As deep as documents of the system ever go, with room to spare; a document
// nested deeper is refused, so no reader of it can run out of stack.
constexpr size_t kMaxDepth = 256;

// The first character of the node's value, or of one of its attribute values,
// that no XML document may hold, even written as a character reference.
std::optional<std::string> ForbiddenCharacter(pugi::xml_node n) {
  if (auto c = FirstNonXmlCharacter(n.value()))
    return "An invalid character (" + CharacterName(*c) + ") was found in text content.";
  for (pugi::xml_attribute a : n.attributes())
    if (auto c = FirstNonXmlCharacter(a.value()))
      return "An invalid character (" + CharacterName(*c) + ") was found in the value of '" +
             a.name() + "'.";
  return std::nullopt;
}

// Repeated attributes, characters XML forbids and nesting beyond kMaxDepth,
// walked without recursion. A problem of a text is reported at its element.
std::optional<Problem> CheckElementTree(pugi::xml_node top) {
  pugi::xml_node element = top;
  size_t depth = 0;
  for (pugi::xml_node n = top; n;) {
    if (n.type() == pugi::node_element) element = n;
    const size_t at = MarkupStart(element, 1).value_or(0);
    if (n.type() == pugi::node_element)
      if (std::optional<std::string> name = RepeatedAttribute(n))
        return Problem{at, "Duplicate attribute '" + *name + "'."};
    if (std::optional<std::string> reason = ForbiddenCharacter(n)) return Problem{at, *reason};
    if (pugi::xml_node child = n.first_child()) {
      if (++depth >= kMaxDepth && child.type() == pugi::node_element)
        return Problem{
            MarkupStart(child, 1).value_or(at),
            "The document is nested more than " + std::to_string(kMaxDepth) + " levels deep."};
      n = child;
      continue;
    }
    while (n != top && !n.next_sibling()) {
      n = n.parent();
      --depth;
    }
    if (n == top) break;
    n = n.next_sibling();
    element = n.parent();
  }
  return std::nullopt;
}

// What pugixml accepts but a well-formed document may not contain, earliest first.
std::optional<Problem> CheckTree(const pugi::xml_document& doc, std::string_view text) {
  pugi::xml_node root = doc.root();
  bool seenElement = false;
  for (pugi::xml_node top : root.children()) {
    switch (top.type()) {
      case pugi::node_declaration:
        if (MarkupStart(top, 2) != size_t{0})
          return Problem{MarkupStart(top, 2).value_or(0),
                         "The XML declaration must be at the very start of the document."};
        break;
      case pugi::node_pcdata:
      case pugi::node_cdata:
        // Text nodes carry no position; the error is reported after the element before it.
        return Problem{
            top.previous_sibling() ? MarkupStart(top.previous_sibling(), 1).value_or(0) : 0,
            "Invalid at the top level of the document."};
      case pugi::node_element:
        if (seenElement)
          return Problem{MarkupStart(top, 1).value_or(0),
                         "Only one top level element is allowed in an XML document."};
        seenElement = true;
        if (std::optional<Problem> problem = CheckElementTree(top)) return problem;
        break;
      default:
        break;
    }
  }
  if (!seenElement) return Problem{text.size(), "XML document must have a top level element."};
  return std::nullopt;
}

}  // namespace

void LocateError(std::string_view text, size_t offset, ParseErrorInfo& info) {
  if (offset > text.size()) offset = text.size();
  size_t lineStart = 0;
  LONG line = 1;
  for (size_t i = 0; i < offset; ++i)
    if (text[i] == '\n') {
      ++line;
      lineStart = i + 1;
    }
  size_t lineEnd = text.find('\n', lineStart);
  if (lineEnd == std::string_view::npos) lineEnd = text.size();
  std::string_view source = text.substr(lineStart, lineEnd - lineStart);
  if (source.ends_with('\r')) source.remove_suffix(1);

  info.line = line;
  info.linepos =
      static_cast<LONG>(qcom::text::Length(text.substr(lineStart, offset - lineStart))) + 1;
  info.filepos = static_cast<LONG>(qcom::text::Length(text.substr(0, offset)));
  info.srcText = std::string(source);
}

ParseOutcome ParseXml(std::string_view utf8) {
  ParseOutcome outcome;
  auto doc = std::make_unique<pugi::xml_document>();
  pugi::xml_parse_result result =
      doc->load_buffer(utf8.data(), utf8.size(), kParseOptions, pugi::encoding_utf8);

  std::optional<Problem> problem;
  if (!result) {
    size_t offset = result.offset < 0 ? 0 : static_cast<size_t>(result.offset);
    problem = Problem{offset, result.status == pugi::status_end_element_mismatch
                                  ? MismatchReason(utf8, offset)
                                  : StatusReason(result.status)};
  } else {
    problem = CheckTree(*doc, utf8);
  }

  if (problem) {
    outcome.error.code = XML_E_PARSE;
    outcome.error.reason = problem->reason;
    LocateError(utf8, problem->offset, outcome.error);
    return outcome;
  }
  outcome.doc = std::move(doc);
  return outcome;
}

}  // namespace qxml
