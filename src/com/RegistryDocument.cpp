#include "com/RegistryDocument.h"

#include <algorithm>
#include <initializer_list>
#include <sstream>

#include <pugixml.hpp>

#include "com/TextRules.h"

namespace qcom {

const ClassRegistration* RegistryDocument::FindClass(REFCLSID clsid) const {
  for (const ClassRegistration& c : classes)
    if (c.clsid == clsid) return &c;
  return nullptr;
}

const ClassRegistration* RegistryDocument::FindProgId(std::string_view progId) const {
  if (progId.empty()) return nullptr;
  for (const ClassRegistration& c : classes)
    if (!c.progId.empty() && text::EqualsNoCase(c.progId, progId)) return &c;
  return nullptr;
}

const TypeLibRegistration* RegistryDocument::FindTypeLib(const GUID& libid) const {
  for (const TypeLibRegistration& t : typeLibs)
    if (t.libid == libid) return &t;
  return nullptr;
}

void RegistryDocument::Add(const std::vector<ClassRegistration>& added,
                           const TypeLibRegistration* typeLib) {
  for (const ClassRegistration& c : added) {
    // The ProgID moves to the class registered last.
    if (!c.progId.empty())
      for (ClassRegistration& other : classes)
        if (!(other.clsid == c.clsid) && text::EqualsNoCase(other.progId, c.progId))
          other.progId.clear();
    ClassRegistration entry = c;
    if (entry.threadingModel.empty()) entry.threadingModel = "Apartment";
    auto same = std::find_if(classes.begin(), classes.end(),
                             [&](const ClassRegistration& o) { return o.clsid == c.clsid; });
    if (same != classes.end())
      *same = std::move(entry);
    else
      classes.push_back(std::move(entry));
  }
  if (typeLib) {
    auto same = std::find_if(typeLibs.begin(), typeLibs.end(), [&](const TypeLibRegistration& o) {
      return o.libid == typeLib->libid;
    });
    if (same != typeLibs.end())
      *same = *typeLib;
    else
      typeLibs.push_back(*typeLib);
  }
}

void RegistryDocument::Remove(const std::vector<CLSID>& clsids, const GUID* libid) {
  std::erase_if(classes, [&](const ClassRegistration& c) {
    return std::find(clsids.begin(), clsids.end(), c.clsid) != clsids.end();
  });
  if (libid)
    std::erase_if(typeLibs, [&](const TypeLibRegistration& t) { return t.libid == *libid; });
}

namespace {

size_t LineAt(std::string_view text, ptrdiff_t offset) {
  size_t end = offset < 0 ? 0 : std::min(static_cast<size_t>(offset), text.size());
  return 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + end, '\n'));
}

// Reads the elements of one document, stopping at the first problem.
class Reader {
 public:
  Reader(std::string_view text, std::string& problem) : text_(text), problem_(problem) {}

  bool Fail(pugi::xml_node node, const std::string& what) {
    problem_ = "line " + std::to_string(LineAt(text_, node.offset_debug())) + ": " + what;
    return false;
  }

  bool OnlyAttributes(pugi::xml_node node, std::initializer_list<std::string_view> allowed) {
    for (pugi::xml_attribute a : node.attributes())
      if (std::find(allowed.begin(), allowed.end(), std::string_view(a.name())) == allowed.end())
        return Fail(node,
                    "unknown attribute '" + std::string(a.name()) + "' on <" + node.name() + ">");
    if (pugi::xml_node child = node.first_child())
      return Fail(child.type() == pugi::node_element ? child : node,
                  std::string("<") + node.name() + "> must be empty");
    return true;
  }

  bool Guid(pugi::xml_node node, const char* attribute, bool required, GUID& out) {
    pugi::xml_attribute a = node.attribute(attribute);
    if (!a) {
      if (!required) return true;
      return Fail(node, std::string("<") + node.name() + "> has no " + attribute);
    }
    std::optional<GUID> g = GuidFromString(a.value());
    if (!g)
      return Fail(node, std::string("bad GUID '") + a.value() + "' in " + attribute + " of <" +
                            node.name() + ">");
    out = *g;
    return true;
  }

