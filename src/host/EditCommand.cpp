#include <cstdio>
#include <string>
#include <vector>

#include "host/Arguments.h"
#include "host/Commands.h"
#include "host/ComponentSession.h"
#include "host/ExitCodes.h"
#include "host/LockedProject.h"
#include "ui/Display.h"

namespace host {

namespace {

std::string Help() {
  return "usage: tqhost edit FILE [--object N] [--plugins DIR] [--snvt FILE]\n"
         "\n"
         "Opens the component's editor window on object N (default 1) of the\n"
         "project FILE, as a host does with the object's Show. The window works as\n"
         "in any host: adding and removing modules, editing device and channel\n"
         "parameters in their dialogs, Save and Export, Show Documentation, View\n"
         "Data Sheet and About. While it is open the component's messages are\n"
         "message boxes over it. When the window is closed, FILE is written back\n"
         "(replaced whole) if the object changed, and the object's configuration\n"
         "stream is printed.\n"
         "\n"
         "The window needs a display (DISPLAY or WAYLAND_DISPLAY; QT_QPA_PLATFORM\n"
         "chooses another Qt platform, e.g. offscreen). Without one the command\n"
         "stops with exit code 1 before it reads FILE.\n"
         "FILE is locked from before it is read until the window is closed and FILE\n"
         "is written: other commands changing it wait until then.\n" +
         std::string(kPlacingChecksHelp) + "\n" +
         HelpColumns(WithSessionOptions(
             {{"--object N", "which object of the project, from 1 in file order"}}));
}

// The object as it would be saved now.
std::string SavedText(const PlacedObject& object) {
  qcom::Bstr xml;
  if (auto element = object.SavedElement()) element->get_xml(xml.out());
  return xml.utf8();
}

}  // namespace

int RunEdit(const std::vector<std::string>& words) {
  Arguments args("edit", words, {"--object", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("edit", args, Help())) return *done;
  if (args.positional().size() != 1)
    return Fail("edit", "expected one project file (see tqhost edit --help)", kExitUsage);
  const std::string& path = args.positional()[0];
  auto number = ParseObjectNumber(args.value("--object").value_or("1"));
  if (!number)
    return Fail("edit", "--object takes a number from 1, not " + *args.value("--object"),
                kExitUsage);
  // Without a display the component would take the window as shown and
  // return at once, and nothing could be edited.
  if (!ui::DisplayAvailable())
    return Fail("edit",
                "no display to show the editor window on (set DISPLAY or WAYLAND_DISPLAY, "
                "or QT_QPA_PLATFORM)",
                kExitInput);

  std::string error;
  // Held while the window is open, so that no other command changes FILE
  // under the edit and none of its changes is lost when FILE is written.
  ProjectLock lock;
  ProjectFile project;
  if (!ReadLockedProject(path, *number, lock, project, error))
    return Fail("edit", error, kExitInput);
  const size_t index = *number - 1;
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("edit", error, kExitInput);
  auto object = LoadProjectObject(session, project, index, path, error);
  if (!object) return Fail("edit", error, kExitInput);

  const std::string before = SavedText(*object);
  object->get()->Show(nullptr);
  if (SavedText(*object) != before) {
    project.Replace(index, *object);
    if (!project.Write(path, error)) return Fail("edit", error, kExitInput);
  }
  const std::string stream = object->Stream();
  std::printf("%s\n", stream.c_str());
  if (stream.empty())
    return Fail("edit", ObjectLabel(path, project, index) + ": no configuration stream",
                kExitInput);
  return kExitOk;
}

}  // namespace host
