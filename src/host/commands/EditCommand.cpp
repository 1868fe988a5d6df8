#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "com/TextRules.h"
#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/session/ComponentSession.h"
#include "host/session/EditedDocument.h"
#include "host/session/EditorWindows.h"
#include "host/session/LockedProject.h"
#include "host/session/ModuleChain.h"
#include "host/session/ProjectLock.h"
#include "ui/Display.h"
#include "xml/Elements.h"

namespace host {

namespace {

std::string Help() {
  return "usage: tqhost edit FILE [--object N] [--wait SECONDS] [--plugins DIR]\n"
         "                   [--snvt FILE]\n"
         "\n"
         "Opens the component's editor window on object N of the project FILE, as a\n"
         "host does with the object's Show. The window works as in any host:\n"
         "adding and removing modules, editing device and channel parameters in\n"
         "their dialogs, Save and Export, Show Documentation, View Data Sheet and\n"
         "About. While it is open the component's messages are message boxes over\n"
         "it. Without --object, a project of one object opens on it and a project\n"
         "of several first asks which one (Esc there ends the command with exit\n"
         "code 1). A FILE that does not exist is made first, as tqhost new makes\n"
         "a project of one new object.\n"
         "\n"
         "FILE follows the edits: each change is written at once (replaced whole),\n"
         "and the window's title is marked with \"*\" while one is not written.\n"
         "When FILE cannot be written, the window says why and offers to try again,\n"
         "to save the project to another file (which is then the one edited) or,\n"
         "when it is closed, to close it without those changes. Once the window\n"
         "is closed, or gone, the object's configuration stream is printed; edits\n"
         "FILE could still not take are written to a file of their own in\n"
         "$XDG_DATA_HOME/qordb/unsaved (named on standard error, exit code 1).\n"
         "\n"
         "The window needs a display (DISPLAY or WAYLAND_DISPLAY; QT_QPA_PLATFORM\n"
         "chooses another Qt platform, e.g. offscreen). Without one the command\n"
         "stops with exit code 1 before it reads FILE. Started without a terminal\n"
         "(from a file manager), its messages also show as message boxes.\n"
         "FILE is locked from before it is read until the window is closed: other\n"
         "commands changing it wait at most their --wait, and give up.\n" +
         std::string(kPlacingChecksHelp) + "\n" +
         HelpColumns(WithSessionOptions(
             {{"--object N", "which object of the project, from 1 in file order"},
              LockWaitHelpRow()}));
}

// Says what went wrong on standard error, and in a message box for a user who
// has no terminal to read it on.
class Messages {
 public:
  int Fail(const std::string& text, int code) const {
    if (windows_ && EditorWindows::MessagesNeedBoxes()) windows_->Message(text);
    return host::Fail("edit", text, code);
  }
  void Use(const std::string& pluginsFolder) {
    windows_ = std::make_unique<EditorWindows>(pluginsFolder);
  }
  const EditorWindows* windows() const { return windows_.get(); }

 private:
  std::unique_ptr<EditorWindows> windows_;
};

// Writes a project of one new object to path, as tqhost new writes it.
bool MakeProject(const ComponentSession& session, const std::string& path, std::string& error) {
  auto object = PlacedObject::Place(session, DefaultIdentity("TQ4600", 1), error);
  if (!object) return false;
  if (object->Stream().empty()) {
    error = "the new object produced no configuration stream";
    return false;
  }
  ProjectFile project;
  project.Add(*object);
  return project.Write(path, error);
}

// The chooser's row of an object: its number, its user name as it saved it,
// and its modules' template IDs.
std::vector<std::string> ChooserRow(const ProjectEntry& entry, size_t index) {
  std::string name = entry.identity.userName;
  for (const qxml::ElementPtr& child : qxml::ChildElements(entry.saved.get()))
    if (qcom::text::Upper(qxml::NameOf(child.get())) == "USERNAME" &&
        !qxml::TextOf(child.get()).empty())
      name = qxml::TextOf(child.get());
  const std::string modules = JoinNames(ListedModules(entry.saved.get()), ", ");
  return {std::to_string(index + 1), name, modules.empty() ? "no modules" : modules};
}

}  // namespace

int RunEdit(const std::vector<std::string>& words) {
  Arguments args("edit", words, {"--object", "--wait", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("edit", args, Help())) return *done;
  if (args.positional().size() != 1)
    return Fail("edit", "expected one project file (see tqhost edit --help)", kExitUsage);
  const std::string& path = args.positional()[0];
  std::optional<size_t> number;
  if (auto text = args.value("--object"); text && !(number = ParseObjectNumber(*text)))
    return Fail("edit", "--object takes a number from 1, not " + *text, kExitUsage);
  std::string error;
  auto wait = LockWaitOf(args, error);
  if (!wait) return Fail("edit", error, kExitUsage);
  // Without a display the component would take the window as shown and
  // return at once, and nothing could be edited.
  if (!ui::DisplayAvailable())
    return Fail("edit",
                "no display to show the editor window on (set DISPLAY or WAYLAND_DISPLAY, "
                "or QT_QPA_PLATFORM)",
                kExitInput);

  Messages messages;
  ComponentSession session;
  if (!session.Open(args, error)) return messages.Fail(error, kExitInput);
  messages.Use(session.pluginsFolder());
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
    if (!MakeProject(session, path, error)) return messages.Fail(error, kExitInput);
    std::fprintf(stderr, "tqhost edit: %s did not exist: made a new project of one TQ4600 object\n",
                 path.c_str());
  }

  // Held while the window is open, so that no other command changes FILE
  // under the edit and none of its changes is lost when FILE is written.
  auto lock = std::make_unique<ProjectLock>("edit", *wait);
  ProjectFile project;
  if (!lock->Acquire(path, error) || !project.Read(path, error) ||
      (number && !HoldsObject(path, project, *number, error)))
    return messages.Fail(error, kExitInput);
  if (!number && project.entries().size() > 1) {
    std::vector<std::vector<std::string>> rows;
    for (size_t i = 0; i < project.entries().size(); ++i)
      rows.push_back(ChooserRow(project.entries()[i], i));
    auto chosen = messages.windows()->ChooseObject(path, rows);
    if (!chosen)
      return messages.Fail(
          path + " holds " + Counted(rows.size(), "object") + "; choose one with --object N",
          kExitInput);
    if (*chosen < 0)
      return Fail("edit", "no object chosen; " + path + " is left as it was", kExitInput);
    number = static_cast<size_t>(*chosen) + 1;
  }
  if (!number && !HoldsObject(path, project, 1, error)) return messages.Fail(error, kExitInput);
  const size_t index = number.value_or(1) - 1;
  auto object = LoadProjectObject(session, project, index, path, error);
  if (!object) return messages.Fail(error, kExitInput);

  auto document = qcom::Make<EditedDocument>(path, project, index, *object, std::move(lock));
  object->get()->Show(static_cast<IEditorHost*>(document.get()));
  std::string kept;
  if (!document->Finish(error, kept))
    return messages.Fail(error + (kept.empty() ? "" : "; the edits are kept in " + kept),
                         kExitInput);
  if (document->discarded()) {
    std::fprintf(stderr, "tqhost edit: closed without the changes %s could not take\n",
                 document->path().c_str());
    return kExitOk;
  }
  const std::string stream = object->Stream();
  std::printf("%s\n", stream.c_str());
  if (stream.empty())
    return messages.Fail(
        ObjectLabel(document->path(), project, index) + ": no configuration stream", kExitInput);
  return kExitOk;
}

}  // namespace host