  bool Class(pugi::xml_node node, RegistryDocument& doc) {
    if (!OnlyAttributes(node, {"clsid", "progid", "name", "library", "threading", "typelib"}))
      return false;
    ClassRegistration c;
    if (!Guid(node, "clsid", true, c.clsid)) return false;
    GUID libid{};
    if (!Guid(node, "typelib", false, libid)) return false;
    if (node.attribute("typelib")) c.typeLib = GuidToString(libid);
    c.progId = node.attribute("progid").value();
    c.name = node.attribute("name").value();
    c.library = node.attribute("library").value();
    if (c.library.empty()) return Fail(node, "class " + GuidToString(c.clsid) + " has no library");
    if (pugi::xml_attribute t = node.attribute("threading")) c.threadingModel = t.value();
    if (doc.FindClass(c.clsid))
      return Fail(node, "class " + GuidToString(c.clsid) + " is listed twice");
    if (doc.FindProgId(c.progId)) return Fail(node, "ProgID '" + c.progId + "' is listed twice");
    doc.classes.push_back(std::move(c));
    return true;
  }

  bool TypeLib(pugi::xml_node node, RegistryDocument& doc) {
    if (!OnlyAttributes(node, {"libid", "name", "version", "library"})) return false;
    TypeLibRegistration t;
    if (!Guid(node, "libid", true, t.libid)) return false;
    t.name = node.attribute("name").value();
    t.version = node.attribute("version").value();
    t.library = node.attribute("library").value();
    if (doc.FindTypeLib(t.libid))
      return Fail(node, "type library " + GuidToString(t.libid) + " is listed twice");
    doc.typeLibs.push_back(std::move(t));
    return true;
  }

  bool Root(pugi::xml_node root, RegistryDocument& doc) {
    if (std::string_view(root.name()) != "registry")
      return Fail(root, std::string("root element is <") + root.name() + ">, not <registry>");
    if (pugi::xml_attribute a = root.first_attribute())
      return Fail(root, "unknown attribute '" + std::string(a.name()) + "' on <registry>");
    for (pugi::xml_node child : root.children()) {
      if (child.type() != pugi::node_element) return Fail(root, "<registry> holds text");
      std::string_view name = child.name();
      bool ok = name == "class"     ? Class(child, doc)
                : name == "typelib" ? TypeLib(child, doc)
                                    : Fail(child, "unknown element <" + std::string(name) + ">");
      if (!ok) return false;
    }
    return true;
  }

 private:
  std::string_view text_;
  std::string& problem_;
};

}  // namespace

bool RegistryDocument::Parse(std::string_view xml, RegistryDocument& out, std::string& problem) {
  pugi::xml_document doc;
  pugi::xml_parse_result result = doc.load_buffer(xml.data(), xml.size());
  if (!result) {
    problem = "line " + std::to_string(LineAt(xml, result.offset)) + ": " + result.description();
    return false;
  }
  RegistryDocument parsed;
  Reader reader(xml, problem);
  if (!reader.Root(doc.document_element(), parsed)) return false;
  out = std::move(parsed);
  return true;
}

std::string RegistryDocument::Serialize() const {
  pugi::xml_document doc;
  pugi::xml_node decl = doc.append_child(pugi::node_declaration);
  decl.append_attribute("version") = "1.0";
  decl.append_attribute("encoding") = "UTF-8";
  pugi::xml_node root = doc.append_child("registry");
  auto optional = [](pugi::xml_node node, const char* name, const std::string& value) {
    if (!value.empty()) node.append_attribute(name) = value.c_str();
  };
  for (const ClassRegistration& c : classes) {
    pugi::xml_node node = root.append_child("class");
    node.append_attribute("clsid") = GuidToString(c.clsid).c_str();
    optional(node, "progid", c.progId);
    optional(node, "name", c.name);
    node.append_attribute("library") = c.library.c_str();
    node.append_attribute("threading") = c.threadingModel.c_str();
    optional(node, "typelib", c.typeLib);
  }
  for (const TypeLibRegistration& t : typeLibs) {
    pugi::xml_node node = root.append_child("typelib");
    node.append_attribute("libid") = GuidToString(t.libid).c_str();
    optional(node, "name", t.name);
    optional(node, "version", t.version);
    optional(node, "library", t.library);
  }
  std::ostringstream out;
  doc.save(out, "  ", pugi::format_indent | pugi::format_indent_attributes, pugi::encoding_utf8);
  return out.str();
}

}  // namespace qcom
