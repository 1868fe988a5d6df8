#include "xml/XmlWriter.h"

#include <string_view>

namespace qxml::xml_writer {

namespace {

void AppendEscaped(std::string& out, std::string_view text, bool attribute) {
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += attribute ? "&quot;" : "\"";
        break;
      case '\r':
        out += "&#13;";
        break;
      case '\n':
        out += attribute ? "&#10;" : "\n";
        break;
      case '\t':
        out += attribute ? "&#9;" : "\t";
        break;
      default:
        out += c;
    }
  }
}

void AppendAttribute(std::string& out, pugi::xml_attribute attr) {
  out += attr.name();
  out += "=\"";
  AppendEscaped(out, attr.value(), true);
  out += '"';
}

void AppendDeclaration(std::string& out, pugi::xml_node decl, Declaration style) {
  pugi::xml_attribute version = decl.attribute("version");
  out += "<?xml version=\"";
  out += version ? version.value() : "1.0";
  out += '"';
  if (style == Declaration::kForFile) out += " encoding=\"UTF-8\"";
  if (pugi::xml_attribute standalone = decl.attribute("standalone")) {
    out += ' ';
    AppendAttribute(out, standalone);
  }
  out += "?>";
}

void AppendCdata(std::string& out, std::string_view text) {
  // "]]>" cannot appear inside a section: end it between "]]" and ">".
  out += "<![CDATA[";
  for (size_t at; (at = text.find("]]>")) != std::string_view::npos;) {
    out += text.substr(0, at + 2);
    out += "]]><![CDATA[";
    text.remove_prefix(at + 2);
  }
  out += text;
  out += "]]>";
}

// Everything but the children of an element.
void AppendOwnMarkup(std::string& out, pugi::xml_node n, Declaration style) {
  switch (n.type()) {
    case pugi::node_element:
      out += '<';
      out += n.name();
      for (pugi::xml_attribute a : n.attributes()) {
        out += ' ';
        AppendAttribute(out, a);
      }
      out += n.first_child() ? ">" : "/>";
      break;
    case pugi::node_pcdata:
      AppendEscaped(out, n.value(), false);
      break;
    case pugi::node_cdata:
      AppendCdata(out, n.value());
      break;
    case pugi::node_comment:
      out += "<!--";
      out += n.value();
      out += "-->";
      break;
    case pugi::node_pi:
      out += "<?";
      out += n.name();
      if (*n.value()) {
        out += ' ';
        out += n.value();
      }
      out += "?>";
      break;
    case pugi::node_declaration:
      AppendDeclaration(out, n, style);
      break;
    case pugi::node_doctype:
      out += "<!DOCTYPE ";
      out += n.value();
      out += '>';
      break;
    default:
      break;
  }
}

// Walks the subtree without recursion, so nesting depth costs no stack.
void AppendSubtree(std::string& out, pugi::xml_node top, Declaration style) {
  pugi::xml_node n = top;
  for (;;) {
    AppendOwnMarkup(out, n, style);
    if (n.type() == pugi::node_element && n.first_child()) {
      n = n.first_child();
      continue;
    }
    for (;;) {
      if (n == top) return;
      if (pugi::xml_node sibling = n.next_sibling()) {
        n = sibling;
        break;
      }
      n = n.parent();
      out += "</";
      out += n.name();
      out += '>';
    }
  }
}

}  // namespace

std::string NodeXml(const NodeHandle& node) {
  std::string out;
  if (node.IsAttribute())
    AppendAttribute(out, node.attr);
  else if (node.node.type() == pugi::node_document)
    out = DocumentXml(node.node, Declaration::kAsText);
  else
    AppendSubtree(out, node.node, Declaration::kAsText);
  return out;
}

std::string DocumentXml(pugi::xml_node root, Declaration declaration) {
  std::string out;
  if (declaration == Declaration::kForFile) {
    pugi::xml_node decl = root.first_child();
    if (decl.type() == pugi::node_declaration)
      AppendDeclaration(out, decl, declaration);
    else
      out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    out += '\n';
  }
  for (pugi::xml_node n : root.children()) {
    if (declaration == Declaration::kForFile && n.type() == pugi::node_declaration) continue;
    AppendSubtree(out, n, declaration);
    out += '\n';
  }
  return out;
}

}  // namespace qxml::xml_writer
