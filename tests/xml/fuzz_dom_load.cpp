// Feeds arbitrary bytes to the document loader, as a file and as text, then does
// what the system's loaders do: walk and read the nodes, look up paths, write the
// document out. What it writes must load again and write the same from then on;
// nothing may be left alive afterwards.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

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

ComPtr<IXMLDOMDocument> FromText(const std::string& xml) {
  ComPtr<IXMLDOMDocument> doc = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  doc->loadXML(Bstr(xml).get(), &ok);
  Check(ok == VARIANT_TRUE, "written document does not load again");
  return doc;
}

// Visits every node in document order without recursion, reading what loaders read.
void Walk(IXMLDOMDocument* doc) {
  ComPtr<IXMLDOMNode> node;
  doc->get_firstChild(node.put());
  for (int budget = 20000; node && budget-- > 0;) {
    Bstr text;
    qcom::Variant value;
    DOMNodeType type = NODE_INVALID;
    node->get_baseName(text.out());
    node->get_text(text.out());
    node->get_nodeValue(value.out());
    node->get_nodeType(&type);
    Check(type != NODE_INVALID, "node without a type");
    ComPtr<IXMLDOMNamedNodeMap> attributes;
    ComPtr<IXMLDOMNode> attr;
    if (node->get_attributes(attributes.put()) == S_OK &&
        attributes->get_item(0, attr.put()) == S_OK)
      attr->get_xml(text.out());
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

void Exercise(IXMLDOMDocument* doc, VARIANT_BOOL loaded) {
  ComPtr<IXMLDOMParseError> error;
  Check(doc->get_parseError(error.put()) == S_OK, "no parseError");
  LONG code = 0;
  error->get_errorCode(&code);
  ComPtr<IXMLDOMElement> root;
  if (loaded != VARIANT_TRUE) {
    Check(code != 0, "failed load without error code");
    Check(doc->get_documentElement(root.put()) == S_FALSE, "failed load left content");
    return;
  }
  Check(code == 0, "successful load with error code");
  Walk(doc);
  ComPtr<IXMLDOMNodeList> list;
  LONG found = 0;
  if (doc->getElementsByTagName(Bstr("*/*").get(), list.put()) == S_OK) list->get_length(&found);
  std::string twice = XmlOf(FromText(XmlOf(doc)).get());
  Check(XmlOf(FromText(twice).get()) == twice, "writing is not stable");

  // Move the first element below a new one and back under the document.
  if (doc->get_documentElement(root.put()) == S_OK) {
    ComPtr<IXMLDOMElement> wrapper;
    doc->createElement(Bstr("W").get(), wrapper.put());
    Check(doc->removeChild(root.get(), nullptr) == S_OK &&
              wrapper->appendChild(root.get(), nullptr) == S_OK &&
              doc->appendChild(wrapper.get(), nullptr) == S_OK,
          "moving the element failed");
    FromText(XmlOf(doc));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const int fd = memfd_create("fuzz_dom_load", 0);
  if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
    return 0;
  {
    ComPtr<IXMLDOMDocument> doc = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    doc->load(qcom::Variant("/proc/self/fd/" + std::to_string(fd)).raw(), &ok);
    Exercise(doc.get(), ok);
    doc->loadXML(Bstr(std::string_view(reinterpret_cast<const char*>(data), size)).get(), &ok);
    Exercise(doc.get(), ok);
  }
  Check(qxml::LiveObjectCount() == 0, "DOM objects left alive");
  return 0;
}
