// The commands that change a project's structure: objects added, copied,
// removed and renamed, modules added and removed. Modules are placed and
// removed by the object's own module set, as its editor does it.
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "com/TextRules.h"
#include "faces/Engineering.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/session/ProjectChange.h"

namespace host {

namespace {

template <class Getter>
std::string Text(Getter get) {
  qcom::Bstr value;
  get(value.out());
  return value.utf8();
}

// The keys of an engineering list, in order.
std::vector<std::string> KeysOf(IEngineeringList* list) {
  std::vector<std::string> keys;
  LONG count = 0;
  if (list) list->get_Count(&count);
  for (LONG i = 1; i <= count; ++i)
    keys.push_back(Text([&](BSTR* b) { return list->get_Key(i, b); }));
  return keys;
}

// The template's name in the component's catalogue ("EB 4AO"); empty when it has none.
std::string TemplateName(IEngineering* engineering, const std::string& id) {
  qcom::ComPtr<IEngineeringList> templates;
  engineering->get_ModuleTemplates(templates.put());
  auto entry = ItemAs<IModuleTemplate>(templates.get(), qcom::Variant(id));
  return entry ? Text([&](BSTR* b) { return entry->get_Name(b); }) : "";
}

// Places a module of the template after the object's modules; false with
// error set when the component has no such template or its tree does not
// allow it there (the object has shown its own warning then).
// The ID becomes the catalogue's spelling of it.
bool PlaceModule(IEngineering* engineering, std::string& id, std::string& placedKey,
                 std::string& error) {
  qcom::ComPtr<IEngineeringList> templates;
  engineering->get_ModuleTemplates(templates.put());
  std::vector<std::string> known = KeysOf(templates.get());
  bool exists = false;
  for (const std::string& key : known)
    if (qcom::text::EqualsNoCase(key, id)) exists = true, id = key;
  if (!exists) {
    error = "unknown module template " + id + "; the templates are: " + JoinNames(known, ", ");
    return false;
  }
  qcom::ComPtr<IEngineeringList> allowed;
  engineering->get_AddableTemplates(allowed.put());
  std::vector<std::string> there = KeysOf(allowed.get());
  qcom::Bstr key;
  engineering->AddModule(qcom::Bstr(id).get(), key.out());
  placedKey = key.utf8();
  if (!placedKey.empty()) return true;
  error = "module template " + id + " cannot be added; allowed there: " +
          (there.empty() ? std::string("none, the chain is complete") : JoinNames(there, ", "));
  return false;
}

// Splits "A,B,C"; false for an empty name.
bool SplitList(const std::string& list, std::vector<std::string>& names) {
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = std::min(list.find(',', start), list.size());
    std::string name = qcom::text::Trim(list.substr(start, end - start));
    if (name.empty()) return false;
    names.push_back(std::move(name));
    start = end + 1;
  }
  return true;
}

// A new identity for an object of that type: the first number n above the
// project's object count and its numeric unique IDs whose unique ID and keys
// TYPE_n no object of the project holds, and the lowest export index none has.
ObjectIdentity FreshIdentity(const ProjectFile& project, const std::string& type) {
  size_t n = project.entries().size();
  for (const ProjectEntry& entry : project.entries()) {
    const std::string& id = entry.identity.uniqueId;
    if (!id.empty() && id.size() < 10 && id.find_first_not_of("0123456789") == std::string::npos)
      n = std::max<size_t>(n, std::stoul(id));
  }
  for (;;) {
    ObjectIdentity identity = DefaultIdentity(type, ++n);
    bool taken = false;
    for (const ProjectEntry& entry : project.entries())
      for (const std::string* used : {&entry.identity.uniqueId, &entry.identity.key,
                                      &entry.identity.globalKey, &entry.identity.extendedKey})
        taken = taken || qcom::text::EqualsNoCase(*used, identity.uniqueId) ||
                qcom::text::EqualsNoCase(*used, identity.key);
    if (!taken) {
      // Outputs are referred to by their object's export index: each object its own.
      std::set<int> used;
      for (const ProjectEntry& entry : project.entries()) used.insert(entry.identity.exportIndex);
      while (used.count(identity.exportIndex)) ++identity.exportIndex;
      return identity;
    }
  }
}

// The options every structure command reads the same way.
struct Common {
  std::string path;
  double wait = kDefaultLockWait;
};
std::optional<Common> ReadCommon(const std::string& command, const Arguments& args,
                                 size_t positionals, int& code) {
  std::string error;
  if (args.positional().size() != positionals) {
    code = Fail(command,
                "expected " +
                    std::string(positionals == 1 ? "a project file" : "a project file and a name") +
                    " (see tqhost " + command + " --help)",
                kExitUsage);
    return std::nullopt;
  }
  auto wait = LockWaitOf(args, error);
  if (!wait) {
    code = Fail(command, error, kExitUsage);
    return std::nullopt;
  }
  return Common{args.positional()[0], *wait};
}

// What every command that changes object N shares: FILE (and the words after
// it) and --object N read, then the words' own check (a problem with them is a
// usage error), then the project locked and opened holding N; `work` does the
// rest with the object's index.
int ChangeObject(const char* command, const Arguments& args, size_t positionals,
                 const std::function<std::string()>& wordsProblem,
                 const std::function<int(ProjectChange&, size_t)>& work) {
  int code = kExitUsage;
  auto common = ReadCommon(command, args, positionals, code);
  if (!common) return code;
  std::string error;
  auto number = RequiredObjectNumber(args, error);
  if (!number) return Fail(command, error, kExitUsage);
  if (wordsProblem)
    if (std::string problem = wordsProblem(); !problem.empty())
      return Fail(command, problem, kExitUsage);
  ProjectChange change(command, common->path, common->wait);
  if (!change.Open(args, error) || !change.Holds(*number, error))
    return Fail(command, error, kExitInput);
  return work(change, *number - 1);
}

std::string NameProblem(const std::optional<std::string>& name) {
  return name ? UnwritableText(*name) : std::string();
}

// The bindings of the object's points whose channel path begins with prefix
// (all of them for an empty prefix).
std::vector<Binding> BindingsOf(const ProjectFile& project, const std::string& uniqueId,
                                const std::vector<std::pair<std::string, std::string>>& points,
                                const std::string& prefix) {
  auto inside = [&](const std::string& name) {
    if (prefix.empty()) return true;
    for (const auto& [point, channel] : points)
      if (qcom::text::EqualsNoCase(point, name) && channel.starts_with(prefix)) return true;
    return false;
  };
  std::vector<Binding> found;
  for (const Binding& b : project.bindings().all())
    if ((b.input.object == uniqueId && inside(b.input.point)) ||
        (b.output.object == uniqueId && inside(b.output.point)))
      found.push_back(b);
  return found;
}

std::string Labels(const ProjectFile& project, const std::vector<Binding>& bindings) {
  std::vector<std::string> labels;
  for (const Binding& b : bindings) labels.push_back(BindingLabel(project, b));
  return JoinNames(labels, ", ");
}

// Removes the bindings from the project, with a note for each.
void DropBindings(const std::string& command, ProjectFile& project,
                  const std::vector<Binding>& bindings) {
  for (const Binding& b : bindings)
    std::fprintf(stderr, "tqhost %s: note: binding %s removed\n", command.c_str(),
                 BindingLabel(project, b).c_str());
  project.bindings().RemoveIf([&](const Binding& b) {
    for (const Binding& d : bindings)
      if (d.output.object == b.output.object && d.output.point == b.output.point &&
          d.input.object == b.input.object && d.input.point == b.input.point)
        return true;
    return false;
  });
}

// The points of the object with their channel paths.
std::vector<std::pair<std::string, std::string>> PointChannels(IEngineering* engineering) {
  std::vector<std::pair<std::string, std::string>> points;
  qcom::ComPtr<IEngineeringList> list;
  engineering->get_Points(list.put());
  LONG count = 0;
  if (list) list->get_Count(&count);
  for (LONG i = 1; i <= count; ++i) {
    auto point = ItemAs<IEngineeringPoint>(list.get(), qcom::Variant(int32_t{i}));
    if (!point) continue;
    points.emplace_back(Text([&](BSTR* b) { return point->get_Name(b); }),
                        Text([&](BSTR* b) { return point->get_Channel(b); }));
  }
  return points;
}

std::string Help(const char* usage, const char* text, std::vector<HelpRow> rows) {
  rows.push_back(LockWaitHelpRow());
  return std::string("usage: tqhost ") + usage + "\n\n" + text + "\n" +
         HelpColumns(WithSessionOptions(std::move(rows)));
}

constexpr const char* kWritten =
    "FILE is locked while the command runs and replaced whole; nothing is written\n"
    "when the command is refused.\n";

}  // namespace

