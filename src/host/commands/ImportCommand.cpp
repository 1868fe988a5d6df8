#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "com/TextRules.h"
#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/commands/ObjectEdit.h"
#include "host/output/CsvText.h"
#include "host/output/ParameterCsv.h"
#include "host/session/Answers.h"
#include "host/session/ComponentSession.h"
#include "host/session/ProjectFile.h"
#include "host/session/ProjectLock.h"
#include "host/session/XmlFiles.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost import FILE CSV [--units si|us] [--force] [--plugins DIR]\n"
         "                     [--wait SECONDS] [--snvt FILE]\n"
         "\n"
         "Applies the parameter values of CSV (- for standard input), a file of the\n"
         "form tqhost export writes, to the project FILE. Each row names an object\n"
         "by its unique ID and its user name (both must match the project) and a\n"
         "parameter as set names it; the unit column is not read. Rows may be left\n"
         "out, and rows whose value is the current one change nothing. The values\n"
         "that differ are checked and set as tqhost set checks and sets them, and\n"
         "the objects must still build their configuration streams.\n"
         "\n"
         "All or nothing: a row that cannot be read, names no object or parameter\n"
         "of the project, names one twice or holds a value the check refuses makes\n"
         "the exit code 1; every such row is named and FILE is not written.\n"
         "Otherwise FILE is written back once (replaced whole), and only when a\n"
         "value changed. The separator may be a comma or, as spreadsheets write in\n"
         "languages with a decimal comma, a semicolon.\n"
         "FILE is locked from before it is read until it is replaced.\n" +
         std::string(kPlacingChecksHelp) + "\n" +
         HelpColumns(WithSessionOptions(
             {{"--units SYSTEM",
               "unit system numbers are given in: si (default) or us\n"
               "(US customary, e.g. °F), in any letter case"},
              {"--force", "write values that fail the check, with a note for each"},
              LockWaitHelpRow()}));
}

// The changes a CSV asks of one object.
struct ObjectChanges {
  std::vector<size_t> lines;  // where each assignment stands in the CSV
  std::vector<ParameterAssignment> assignments;
};

bool HeaderMatches(const std::vector<std::string>& fields) {
  if (fields.size() != kParameterCsvHeader.size()) return false;
  for (size_t i = 0; i < fields.size(); ++i)
    if (!qcom::text::EqualsNoCase(qcom::text::Trim(fields[i]), kParameterCsvHeader[i]))
      return false;
  return true;
}

}  // namespace

