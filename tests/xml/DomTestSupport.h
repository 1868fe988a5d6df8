#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "com/Bstr.h"
#include "com/ComPtr.h"
#include "com/Variant.h"
#include "support/TempDir.h"
#include "xml/Dom.h"

// Shared helpers of the DOM tests: short ways to load, look up and read nodes.
namespace dom_test {

using qcom::Bstr;
using qcom::ComPtr;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

// Every test ends with no DOM object and no BSTR left alive.
class DomTest : public ::testing::Test {
 protected:
  void SetUp() override { bstrsAtStart_ = qcom::LiveBstrCount(); }
  void TearDown() override {
    EXPECT_EQ(0, qxml::LiveObjectCount()) << "DOM objects leaked";
    EXPECT_EQ(bstrsAtStart_, qcom::LiveBstrCount()) << "BSTRs leaked";
  }

 private:
  int64_t bstrsAtStart_ = 0;
};

inline ComPtr<IXMLDOMDocument> Parse(std::string_view xml) {
  ComPtr<IXMLDOMDocument> doc = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  Bstr text(xml);
  EXPECT_EQ(S_OK, doc->loadXML(text.get(), &ok));
  EXPECT_EQ(VARIANT_TRUE, ok) << xml;
  return doc;
}

inline std::string Read(HRESULT (IXMLDOMNode::*getter)(BSTR*), IXMLDOMNode* node) {
  Bstr out;
  EXPECT_TRUE(SUCCEEDED((node->*getter)(out.out())));
  return out.utf8();
}
inline std::string NameOf(IXMLDOMNode* node) {
  return Read(&IXMLDOMNode::get_nodeName, node);
}
inline std::string TextOf(IXMLDOMNode* node) {
  return Read(&IXMLDOMNode::get_text, node);
}
inline std::string XmlOf(IXMLDOMNode* node) {
  return Read(&IXMLDOMNode::get_xml, node);
}

inline DOMNodeType TypeOf(IXMLDOMNode* node) {
  DOMNodeType type = NODE_INVALID;
  EXPECT_EQ(S_OK, node->get_nodeType(&type));
  return type;
}

inline ComPtr<IXMLDOMElement> Root(IXMLDOMDocument* doc) {
  ComPtr<IXMLDOMElement> root;
  doc->get_documentElement(root.put());
  return root;
}

// The value of an attribute, "(none)" when it is absent.
inline std::string AttrOf(IXMLDOMNode* node, std::string_view name) {
  ComPtr<IXMLDOMElement> element = qcom::QueryAs<IXMLDOMElement>(node);
  if (!element) return "(not an element)";
  qcom::Variant value;
  element->getAttribute(Bstr(name).get(), value.out());
  return value.type() == VT_NULL ? "(none)" : value.text();
}

// getElementsByTagName of a document or an element.
inline ComPtr<IXMLDOMNodeList> ByPath(IXMLDOMNode* context, std::string_view path) {
  ComPtr<IXMLDOMNodeList> list;
  Bstr text(path);
  if (auto doc = qcom::QueryAs<IXMLDOMDocument>(context)) {
    EXPECT_EQ(S_OK, doc->getElementsByTagName(text.get(), list.put()));
  } else if (auto element = qcom::QueryAs<IXMLDOMElement>(context)) {
    EXPECT_EQ(S_OK, element->getElementsByTagName(text.get(), list.put()));
  }
  return list;
}

inline std::vector<ComPtr<IXMLDOMNode>> Items(IXMLDOMNodeList* list) {
  std::vector<ComPtr<IXMLDOMNode>> items;
  LONG length = 0;
  EXPECT_EQ(S_OK, list->get_length(&length));
  for (LONG i = 0; i < length; ++i) {
    ComPtr<IXMLDOMNode> item;
    EXPECT_EQ(S_OK, list->get_item(i, item.put()));
    items.push_back(item);
  }
  return items;
}

// The "id" attributes of the elements found by a path, in list order.
inline std::vector<std::string> IdsByPath(IXMLDOMNode* context, std::string_view path) {
  std::vector<std::string> ids;
  ComPtr<IXMLDOMNodeList> list = ByPath(context, path);
  if (!list) return ids;
  for (const auto& item : Items(list.get())) ids.push_back(AttrOf(item.get(), "id"));
  return ids;
}

inline std::vector<DOMNodeType> ChildTypes(IXMLDOMNode* node) {
  std::vector<DOMNodeType> types;
  ComPtr<IXMLDOMNodeList> children;
  EXPECT_EQ(S_OK, node->get_childNodes(children.put()));
  for (const auto& child : Items(children.get())) types.push_back(TypeOf(child.get()));
  return types;
}

// load() with a path; returns whether it succeeded and checks the HRESULT agrees.
inline bool LoadFile(IXMLDOMDocument* doc, std::string_view path) {
  VARIANT_BOOL ok = VARIANT_TRUE;
  HRESULT hr = doc->load(qcom::Variant(path).raw(), &ok);
  EXPECT_EQ(ok == VARIANT_TRUE ? S_OK : S_FALSE, hr);
  return ok == VARIANT_TRUE;
}

struct ErrorReport {
  LONG code = 0;
  std::string reason, srcText, url;
  LONG line = 0, linepos = 0, filepos = 0;
};

inline ErrorReport ErrorOf(IXMLDOMDocument* doc) {
  ComPtr<IXMLDOMParseError> error;
  EXPECT_EQ(S_OK, doc->get_parseError(error.put()));
  ErrorReport report;
  Bstr reason, src, url;
  error->get_errorCode(&report.code);
  error->get_reason(reason.out());
  error->get_srcText(src.out());
  error->get_url(url.out());
  error->get_line(&report.line);
  error->get_linepos(&report.linepos);
  error->get_filepos(&report.filepos);
  report.reason = reason.utf8();
  report.srcText = src.utf8();
  report.url = url.utf8();
  return report;
}

}  // namespace dom_test