int RunAddObject(const std::vector<std::string>& words) {
  const char* command = "add-object";
  Arguments args(command, words, {"--name", "--modules", "--type", "--wait", "--plugins", "--snvt"},
                 {"--help"});
  if (auto done = HelpOrUsageError(
          command, args,
          Help("add-object FILE [--name USER] [--modules T1,...] [--type NAME]",
               ("Adds a new application object to the end of the project FILE, with a\n"
                "unique ID and keys no other object of the project has, and places the\n"
                "modules T1, T2, ... in that order through the object's module set, as\n"
                "its editor adds them. A module the configuration tree does not allow\n"
                "there is refused with the object's own warning.\n" +
                std::string(kWritten))
                   .c_str(),
               {{"--name USER", "user name of the object (default: TYPE_n)"},
                {"--modules LIST", "module template IDs separated by commas, any letter case"},
                {"--type NAME", "object type (default: TQ4600)"}})))
    return *done;
  int code = kExitUsage;
  auto common = ReadCommon(command, args, 1, code);
  if (!common) return code;
  std::vector<std::string> chain;
  if (auto list = args.value("--modules"); list && !SplitList(*list, chain))
    return Fail(command, "--modules: empty template name in \"" + *list + "\"", kExitUsage);
  if (std::string problem = NameProblem(args.value("--name")); !problem.empty())
    return Fail(command, "--name: " + problem, kExitUsage);

  std::string error;
  ProjectChange change(command, common->path, common->wait);
  if (!change.Open(args, error)) return Fail(command, error, kExitInput);
  ObjectIdentity identity =
      FreshIdentity(change.project(), args.value("--type").value_or("TQ4600"));
  if (auto name = args.value("--name")) identity.userName = *name;
  auto object = PlacedObject::Place(change.session(), identity, error);
  if (!object) return Fail(command, error, kExitInput);
  auto engineering = EngineeringOf(*object);
  if (!chain.empty() && !engineering)
    return Fail(command, identity.progId + " places no modules for tqhost", kExitInput);
  for (size_t k = 0; k < chain.size(); ++k) {
    std::string key;
    if (!PlaceModule(engineering.get(), chain[k], key, error))
      return Fail(command, "position " + std::to_string(k + 1) + ": " + error, kExitInput);
  }
  if (object->Stream().empty())
    return Fail(command, "the new object produced no configuration stream", kExitInput);
  change.project().Add(*object);
  if (!change.Write(error)) return Fail(command, error, kExitInput);
  std::printf("%s: object %zu (%s) \"%s\" added %s\n", change.path().c_str(),
              change.project().entries().size(), identity.type.c_str(), identity.userName.c_str(),
              chain.empty() ? "without modules" : ("with " + JoinNames(chain, ", ")).c_str());
  return kExitOk;
}

