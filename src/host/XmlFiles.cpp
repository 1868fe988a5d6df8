#include "host/XmlFiles.h"

#include <cstdio>
#include <filesystem>

#include "com/ErrorRecord.h"
#include "com/Variant.h"
#include "host/ComponentSession.h"
#include "xml/Elements.h"
#include "xml/FileAccess.h"

namespace host {

namespace {

void AppendText(IXMLDOMDocument* document, IXMLDOMNode* parent, const std::string& text,
                IXMLDOMNode* before) {
  qcom::ComPtr<IXMLDOMText> node;
  qcom::Bstr data(text);
  if (FAILED(document->createTextNode(data.get(), node.put())) || !node) return;
  qxml::NodePtr appended;
  parent->appendChild(node.get(), appended.put());
  if (before) {
    // The DOM has no insertBefore: move the sibling behind the new text instead.
    qxml::NodePtr moved;
    parent->appendChild(before, moved.put());
  }
}

// Puts each child of an element that holds only elements and comments on its
// own line. Elements with text keep their content exactly as it is.
void Indent(IXMLDOMDocument* document, IXMLDOMNode* element, const std::string& margin) {
  std::vector<qxml::NodePtr> children;
  qxml::NodePtr child;
  if (element->get_firstChild(child.put()) != S_OK) return;
  while (child) {
    DOMNodeType type = NODE_INVALID;
    child->get_nodeType(&type);
    if (type != NODE_ELEMENT && type != NODE_COMMENT) return;  // content with text stays as it is
    children.push_back(child);
    qxml::NodePtr next;
    if (child->get_nextSibling(next.put()) != S_OK) break;
    child = next;
  }
  const std::string inner = margin + "  ";
  for (const qxml::NodePtr& c : children) {
    Indent(document, c.get(), inner);
    AppendText(document, element, "\n" + inner, c.get());
  }
  AppendText(document, element, "\n" + margin, nullptr);
}

void IndentDocument(IXMLDOMDocument* document) {
  qxml::ElementPtr root = qxml::RootOf(document);
  if (root) Indent(document, root.get(), "");
}

std::string WriteFailure(HRESULT hr, const std::string& path) {
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::absolute(path, ec).parent_path();
  if (!std::filesystem::is_directory(folder, ec))
    return "cannot write " + path + ": the folder " + folder.string() + " does not exist";
  if (std::string kind = qxml::SpecialFileKind(path); !kind.empty())
    return "cannot write " + path + ": it is " + kind + ", not a regular file";
  if (hr == E_ACCESSDENIED) return "cannot write " + path + ": access denied";
  return "cannot write " + path + " (error " + qcom::HresultText(hr) +
         "); an existing file is left as it was";
}

}  // namespace

qcom::ComPtr<IXMLDOMDocument> LoadXmlFile(const std::string& path, std::string& error) {
  auto document = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  document->load(qcom::Variant(path).raw(), &ok);
  if (ok == VARIANT_TRUE) return document;
  qcom::ComPtr<IXMLDOMParseError> parseError;
  document->get_parseError(parseError.put());
  qcom::Bstr reason;
  LONG line = 0;
  if (parseError) {
    parseError->get_reason(reason.out());
    parseError->get_line(&line);
  }
  error =
      path + (line > 0 ? ": line " + std::to_string(line) : std::string()) + ": " + reason.utf8();
  return nullptr;
}

bool WriteXmlFile(IXMLDOMDocument* document, const std::string& path, std::string& error) {
  IndentDocument(document);
  HRESULT hr = document->save(qcom::Variant(path).raw());
  if (SUCCEEDED(hr)) return true;
  error = WriteFailure(hr, path);
  return false;
}

bool PrintXml(IXMLDOMDocument* document, std::string& error) {
  IndentDocument(document);
  std::optional<std::string> text = qxml::FileText(document);
  if (!text) {
    error = "cannot write to standard output: the document has no element";
    return false;
  }
  std::fwrite(text->data(), 1, text->size(), stdout);
  return true;
}

std::string BundledCatalogue() {
  return InstallFolder() + "/snvt/snvt.xml";
}

}  // namespace host
