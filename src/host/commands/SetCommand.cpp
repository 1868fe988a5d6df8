#include <cstdio>
#include <string>
#include <vector>

#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/commands/ObjectEdit.h"
#include "host/commands/ParameterAssignment.h"
#include "host/session/ComponentSession.h"
#include "host/session/LockedProject.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost set FILE [--object N] NAME=VALUE ... [--units si|us] [--force]\n"
         "                  [--wait SECONDS] [--plugins DIR] [--snvt FILE]\n"
         "\n"
         "Sets parameters of object N (default 1) of the project FILE, checks that\n"
         "each one reads back after the object is saved and loaded again, writes\n"
         "FILE back (replaced whole) and prints the object's new configuration\n"
         "stream. Nothing is written when a parameter does not exist or the object\n"
         "cannot build its stream with the new values.\n"
         "\n"
         "Each value is first checked by the object as the parameter's edit dialog\n"
         "checks it, by the parameter's SNVT type: a number must lie within the\n"
         "type's limits and the limits of its definition (Priority: 1 to 8) and hold\n"
         "no more decimals than its type (a whole number for most), a text must not\n"
         "be longer than the type allows, an enumeration value must be a member's\n"
         "code or name (in any letter case; a name is written as its code) and a bit\n"
         "field must fit in the type's 8 or 16 bits. Every value that fails is named\n"
         "with the reason, the exit code is 1 and nothing is written; --force writes\n"
         "such values anyway, with a note for each. Numbers are read in the unit\n"
         "system of --units and stored in the catalogue's unit, in one form (\"+5\",\n"
         "\" 5\" and \"5e0\" are stored as 5, with a note).\n"
         "\n"
         "Each parameter is set once per command (names in any letter case), to a\n"
         "value that is not empty and holds no \"=\". Words after \"--\" are\n"
         "parameters even if they start with \"-\".\n"
         "FILE is locked from before it is read until it is replaced: commands\n"
         "changing it at the same time run one after the other, and none loses the\n"
         "other's change.\n" +
         std::string(kPlacingChecksHelp) + "\n" +
         HelpColumns(WithSessionOptions(
             {{"NAME=VALUE", "a device parameter, e.g. Priority=3"},
              {"M/KIND/P/NAME=VALUE",
               "a channel parameter: module key (EB1, EB2, ...), channel\n"
               "kind (AI, AO, DI, DO), the channel's position among the\n"
               "module's channels of that kind (from 1) and the\n"
               "parameter name, e.g. EB1/AI/2/sensortype=3"},
              {"--object N", "which object of the project, from 1 in file order"},
              {"--units SYSTEM",
               "unit system numbers are given in: si (default) or us\n"
               "(US customary, e.g. °F), in any letter case"},
              {"--force", "write values that fail the check, with a note for each"},
              LockWaitHelpRow()}));
}

}  // namespace

int RunSet(const std::vector<std::string>& words) {
  Arguments args("set", words, {"--object", "--units", "--wait", "--plugins", "--snvt"},
                 {"--force", "--help"});
  if (auto done = HelpOrUsageError("set", args, Help())) return *done;
  if (args.positional().size() < 2)
    return Fail("set", "expected a project file and NAME=VALUE (see tqhost set --help)",
                kExitUsage);
  const std::string& path = args.positional()[0];
  auto number = ParseObjectNumber(args.value("--object").value_or("1"));
  if (!number)
    return Fail("set", "--object takes a number from 1, not " + *args.value("--object"),
                kExitUsage);
  auto units = UnitSystemNamed(args.value("--units").value_or("si"));
  if (!units)
    return Fail("set", "--units takes si or us, not " + *args.value("--units"), kExitUsage);
  std::string error;
  auto wait = LockWaitOf(args, error);
  if (!wait) return Fail("set", error, kExitUsage);
  std::vector<ParameterAssignment> assignments;
  for (size_t i = 1; i < args.positional().size(); ++i) {
    auto assignment = ParseAssignment(args.positional()[i], error);
    if (!assignment) return Fail("set", error, kExitUsage);
    for (const ParameterAssignment& earlier : assignments)
      if (SameParameter(earlier, *assignment))
        return Fail("set", assignment->text + " is set twice", kExitUsage);
    assignments.push_back(*assignment);
  }

  // Held until FILE is replaced, so that a set running at the same time
  // neither is overwritten nor overwrites this one.
  ProjectLock lock("set", *wait);
  ProjectFile project;
  if (!ReadLockedProject(path, *number, lock, project, error))
    return Fail("set", error, kExitInput);
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("set", error, kExitInput);

  // Each value is checked by its parameter's type first; what fails is
  // reported all at once, and then nothing is written unless forced.
  ObjectEdit edit(session, *units, "set", args.has("--force"));
  std::string stream;
  const size_t index = *number - 1;
  auto object = edit.Apply(project, index, path, assignments, stream, error);
  if (!object && !error.empty()) return Fail("set", error, kExitInput);
  for (const std::string& refusal : edit.refusals()) Fail("set", refusal, kExitInput);
  if (!object) return kExitInput;
  project.Replace(index, *object);
  if (!project.Write(path, error)) return Fail("set", error, kExitInput);
  std::printf("%s\n", stream.c_str());
  return kExitOk;
}

}  // namespace host
