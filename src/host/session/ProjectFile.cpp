#include "host/session/ProjectFile.h"

#include <cstdio>

#include "com/TextRules.h"
#include "com/Utf.h"
#include "host/commands/Commands.h"
#include "host/output/Progress.h"
#include "host/session/ModuleChain.h"
#include "host/session/WrittenBack.h"
#include "host/session/XmlFiles.h"
#include "xml/Dom.h"
#include "xml/XmlCharacters.h"

namespace host {

namespace {

// The identity attributes in the order the host writes them.
void WriteIdentity(IXMLDOMElement* wrapper, const ObjectIdentity& identity) {
  // Always in this order, after any attribute of another tool's.
  for (const char* name : {"type", "progId", "key", "globalKey", "extendedKey", "uniqueId", "tag",
                           "userName", "x", "y", "exportIndex"})
    wrapper->removeAttribute(qcom::Bstr(name).get());
  qxml::SetAttribute(wrapper, "type", identity.type);
  qxml::SetAttribute(wrapper, "progId", identity.progId);
  qxml::SetAttribute(wrapper, "key", identity.key);
  qxml::SetAttribute(wrapper, "globalKey", identity.globalKey);
  qxml::SetAttribute(wrapper, "extendedKey", identity.extendedKey);
  qxml::SetAttribute(wrapper, "uniqueId", identity.uniqueId);
  qxml::SetAttribute(wrapper, "tag", identity.tag);
  qxml::SetAttribute(wrapper, "userName", identity.userName);
  qxml::SetAttribute(wrapper, "x", PositionText(identity.x));
  qxml::SetAttribute(wrapper, "y", PositionText(identity.y));
  qxml::SetAttribute(wrapper, "exportIndex", std::to_string(identity.exportIndex));
}

}  // namespace

ProjectFile::ProjectFile(SaveForm form) : document_(qxml::CreateDocument()), form_(form) {
  root_ = qxml::AppendElement(document_.get(), document_.get(), kProjectRoot);
  qxml::SetAttribute(root_.get(), "version", kProjectVersion);
  if (form != SaveForm::kNormal) qxml::SetAttribute(root_.get(), "form", SaveFormName(form));
}

bool ProjectFile::Read(const std::string& path, std::string& error) {
  entries_.clear();
  bindings_.Clear();
  document_ = LoadXmlFile(path, error);
  if (!document_) return false;
  root_ = qxml::RootOf(document_.get());
  if (!root_) {
    error = path + ": no root element";
    return false;
  }
  const std::string rootName = qxml::NameOf(root_.get());
  bare_ = rootName != kProjectRoot;
  form_ = SaveForm::kNormal;
  if (bare_) {
    entries_.push_back({DefaultIdentity(rootName, 1), nullptr, root_});
    return true;
  }
  auto version = qxml::AttributeOf(root_.get(), "version");
  if (version != kProjectVersion) {
    error = path + ": " +
            (version ? "project version " + *version + " is not supported"
                     : "project without version") +
            " (this tqhost reads version " + kProjectVersion + ")";
    return false;
  }
  if (auto form = qxml::AttributeOf(root_.get(), "form")) {
    auto parsed = ParseSaveForm(*form);
    if (!parsed) {
      error = path + ": unknown form \"" + *form + "\" (normal, sim or interop)";
      return false;
    }
    form_ = *parsed;
  }
  for (const qxml::ElementPtr& child : qxml::ChildElements(root_.get())) {
    std::string problem;
    if (qxml::NameOf(child.get()) == kBindingElement) {
      bindings_.Read(child.get(), problem);
    } else if (qxml::NameOf(child.get()) != kObjectElement) {
      problem = "unexpected element <" + qxml::NameOf(child.get()) + "> (a project holds <" +
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

bool ProjectFile::ReadEntry(qxml::ElementPtr wrapper, std::string& problem) {
  const std::string which = "object " + std::to_string(entries_.size() + 1);
  std::vector<qxml::ElementPtr> inside = qxml::ChildElements(wrapper.get());
  if (inside.size() != 1) {
    problem = which + " holds " + Counted(inside.size(), "element") +
              "; it must hold exactly one saved object element";
    return false;
  }
  const std::string elementName = qxml::NameOf(inside[0].get());
  ObjectIdentity identity = DefaultIdentity(elementName, entries_.size() + 1);
  if (auto type = qxml::AttributeOf(wrapper.get(), "type"); type && *type != elementName) {
    problem = which + ": type " + *type + " does not match its element <" + elementName + ">";
    return false;
  }
  auto text = [&](const char* name, std::string& field) {
    if (auto value = qxml::AttributeOf(wrapper.get(), name)) field = *value;
  };
  text("progId", identity.progId);
  text("key", identity.key);
  text("globalKey", identity.globalKey);
  text("extendedKey", identity.extendedKey);
  text("uniqueId", identity.uniqueId);
  text("tag", identity.tag);
  text("userName", identity.userName);
  for (auto [name, field] : {std::pair{"x", &identity.x}, std::pair{"y", &identity.y}}) {
    auto value = qxml::AttributeOf(wrapper.get(), name);
    if (!value) continue;
    auto number = ParsePosition(*value);
    if (!number) {
      problem = which + ": " + name + " \"" + *value + "\" is not a number (write it with a \".\")";
      return false;
    }
    *field = *number;
  }
  if (auto value = qxml::AttributeOf(wrapper.get(), "exportIndex")) {
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
  qxml::ElementPtr wrapper = qxml::AppendElement(document_.get(), root_.get(), kObjectElement);
  ObjectIdentity identity = object.Identity();
  WriteIdentity(wrapper.get(), identity);
  object.SaveInto(document_.get(), wrapper.get(), form_);
  std::vector<qxml::ElementPtr> inside = qxml::ChildElements(wrapper.get());
  entries_.push_back({identity, wrapper, inside.empty() ? nullptr : inside.back()});
}

void ProjectFile::Replace(size_t index, const PlacedObject& object) {
  ProjectEntry& entry = entries_.at(index);
  IXMLDOMNode* parent = entry.wrapper ? static_cast<IXMLDOMNode*>(entry.wrapper.get())
                                      : static_cast<IXMLDOMNode*>(document_.get());
  qxml::NodePtr removed;
  parent->removeChild(entry.saved.get(), removed.put());
  const SaveForm form = entry.wrapper ? form_ : SaveForm::kNormal;
  object.SaveInto(document_.get(), parent, form);
  entry.identity = object.Identity();
  qxml::ElementPtr saved;
  if (entry.wrapper) {
    WriteIdentity(entry.wrapper.get(), entry.identity);
    std::vector<qxml::ElementPtr> inside = qxml::ChildElements(entry.wrapper.get());
    saved = inside.empty() ? nullptr : inside.back();
  } else {
    root_ = qxml::RootOf(document_.get());
    saved = root_;
  }
  // What people wrote into the object's element that the object does not
  // write itself stays; another form has elements of its own.
  if (saved && form == SaveForm::kNormal) CarryOver(removed.get(), saved.get());
  entry.saved = saved;
}

void ProjectFile::Remove(size_t index) {
  const ProjectEntry& entry = entries_.at(index);
  qxml::NodePtr removed;
  if (entry.wrapper) root_->removeChild(entry.wrapper.get(), removed.put());
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

void ProjectFile::SetForm(SaveForm form) {
  form_ = form;
  if (bare_) return;
  if (form == SaveForm::kNormal)
    root_->removeAttribute(qcom::Bstr("form").get());
  else
    qxml::SetAttribute(root_.get(), "form", SaveFormName(form));
}

bool ProjectFile::Write(const std::string& path, std::string& error) {
  if (!bare_) bindings_.WriteInto(document_.get(), root_.get());
  return WriteXmlFile(document_.get(), path, error);
}

bool ProjectFile::WriteOutput(const std::string& output, std::string& error) {
  if (!bare_) bindings_.WriteInto(document_.get(), root_.get());
  return output == kStandardOutput ? PrintXml(document_.get(), error) : Write(output, error);
}

}  // namespace host

namespace host {

std::string UnwritableText(std::string_view text) {
  if (qcom::ValidUtf8Length(text) != text.size()) return "the text is not valid UTF-8";
  auto bad = qxml::FirstNonXmlCharacter(text);
  if (!bad) return {};
  return "a project file cannot hold the character " + qxml::CharacterName(*bad);
}

std::string ObjectLabel(const std::string& path, const ProjectFile& project, size_t index) {
  return path + ": object " + std::to_string(index + 1) + " (" +
         project.entries().at(index).identity.type + ")";
}

namespace {

// Why the tree of the object's type does not allow the chain its saved
// element lists; empty when it does. Only names of the component's templates
// count: the object skips any other name without a word.
std::string ListedChainProblem(const ComponentSession& session, const PlacedObject& object,
                               IXMLDOMNode* saved) {
  const std::vector<std::string>& ids = session.TemplateIds(object.engineering());
  std::vector<std::string> chain;
  for (const std::string& id : ListedModules(saved))
    for (const std::string& known : ids)
      if (qcom::text::EqualsNoCase(known, id)) chain.push_back(id);
  if (chain.empty() || !object.engineering()) return {};
  return ChainProblem(object.engineering(), ids, chain);
}

}  // namespace

std::unique_ptr<PlacedObject> LoadProjectObject(const ComponentSession& session,
                                                const ProjectFile& project, size_t index,
                                                const std::string& path, std::string& error,
                                                const LoadOptions& options) {
  const ProjectEntry& entry = project.entries().at(index);
  ShowObjectProgress(index, project.entries().size());
  auto object = PlacedObject::Place(session, entry.identity, error);
  // The object places whatever the element lists, so the tree is asked first.
  if (object) error = ListedChainProblem(session, *object, entry.saved.get());
  if (!object || !error.empty()) {
    error = ObjectLabel(path, project, index) + ": " + error;
    return nullptr;
  }
  object->Load(entry.saved.get());
  // What the object skipped would be gone from the project once it is written
  // back, and from the stream it builds.
  qxml::ElementPtr rewritten = object->SavedElement();
  std::vector<LostPart> lost = LostParts(entry.saved.get(), rewritten.get());
  std::vector<std::string> refused;
  for (const LostPart& part : lost)
    if (options.onLoss == OnLoss::kRefuse ||
        (options.onLoss == OnLoss::kRefuseUnplaced && part.unplaced))
      refused.push_back(part.what);
  if (!refused.empty()) {
    const char* them = refused.size() == 1 ? "it" : "them";
    error = ObjectLabel(path, project, index) + ": cannot place " + JoinNames(refused, ", ") +
            (options.onLoss == OnLoss::kRefuse ? "; writing the object back would lose "
                                               : "; what it shows would lack ") +
            them;
    return nullptr;
  }
  if (!ApplyBindings(session, project, index, *object, path, error)) return nullptr;
  ShowObjectProgress(index + 1, project.entries().size());
  if (options.lost) *options.lost = std::move(lost);
  if (options.saved) *options.saved = rewritten;
  return object;
}

}  // namespace host