int RunCopyObject(const std::vector<std::string>& words) {
  const char* command = "copy-object";
  Arguments args(command, words, {"--object", "--name", "--wait", "--plugins", "--snvt"},
                 {"--help"});
  if (auto done = HelpOrUsageError(
          command, args,
          Help("copy-object FILE --object N [--name USER]",
               ("Adds a copy of object N to the end of the project FILE: its modules and\n"
                "parameter values, with a new unique ID and keys. The copy's points are\n"
                "not bound; bind them with tqhost connect.\n" +
                std::string(kWritten))
                   .c_str(),
               {{"--object N", "the object to copy, from 1 in file order"},
                {"--name USER",
                 "user name of the copy (default: the original's and \" (copy)\")"}})))
    return *done;
  return ChangeObject(
      command, args, 1,
      [&]() -> std::string {
        if (std::string problem = NameProblem(args.value("--name")); !problem.empty())
          return "--name: " + problem;
        return {};
      },
      [&](ProjectChange& change, size_t index) {
        std::string error;
        if (!change.Load(index, error)) return Fail(command, error, kExitInput);
        const ProjectEntry& original = change.project().entries()[index];
        ObjectIdentity identity = FreshIdentity(change.project(), original.identity.type);
        identity.progId = original.identity.progId;
        identity.tag = original.identity.tag;
        identity.x = original.identity.x;
        identity.y = original.identity.y;
        identity.userName = args.value("--name").value_or(original.identity.userName + " (copy)");
        auto copy = PlacedObject::Place(change.session(), identity, error);
        if (!copy) return Fail(command, error, kExitInput);
        copy->Load(original.saved.get());
        // The saved element brings the original's name; the copy has its own.
        copy->get()->put_UserName(qcom::Bstr(identity.userName).get());
        if (copy->Stream().empty())
          return Fail(command, change.Label(index) + ": the copy produced no configuration stream",
                      kExitInput);
        change.project().Add(*copy);
        if (!change.Write(error)) return Fail(command, error, kExitInput);
        std::printf("%s: object %zu (%s) \"%s\" added as a copy of object %zu\n",
                    change.path().c_str(), change.project().entries().size(), identity.type.c_str(),
                    identity.userName.c_str(), index + 1);
        return kExitOk;
      });
}

