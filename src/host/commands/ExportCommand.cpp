#include <cstdio>
#include <string>
#include <vector>

#include "com/FileAccess.h"
#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/output/CsvText.h"
#include "host/output/ParameterCsv.h"
#include "host/session/Answers.h"
#include "host/session/ComponentSession.h"
#include "host/session/LockedProject.h"
#include "host/session/ProjectFile.h"
#include "host/session/XmlFiles.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost export FILE -o OUT [--object N] [--plugins DIR] [--snvt FILE]\n"
         "\n"
         "Writes the parameter values of every object of the project FILE (or of\n"
         "object N) to OUT as comma-separated values, one row per object and\n"
         "parameter, under the header row\n"
         "  object,name,parameter,value,unit\n"
         "object is the object's unique ID, name its user name, parameter the name\n"
         "set takes (Priority, EB1/AI/2/sensortype), value the value as the object\n"
         "answers it (numbers with a \".\" in every language) and unit the unit of the\n"
         "catalogue (SI) it is stored in. Edit the values in a spreadsheet and apply\n"
         "them with tqhost import. OUT is replaced whole.\n" +
         std::string(kPlacingChecksHelp) + "\n" +
         HelpColumns(WithSessionOptions(
             {{"-o OUT", "file to write, or - for standard output"},
              {"--object N", "only that object of the project, from 1 in file order"}}));
}
}  // namespace

int RunExport(const std::vector<std::string>& words) {
  Arguments args("export", words, {"-o", "--object", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("export", args, Help())) return *done;
  if (args.positional().size() != 1)
    return Fail("export", "expected one project file (see tqhost export --help)", kExitUsage);
  auto output = args.value("-o");
  if (!output || output->empty())
    return Fail("export", "missing -o OUT (see tqhost export --help)", kExitUsage);
  std::optional<size_t> number;
  if (auto option = args.value("--object"); option && !(number = ParseObjectNumber(*option)))
    return Fail("export", "--object takes a number from 1, not " + *option, kExitUsage);
  const std::string& path = args.positional()[0];

  std::string error;
  ProjectFile project;
  if (!project.Read(path, error) || (number && !HoldsObject(path, project, *number, error)))
    return Fail("export", error, kExitInput);
  qcom::KeepUnwritten(path);  // OUT never takes the place of the project
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("export", error, kExitInput);
  std::string text = CsvLine(kParameterCsvHeader);
  size_t rows = 0, objects = 0;
  for (size_t i = 0; i < project.entries().size(); ++i) {
    if (number && i + 1 != *number) continue;
    auto object =
        LoadProjectObject(session, project, i, path, error, {.onLoss = OnLoss::kRefuseUnplaced});
    if (!object) return Fail("export", error, kExitInput);
    const ObjectIdentity& identity = project.entries()[i].identity;
    ++objects;
    if (!object->engineering())
      return Fail("export", ObjectLabel(path, project, i) + ": " + kNoEngineering, kExitInput);
    for (const ParameterRow& value : ParameterRows(*object)) {
      text += CsvLine({identity.uniqueId, identity.userName, value.path, value.value, value.unit});
      ++rows;
    }
  }
  if (!WriteTextOutput(*output, text, error)) return Fail("export", error, kExitInput);
  if (*output == kStandardOutput) return kExitOk;  // standard output holds the values only
  std::printf("%s: %s of %s\n", output->c_str(), Counted(rows, "parameter").c_str(),
              Counted(objects, "object").c_str());
  return kExitOk;
}

}  // namespace host
