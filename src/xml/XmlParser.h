#pragma once

#include <memory>
#include <string_view>

#include <pugixml.hpp>

#include "xml/ParseErrorInfo.h"

namespace qxml {

struct ParseOutcome {
  std::unique_ptr<pugi::xml_document> doc;  // null when the text is not well-formed
  ParseErrorInfo error;                     // code 0 on success
};

// Reads a whole document from UTF-8 text. Comments, processing instructions
// and the document type are kept as nodes; white space between elements is
// dropped; no DTD is processed and only the predefined entities and character
// references are expanded, so a declared entity stays as written. On top of
// what pugixml checks, the document must have exactly one top-level element,
// no text outside it, the XML declaration first and no repeated attribute.
ParseOutcome ParseXml(std::string_view utf8);

// Fills line, linepos, filepos and srcText for a 0-based byte offset into text.
void LocateError(std::string_view text, size_t offset, ParseErrorInfo& info);

}  // namespace qxml
