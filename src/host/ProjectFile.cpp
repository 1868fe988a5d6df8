#include "host/ProjectFile.h"

#include "host/XmlFiles.h"
#include "xml/Dom.h"

namespace host {

namespace {

// The identity attributes in the order the host writes them.
void WriteIdentity(IXMLDOMElement* wrapper, const ObjectIdentity& identity) {
  dom::SetAttribute(wrapper, "type", identity.type);
  dom::SetAttribute(wrapper, "progId", identity.progId);
  dom::SetAttribute(wrapper, "key", identity.key);
  dom::SetAttribute(wrapper, "globalKey", identity.globalKey);
  dom::SetAttribute(wrapper, "extendedKey", identity.extendedKey);
  dom::SetAttribute(wrapper, "uniqueId", identity.uniqueId);
  dom::SetAttribute(wrapper, "tag", identity.tag);
  dom::SetAttribute(wrapper, "userName", identity.userName);
  dom::SetAttribute(wrapper, "x", PositionText(identity.x));
  dom::SetAttribute(wrapper, "y", PositionText(identity.y));
  dom::SetAttribute(wrapper, "exportIndex", std::to_string(identity.exportIndex));
}

}  // namespace

ProjectFile::ProjectFile(SaveForm form) : document_(qxml::CreateDocument()), form_(form) {
  root_ = dom::AppendElement(document_.get(), document_.get(), kProjectRoot);
  dom::SetAttribute(root_.get(), "version", kProjectVersion);
  if (form != SaveForm::kNormal) dom::SetAttribute(root_.get(), "form", SaveFormName(form));
}

bool ProjectFile::Read(const std::string& path, std::string& error) {
  entries_.clear();
  document_ = LoadXmlFile(path, error);
  if (!document_) return false;
  root_ = dom::RootOf(document_.get());
  if (!root_) {
    error = path + ": no root element";
    return false;
  }
  const std::string rootName = dom::NameOf(root_.get());
  bare_ = rootName != kProjectRoot;
  form_ = SaveForm::kNormal;
  if (bare_) {
    entries_.push_back({DefaultIdentity(rootName, 1), nullptr, root_});
    return true;
  }
  auto version = dom::AttributeOf(root_.get(), "version");
  if (version != kProjectVersion) {
    error = path + ": " +
            (version ? "project version " + *version + " is not supported"
                     : "project without version") +
            " (this tqhost reads version " + kProjectVersion + ")";
    return false;
  }
  if (auto form = dom::AttributeOf(root_.get(), "form")) {
    auto parsed = ParseSaveForm(*form);
    if (!parsed) {
      error = path + ": unknown form \"" + *form + "\" (normal, sim or interop)";
      return false;
    }
    form_ = *parsed;
  }
  for (const dom::Element& child : dom::ChildElements(root_.get())) {
    std::string problem;
    if (dom::NameOf(child.get()) != kObjectElement) {
      problem = "unexpected element <" + dom::NameOf(child.get()) + "> (a project holds <" +
                kObjectElement + "> elements)";
    } else {
      ReadEntry(child, problem);
    }
    if (!problem.empty()) {
      error = path + ": " + problem;
      return false;
    }
  }
  return true;
}

bool ProjectFile::ReadEntry(dom::Element wrapper, std::string& problem) {
  const std::string which = "object " + std::to_string(entries_.size() + 1);
  std::vector<dom::Element> inside = dom::ChildElements(wrapper.get());
  if (inside.size() != 1) {
    problem = which + " holds " + std::to_string(inside.size()) +
              " elements; it must hold exactly one saved object element";
    return false;
  }
  const std::string elementName = dom::NameOf(inside[0].get());
  ObjectIdentity identity = DefaultIdentity(elementName, entries_.size() + 1);
  if (auto type = dom::AttributeOf(wrapper.get(), "type"); type && *type != elementName) {
    problem = which + ": type " + *type + " does not match its element <" + elementName + ">";
    return false;
  }
  auto text = [&](const char* name, std::string& field) {
    if (auto value = dom::AttributeOf(wrapper.get(), name)) field = *value;
  };
  text("progId", identity.progId);
  text("key", identity.key);
  text("globalKey", identity.globalKey);
  text("extendedKey", identity.extendedKey);
  text("uniqueId", identity.uniqueId);
  text("tag", identity.tag);
  text("userName", identity.userName);
  for (auto [name, field] : {std::pair{"x", &identity.x}, std::pair{"y", &identity.y}}) {
    auto value = dom::AttributeOf(wrapper.get(), name);
    if (!value) continue;
    auto number = ParsePosition(*value);
    if (!number) {
      problem = which + ": " + name + " \"" + *value + "\" is not a number (write it with a \".\")";
      return false;
    }
    *field = *number;
  }
  if (auto value = dom::AttributeOf(wrapper.get(), "exportIndex")) {
    auto number = ParseExportIndex(*value);
    if (!number) {
      problem =
          which + ": exportIndex \"" + *value + "\" is not a whole number from -32768 to 32767";
      return false;
    }
    identity.exportIndex = *number;
  }
  entries_.push_back({identity, wrapper, inside[0]});
  return true;
}

void ProjectFile::Add(const PlacedObject& object) {
  dom::Element wrapper = dom::AppendElement(document_.get(), root_.get(), kObjectElement);
  ObjectIdentity identity = object.Identity();
  WriteIdentity(wrapper.get(), identity);
  object.SaveInto(document_.get(), wrapper.get(), form_);
  std::vector<dom::Element> inside = dom::ChildElements(wrapper.get());
  entries_.push_back({identity, wrapper, inside.empty() ? nullptr : inside.back()});
}

void ProjectFile::Replace(size_t index, const PlacedObject& object) {
  ProjectEntry& entry = entries_.at(index);
  IXMLDOMNode* parent = entry.wrapper ? static_cast<IXMLDOMNode*>(entry.wrapper.get())
                                      : static_cast<IXMLDOMNode*>(document_.get());
  dom::Node removed;
  parent->removeChild(entry.saved.get(), removed.put());
  object.SaveInto(document_.get(), parent, entry.wrapper ? form_ : SaveForm::kNormal);
  entry.identity = object.Identity();
  if (entry.wrapper) {
    WriteIdentity(entry.wrapper.get(), entry.identity);
    std::vector<dom::Element> inside = dom::ChildElements(entry.wrapper.get());
    entry.saved = inside.empty() ? nullptr : inside.back();
  } else {
    root_ = dom::RootOf(document_.get());
    entry.saved = root_;
  }
}

bool ProjectFile::Write(const std::string& path, std::string& error) {
  return WriteXmlFile(document_.get(), path, error);
}

}  // namespace host

namespace host {

std::string ObjectLabel(const std::string& path, const ProjectFile& project, size_t index) {
  return path + ": object " + std::to_string(index + 1) + " (" +
         project.entries().at(index).identity.type + ")";
}

std::unique_ptr<PlacedObject> LoadProjectObject(const ComponentSession& session,
                                                const ProjectFile& project, size_t index,
                                                const std::string& path, std::string& error) {
  const ProjectEntry& entry = project.entries().at(index);
  auto object = PlacedObject::Place(session, entry.identity, error);
  if (!object) {
    error = ObjectLabel(path, project, index) + ": " + error;
    return nullptr;
  }
  object->Load(entry.saved.get());
  return object;
}

}  // namespace host