int RunRemoveObject(const std::vector<std::string>& words) {
  const char* command = "remove-object";
  Arguments args(command, words, {"--object", "--wait", "--plugins", "--snvt"},
                 {"--force", "--help"});
  if (auto done = HelpOrUsageError(
          command, args,
          Help("remove-object FILE --object N [--force]",
               ("Removes object N from the project FILE; the objects after it move up.\n"
                "An object one of whose points is bound is removed only with --force,\n"
                "which removes its bindings too, naming each.\n" +
                std::string(kWritten))
                   .c_str(),
               {{"--object N", "the object to remove, from 1 in file order"},
                {"--force", "remove the object's bindings with it"}})))
    return *done;
  return ChangeObject(command, args, 1, nullptr, [&](ProjectChange& change, size_t index) {
    std::string error;
    ProjectFile& project = change.project();
    const ObjectIdentity identity = project.entries()[index].identity;
    const std::string label = change.Label(index);
    std::vector<Binding> bound = BindingsOf(project, identity.uniqueId, {}, "");
    if (!bound.empty() && !args.has("--force"))
      return Fail(command,
                  label + " is bound (" + Labels(project, bound) +
                      "); --force removes these bindings with it",
                  kExitInput);
    DropBindings(command, project, bound);
    project.Remove(index);
    if (!change.Write(error)) return Fail(command, error, kExitInput);
    std::printf("%s \"%s\" removed\n", label.c_str(), identity.userName.c_str());
    return kExitOk;
  });
}

