#pragma once

#include <string>

#include "xml/NodeHandle.h"

namespace qxml {

// Serialisation without indentation. Escapes are chosen so that reading the
// text back gives the same tree: carriage returns in text and white space in
// attribute values are written as character references, since a reader
// normalises them otherwise.
namespace xml_writer {

// The node with its subtree; an attribute as name="value".
std::string NodeXml(const NodeHandle& node);

// What the document's XML declaration says when written: the text form drops
// the encoding (the text is not bytes any more), a file always says UTF-8.
enum class Declaration { kAsText, kForFile };

// The top-level nodes of a document root, each on its own line.
std::string DocumentXml(pugi::xml_node root, Declaration declaration);

}  // namespace xml_writer
}  // namespace qxml
