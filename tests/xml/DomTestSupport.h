#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <type_traits>
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

// The object a member hands out (parent, sibling, owner, attributes, ...),
// checking the HRESULT it answers; null where it answers S_FALSE.
template <class C, class T>
ComPtr<T> Get(std::type_identity_t<C>* node, HRESULT (C::*member)(T**), HRESULT expected = S_OK) {
  ComPtr<T> out;
  EXPECT_EQ(expected, (node->*member)(out.put()));
  return out;
}

// Item i of a node list or an attribute map, checking the HRESULT.
template <class List>
ComPtr<IXMLDOMNode> Item(List* list, LONG i, HRESULT expected = S_OK) {
  ComPtr<IXMLDOMNode> item;
  EXPECT_EQ(expected, list->get_item(i, item.put()));
  return item;
}

template <class List>
LONG Length(List* list) {
  LONG length = -1;
  EXPECT_EQ(S_OK, list->get_length(&length));
  return length;
}

// Whether two interface pointers belong to one object.
inline bool Same(IUnknown* a, IUnknown* b) {
  return qcom::QueryAs<IUnknown>(a).get() == qcom::QueryAs<IUnknown>(b).get();
}

// What a load answered: whether it succeeded, checking that it wrote the flag
// and that the HRESULT agrees.
inline bool LoadAnswer(HRESULT hr, VARIANT_BOOL ok) {
  EXPECT_TRUE(ok == VARIANT_TRUE || ok == VARIANT_FALSE) << "flag not written: " << ok;
  EXPECT_EQ(ok == VARIANT_TRUE ? S_OK : S_FALSE, hr);
  return ok == VARIANT_TRUE;
}

// loadXML; returns whether it succeeded.
inline bool LoadText(IXMLDOMDocument* doc, std::string_view xml) {
  auto ok = static_cast<VARIANT_BOOL>(42);
  HRESULT hr = doc->loadXML(Bstr(xml).get(), &ok);
  return LoadAnswer(hr, ok);
}

inline ComPtr<IXMLDOMDocument> Parse(std::string_view xml) {
  ComPtr<IXMLDOMDocument> doc = qxml::CreateDocument();
  EXPECT_TRUE(LoadText(doc.get(), xml)) << xml;
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

// The nodeValue as text, "" when it is not text.
inline std::string ValueText(IXMLDOMNode* node) {
  qcom::Variant value;
  node->get_nodeValue(value.out());
  return value.text();
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

// A new element, with an "id" attribute when one is given.
inline ComPtr<IXMLDOMElement> NewElement(IXMLDOMDocument* doc, std::string_view name,
                                         std::string_view id = {}) {
  ComPtr<IXMLDOMElement> element;
  EXPECT_EQ(S_OK, doc->createElement(Bstr(name).get(), element.put()));
  if (element && !id.empty()) {
    EXPECT_EQ(S_OK, element->setAttribute(Bstr("id").get(), qcom::Variant(id).raw()));
  }
  return element;
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

// The items of a node list or an attribute map.
template <class List>
std::vector<ComPtr<IXMLDOMNode>> Items(List* list) {
  std::vector<ComPtr<IXMLDOMNode>> items;
  for (LONG i = 0, length = Length(list); i < length; ++i) items.push_back(Item(list, i));
  return items;
}
inline std::vector<ComPtr<IXMLDOMNode>> Children(IXMLDOMNode* node) {
  return Items(Get(node, &IXMLDOMNode::get_childNodes).get());
}
inline std::vector<ComPtr<IXMLDOMNode>> ItemsByPath(IXMLDOMNode* context, std::string_view path) {
  return Items(ByPath(context, path).get());
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
  for (const auto& child : Children(node)) types.push_back(TypeOf(child.get()));
  return types;
}

// load() with a path; returns whether it succeeded.
inline bool LoadFile(IXMLDOMDocument* doc, std::string_view path) {
  auto ok = static_cast<VARIANT_BOOL>(42);
  HRESULT hr = doc->load(qcom::Variant(path).raw(), &ok);
  return LoadAnswer(hr, ok);
}

struct ErrorReport {
  LONG code = 0;
  std::string reason, srcText, url;
  LONG line = 0, linepos = 0, filepos = 0;
};

inline ErrorReport ErrorOf(IXMLDOMDocument* doc) {
  ComPtr<IXMLDOMParseError> error = Get(doc, &IXMLDOMDocument::get_parseError);
  auto text = [&](HRESULT (IXMLDOMParseError::*getter)(BSTR*)) {
    Bstr out;
    (error.get()->*getter)(out.out());
    return out.utf8();
  };
  ErrorReport report{0, text(&IXMLDOMParseError::get_reason), text(&IXMLDOMParseError::get_srcText),
                     text(&IXMLDOMParseError::get_url)};
  error->get_errorCode(&report.code);
  error->get_line(&report.line);
  error->get_linepos(&report.linepos);
  error->get_filepos(&report.filepos);
  return report;
}

}  // namespace dom_test
