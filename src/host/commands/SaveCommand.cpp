#include <cstdio>
#include <string>
#include <vector>

#include "com/FileAccess.h"
#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/session/ComponentSession.h"
#include "host/session/ProjectFile.h"
#include "host/session/ProjectLock.h"
#include "host/session/XmlFiles.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost save FILE -o OUT [--form normal|sim|interop] [--plugins DIR]\n"
         "                   [--wait SECONDS] [--snvt FILE]\n"
         "\n"
         "Loads every object of the project FILE (or the bare saved object element\n"
         "FILE) and writes them, with their identities, as the project OUT, each\n"
         "object saved in the chosen form:\n" +
         HelpColumns({{"normal", "the project's own form, which tqhost reads back completely"},
                      {"sim",
                       "the form the simulator reads (user name, key, parameters,\n"
                       "modules with channel aliases)"},
                      {"interop",
                       "the form other tools exchange (user name, key, parameters,\n"
                       "modules, display flags of the outputs)"}}) +
         "Each object builds its configuration stream before it is saved (the normal\n"
         "form keeps it as CDB); when an object can build none, nothing is written\n"
         "and the exit code is 1.\n" +
         kPlacingChecksHelp + "\n" +
         HelpColumns(
             WithSessionOptions({{"-o OUT",
                                  "project file to write (replaced whole; not FILE itself),\n"
                                  "or - for standard output; it is locked from before FILE is\n"
                                  "read until it is replaced"},
                                 {"--form FORM", "save form, in any letter case (default: normal)"},
                                 LockWaitHelpRow()}));
}
}  // namespace

int RunSave(const std::vector<std::string>& words) {
  Arguments args("save", words, {"-o", "--form", "--wait", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("save", args, Help())) return *done;
  if (args.positional().size() != 1)
    return Fail("save", "expected one project file (see tqhost save --help)", kExitUsage);
  auto output = args.value("-o");
  if (!output || output->empty())
    return Fail("save", "missing -o OUT (see tqhost save --help)", kExitUsage);
  auto form = ParseSaveForm(args.value("--form").value_or("normal"));
  if (!form)
    return Fail("save", "--form takes normal, sim or interop, not " + *args.value("--form"),
                kExitUsage);
  const std::string& path = args.positional()[0];

  // OUT is a project of its own, held until it is replaced as every project is.
  std::string error;
  auto wait = LockWaitOf(args, error);
  if (!wait) return Fail("save", error, kExitUsage);
  ProjectLock lock("save", *wait);
  if (*output != kStandardOutput && !lock.Acquire(*output, error))
    return Fail("save", error, kExitInput);
  ProjectFile project;
  if (!project.Read(path, error)) return Fail("save", error, kExitInput);
  qcom::KeepUnwritten(path);  // OUT never takes the place of the project it is made from
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("save", error, kExitInput);
  // A project is saved as itself in the new form, so what it holds beside its
  // objects (comments, its own identity attributes) stays; a bare saved
  // element becomes a project.
  ProjectFile bareSaved(*form);
  if (!project.bare()) project.SetForm(*form);
  for (size_t i = 0; i < project.entries().size(); ++i) {
    auto object = LoadProjectObject(session, project, i, path, error);
    if (!object) return Fail("save", error, kExitInput);
    // Reading the stream keeps it in the saved element: the CDB saved is the
    // stream of what is saved, whatever the file held.
    if (object->Stream().empty())
      return Fail("save",
                  ObjectLabel(path, project, i) + ": no configuration stream; " + *output +
                      " is not written",
                  kExitInput);
    if (project.bare())
      bareSaved.Add(*object);
    else
      project.Replace(i, *object);
  }
  ProjectFile& saved = project.bare() ? bareSaved : project;
  if (!saved.WriteOutput(*output, error)) return Fail("save", error, kExitInput);
  if (*output == kStandardOutput) return kExitOk;  // standard output holds the project only
  std::printf("%s: %s, %s form\n", output->c_str(),
              Counted(project.entries().size(), "object").c_str(), SaveFormName(*form));
  return kExitOk;
}

}  // namespace host