int RunRenameObject(const std::vector<std::string>& words) {
  const char* command = "rename-object";
  Arguments args(command, words, {"--object", "--wait", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError(
          command, args,
          Help("rename-object FILE --object N NAME",
               ("Gives object N of the project FILE the user name NAME.\n" + std::string(kWritten))
                   .c_str(),
               {{"--object N", "the object to rename, from 1 in file order"},
                {"NAME", "its new user name"}})))
    return *done;
  return ChangeObject(
      command, args, 2,
      [&]() -> std::string {
        const std::string name = args.positional()[1];
        if (name.empty()) return "the new name is empty";
        if (std::string problem = UnwritableText(name); !problem.empty()) return "NAME: " + problem;
        return {};
      },
      [&](ProjectChange& change, size_t index) {
        const std::string& name = args.positional()[1];
        std::string error;
        auto object = change.Load(index, error);
        if (!object) return Fail(command, error, kExitInput);
        const std::string before = change.project().entries()[index].identity.userName;
        object->get()->put_UserName(qcom::Bstr(name).get());
        if (!change.Keep(index, *object, error) || !change.Write(error))
          return Fail(command, error, kExitInput);
        std::printf("%s: \"%s\" is now \"%s\"\n", change.Label(index).c_str(), before.c_str(),
                    name.c_str());
        return kExitOk;
      });
}

int RunAddModule(const std::vector<std::string>& words) {
  const char* command = "add-module";
  Arguments args(command, words, {"--object", "--wait", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError(
          command, args,
          Help("add-module FILE --object N TEMPLATE",
               ("Places a module of TEMPLATE (any letter case) after the modules of\n"
                "object N of the project FILE, through the object's module set, as its\n"
                "editor's Add command does. Where the configuration tree does not allow\n"
                "it, the object's warning is shown and nothing is written.\n" +
                std::string(kWritten))
                   .c_str(),
               {{"--object N", "the object, from 1 in file order"},
                {"TEMPLATE", "module template ID, e.g. EB4AO"}})))
    return *done;
  return ChangeObject(command, args, 2, nullptr, [&](ProjectChange& change, size_t index) {
    std::string error;
    auto object = change.Load(index, error);
    if (!object) return Fail(command, error, kExitInput);
    auto engineering = EngineeringOf(*object);
    if (!engineering)
      return Fail(command, change.Label(index) + ": the object places no modules for tqhost",
                  kExitInput);
    std::string key;
    std::string id = args.positional()[1];
    if (!PlaceModule(engineering.get(), id, key, error))
      return Fail(command, change.Label(index) + ": " + error, kExitInput);
    if (!change.Keep(index, *object, error) || !change.Write(error))
      return Fail(command, error, kExitInput);
    std::printf("%s: %s added as %s\n", change.Label(index).c_str(),
                TemplateName(engineering.get(), id).c_str(), key.c_str());
    return kExitOk;
  });
}

int RunRemoveModule(const std::vector<std::string>& words) {
  const char* command = "remove-module";
  Arguments args(command, words, {"--object", "--wait", "--plugins", "--snvt"},
                 {"--force", "--help"});
  if (auto done = HelpOrUsageError(
          command, args,
          Help("remove-module FILE --object N [--force]",
               ("Removes the last module of object N of the project FILE, as the\n"
                "editor's Remove command does: refused while a point of it is bound,\n"
                "unless --force is given, which removes those bindings first, naming\n"
                "each.\n" +
                std::string(kWritten))
                   .c_str(),
               {{"--object N", "the object, from 1 in file order"},
                {"--force", "remove the bindings of the module's points too"}})))
    return *done;
  return ChangeObject(command, args, 1, nullptr, [&](ProjectChange& change, size_t index) {
    std::string error;
    const std::string label = change.Label(index);
    auto object = change.Load(index, error);
    if (!object) return Fail(command, error, kExitInput);
    auto engineering = EngineeringOf(*object);
    if (!engineering)
      return Fail(command, label + ": the object removes no modules for tqhost", kExitInput);
    // The last module's key: modules are keyed EB1, EB2, ... in set order.
    size_t modules = 0;
    for (const qxml::ElementPtr& child : qxml::ChildElements(object->SavedElement().get()))
      if (qcom::text::EqualsNoCase(qxml::NameOf(child.get()), "Modules"))
        modules = qxml::ChildElements(child.get()).size();
    const std::string moduleKey = "EB" + std::to_string(modules);
    std::vector<Binding> bound =
        modules == 0
            ? std::vector<Binding>{}
            : BindingsOf(change.project(), change.project().entries()[index].identity.uniqueId,
                         PointChannels(engineering.get()), moduleKey + "/");
    if (!bound.empty() && args.has("--force")) {
      DropBindings(command, change.project(), bound);
      object = change.Load(index, error);  // opened again without them
      if (!object) return Fail(command, error, kExitInput);
      engineering = EngineeringOf(*object);
    }
    qcom::Bstr refusal;
    engineering->RemoveModule(refusal.out());
    if (!refusal.utf8().empty())
      return Fail(command,
                  label + ": " + refusal.utf8() +
                      (bound.empty() ? std::string()
                                     : " (" + Labels(change.project(), bound) +
                                           "; --force removes these bindings)"),
                  kExitInput);
    if (!change.Keep(index, *object, error) || !change.Write(error))
      return Fail(command, error, kExitInput);
    std::printf("%s: %s removed\n", label.c_str(), moduleKey.c_str());
    return kExitOk;
  });
}

}  // namespace host
