// Feeds arbitrary bytes to the document loader, as a file and as text, then
// does with the result what the system's loaders do: walk the nodes, read
// names, values and attributes, look up paths and write the document out. What
// a loaded document writes must load again and write the same from then on,
// and nothing may be left alive afterwards.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "com/Bstr.h"
#include "com/Variant.h"
#include "xml/Dom.h"

namespace {

using qcom::Bstr;
using qcom::ComPtr;

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz_dom_load: %s\n", what);
  std::abort();
}

std::string XmlOf(IXMLDOMNode* node) {
  Bstr xml;
  Check(node->get_xml(xml.out()) == S_OK, "get_xml failed");
  return xml.utf8();
}

void ReadNode(IXMLDOMNode* node) {
  Bstr text;
  qcom::Variant value;
  DOMNodeType type = NODE_INVALID;
  node->get_nodeName(text.out());
  node->get_baseName(text.out());
  node->get_text(text.out());
  node->get_nodeValue(value.out());
  node->get_nodeType(&type);
  Check(type != NODE_INVALID, "node without a type");
  ComPtr<IXMLDOMNamedNodeMap> attributes;
  if (node->get_attributes(attributes.put()) == S_OK) {
    LONG length = 0;
    attributes->get_length(&length);
    for (LONG i = 0; i < length; ++i) {
      ComPtr<IXMLDOMNode> attr;
      Check(attributes->get_item(i, attr.put()) == S_OK, "attribute missing");
      attr->get_xml(text.out());
    }
  }
}

// Visits every node in document order without recursion.
void Walk(IXMLDOMDocument* doc) {
  ComPtr<IXMLDOMNode> node;
  doc->get_firstChild(node.put());
  int budget = 20000;
  while (node && budget-- > 0) {
    ReadNode(node.get());
    ComPtr<IXMLDOMNode> next;
    if (node->get_firstChild(next.put()) == S_OK) {
      node = next;
      continue;
    }
    while (node && node->get_nextSibling(next.put()) != S_OK) {
      ComPtr<IXMLDOMNode> parent;
      node->get_parentNode(parent.put());
      node = qcom::QueryAs<IXMLDOMDocument>(parent.get()) ? nullptr : parent;
    }
    if (node) node = next;
  }
}

ComPtr<IXMLDOMDocument> FromText(const std::string& xml) {
  ComPtr<IXMLDOMDocument> doc = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  doc->loadXML(Bstr(xml).get(), &ok);
  Check(ok == VARIANT_TRUE, "written document does not load again");
  return doc;
}

void Exercise(IXMLDOMDocument* doc, VARIANT_BOOL loaded) {
  ComPtr<IXMLDOMParseError> error;
  Check(doc->get_parseError(error.put()) == S_OK, "no parseError");
  LONG code = 0, line = 0;
  error->get_errorCode(&code);
  error->get_line(&line);
  if (loaded != VARIANT_TRUE) {
    Check(code != 0, "failed load without error code");
    ComPtr<IXMLDOMElement> none;
    Check(doc->get_documentElement(none.put()) == S_FALSE, "failed load left content");
    return;
  }
  Check(code == 0, "successful load with error code");
  Walk(doc);
  ComPtr<IXMLDOMNodeList> list;
  doc->getElementsByTagName(Bstr("*/*").get(), list.put());
  LONG length = 0;
  list->get_length(&length);

  std::string once = XmlOf(doc);
  auto second = FromText(once);
  std::string twice = XmlOf(second.get());
  auto third = FromText(twice);
  Check(XmlOf(third.get()) == twice, "writing is not stable");

  // Move the first element below a new one and back under the document.
  ComPtr<IXMLDOMElement> root;
  if (doc->get_documentElement(root.put()) == S_OK) {
    ComPtr<IXMLDOMElement> wrapper;
    Check(doc->createElement(Bstr("W").get(), wrapper.put()) == S_OK, "createElement failed");
    ComPtr<IXMLDOMNode> removed;
    Check(doc->removeChild(root.get(), removed.put()) == S_OK, "removeChild failed");
    Check(wrapper->appendChild(root.get(), nullptr) == S_OK, "append to detached failed");
    Check(doc->appendChild(wrapper.get(), nullptr) == S_OK, "append to document failed");
    FromText(XmlOf(doc));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const int fd = memfd_create("fuzz_dom_load", 0);
  if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
    return 0;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  {
    ComPtr<IXMLDOMDocument> doc = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    doc->load(qcom::Variant("/proc/self/fd/" + std::to_string(fd)).raw(), &ok);
    Exercise(doc.get(), ok);
    doc->loadXML(Bstr(bytes).get(), &ok);
    Exercise(doc.get(), ok);
  }
  Check(qxml::LiveObjectCount() == 0, "DOM objects left alive");
  return 0;
}