int RunImport(const std::vector<std::string>& words) {
  Arguments args("import", words, {"--units", "--wait", "--plugins", "--snvt"},
                 {"--force", "--help"});
  if (auto done = HelpOrUsageError("import", args, Help())) return *done;
  if (args.positional().size() != 2)
    return Fail("import", "expected a project file and a CSV file (see tqhost import --help)",
                kExitUsage);
  auto units = UnitSystemNamed(args.value("--units").value_or("si"));
  if (!units)
    return Fail("import", "--units takes si or us, not " + *args.value("--units"), kExitUsage);
  const std::string& path = args.positional()[0];
  const std::string& csvPath = args.positional()[1];

  std::string error, text;
  auto wait = LockWaitOf(args, error);
  if (!wait) return Fail("import", error, kExitUsage);
  std::vector<CsvRecord> records;
  if (!ReadTextInput(csvPath, text, error)) return Fail("import", error, kExitInput);
  if (!ReadCsv(text, records, error)) return Fail("import", csvPath + ": " + error, kExitInput);
  if (records.empty() || !HeaderMatches(records.front().fields))
    return Fail("import",
                csvPath + ": line 1: expected the header " +
                    CsvLine(kParameterCsvHeader).substr(0, CsvLine(kParameterCsvHeader).size() - 1),
                kExitInput);

  // Held until FILE is replaced, as set holds it.
  ProjectLock lock("import", *wait);
  ProjectFile project;
  if (!lock.Acquire(path, error) || !project.Read(path, error))
    return Fail("import", error, kExitInput);
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("import", error, kExitInput);

  // Every row is read first; what is wrong with any is reported all at once.
  std::vector<std::string> problems;
  std::map<size_t, ObjectChanges> changes;
  for (size_t r = 1; r < records.size(); ++r) {
    const CsvRecord& record = records[r];
    const std::string where = csvPath + ": line " + std::to_string(record.line) + ": ";
    const std::vector<std::string>& f = record.fields;
    if (f.size() != kParameterCsvHeader.size()) {
      problems.push_back(where + "expected " + std::to_string(kParameterCsvHeader.size()) +
                         " fields, not " + std::to_string(f.size()));
      continue;
    }
    std::optional<size_t> index;
    size_t holders = 0;
    for (size_t i = 0; i < project.entries().size(); ++i)
      if (project.entries()[i].identity.uniqueId == f[0] && holders++ == 0) index = i;
    if (!index) {
      problems.push_back(where + path + " has no object with the ID " + f[0]);
      continue;
    }
    // A row cannot say which of them it means.
    if (holders > 1) {
      problems.push_back(where + path + " has " + std::to_string(holders) +
                         " objects with the ID " + f[0] + "; give each object its own ID");
      continue;
    }
    const std::string& userName = project.entries()[*index].identity.userName;
    if (userName != f[1]) {
      problems.push_back(where + "the object with the ID " + f[0] + " is named \"" + userName +
                         "\" in " + path + ", not \"" + f[1] + "\"");
      continue;
    }
    auto assignment = ParseAssignment(f[2] + "=" + f[3], error);
    if (!assignment) {
      problems.push_back(where + error);
      continue;
    }
    ObjectChanges& object = changes[*index];
    bool twice = false;
    for (size_t k = 0; k < object.assignments.size() && !twice; ++k)
      if (SameParameter(object.assignments[k], *assignment)) {
        problems.push_back(where + f[2] + " of the object with the ID " + f[0] +
                           " is also on line " + std::to_string(object.lines[k]));
        twice = true;
      }
    if (twice) continue;
    object.lines.push_back(record.line);
    object.assignments.push_back(*assignment);
  }
  for (const std::string& problem : problems) Fail("import", problem, kExitInput);
  if (!problems.empty()) return kExitInput;

  // Only values that differ from the current ones are set, so that an
  // unchanged CSV leaves the project as it is.
  ObjectEdit edit(session, *units, "import", args.has("--force"));
  size_t changedValues = 0, changedObjects = 0;
  for (auto& [index, object] : changes) {
    std::vector<ParameterAssignment> differing;
    {
      auto current = LoadProjectObject(session, project, index, path, error);
      if (!current) return Fail("import", error, kExitInput);
      for (size_t k = 0; k < object.assignments.size(); ++k) {
        const ParameterAssignment& a = object.assignments[k];
        ParameterRow value;
        std::string problem;
        if (!FindParameterRow(*current, a.text, value, problem))
          problems.push_back(csvPath + ": line " + std::to_string(object.lines[k]) + ": " +
                             ObjectLabel(path, project, index) + ": " + problem);
        else if (!edit.Unchanged(current->engineering(), a.text, value.value, a.value, error) &&
                 error.empty())
          differing.push_back(a);
        if (!error.empty()) return Fail("import", error, kExitInput);
      }
    }
    if (differing.empty() || !problems.empty()) continue;
    std::string stream;
    auto edited = edit.Apply(project, index, path, differing, stream, error);
    if (!edited && !error.empty()) return Fail("import", error, kExitInput);
    if (!edited) continue;
    project.Replace(index, *edited);
    changedValues += differing.size();
    ++changedObjects;
  }
  for (const std::string& problem : problems) Fail("import", problem, kExitInput);
  for (const std::string& refusal : edit.refusals()) Fail("import", refusal, kExitInput);
  if (!problems.empty() || !edit.refusals().empty()) return kExitInput;
  if (changedValues == 0) {
    std::printf("%s: no value differs; %s is unchanged\n", csvPath.c_str(), path.c_str());
    return kExitOk;
  }
  if (!project.Write(path, error)) return Fail("import", error, kExitInput);
  std::printf("%s: %s of %s changed\n", path.c_str(), Counted(changedValues, "value").c_str(),
              Counted(changedObjects, "object").c_str());
  return kExitOk;
}

}  // namespace host
