#include <cstdio>
#include <string>
#include <vector>

#include "com/TextRules.h"
#include "host/Arguments.h"
#include "host/Commands.h"
#include "host/ComponentSession.h"
#include "host/ExitCodes.h"
#include "host/LockedProject.h"
#include "host/ProjectFile.h"
#include "host/StreamLayout.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost explain FILE [--object N] [--plugins DIR] [--snvt FILE]\n"
         "\n"
         "Takes the configuration stream of object N of the project FILE (of every\n"
         "object without --object) apart, one line per field: its byte offset, its\n"
         "bytes, the part of the block it belongs to, the parameter or count it\n"
         "encodes, its value as stored and the value the controller reads back from\n"
         "those bytes, after scaling and rounding. The last column flags a field\n"
         "whose encoding failed (it takes no bytes), that was clamped to the top of\n"
         "its field, that reads back otherwise changed, or whose stored value is not\n"
         "a number. The exit code is 1 when an object builds no stream or its\n"
         "stream does not split into its fields.\n" +
         std::string(kPlacingChecksHelp) + "\n" +
         HelpColumns(WithSessionOptions({{"--object N",
                                          "which object of the project, from 1 in file order;\n"
                                          "default: every object"}}));
}

// The columns of the table, each as wide as its widest cell.
void PrintTable(const std::vector<std::vector<std::string>>& rows) {
  std::vector<size_t> widths;
  for (const auto& row : rows)
    for (size_t i = 0; i < row.size(); ++i) {
      if (widths.size() <= i) widths.push_back(0);
      widths[i] = std::max(widths[i], qcom::text::Length(row[i]));
    }
  for (const auto& row : rows) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) {
      line += row[i];
      if (i + 1 < row.size()) line += std::string(widths[i] - qcom::text::Length(row[i]) + 2, ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    std::printf("%s\n", line.c_str());
  }
}

void PrintExplanation(const std::string& label, const StreamExplanation& explained) {
  std::printf("%s: %zu bytes\n", label.c_str(), explained.stream.size() / 2);
  std::vector<std::vector<std::string>> rows = {
      {"offset", "bytes", "row", "field", "stored", "read back", "note"}};
  for (const StreamField& f : explained.fields)
    rows.push_back({std::to_string(f.offset), f.hex.empty() ? "-" : f.hex, f.row, f.name, f.stored,
                    f.readBack, f.flag});
  PrintTable(rows);
}

}  // namespace

int RunExplain(const std::vector<std::string>& words) {
  Arguments args("explain", words, {"--object", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("explain", args, Help())) return *done;
  if (args.positional().size() != 1)
    return Fail("explain", "expected one project file (see tqhost explain --help)", kExitUsage);
  const std::string& path = args.positional()[0];
  std::optional<size_t> only;
  if (auto text = args.value("--object")) {
    only = ParseObjectNumber(*text);
    if (!only) return Fail("explain", "--object takes a number from 1, not " + *text, kExitUsage);
  }

  std::string error;
  ProjectFile project;
  if (!project.Read(path, error)) return Fail("explain", error, kExitInput);
  if (only && !HoldsObject(path, project, *only, error)) return Fail("explain", error, kExitInput);
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("explain", error, kExitInput);
  StreamExplainer explainer(session);
  int code = kExitOk;
  for (size_t i = 0; i < project.entries().size(); ++i) {
    if (only && i + 1 != *only) continue;
    qxml::ElementPtr saved;
    auto object = LoadProjectObject(session, project, i, path, error,
                                    {.onLoss = OnLoss::kRefuseUnplaced, .saved = &saved});
    if (!object) return Fail("explain", error, kExitInput);
    const std::string label = ObjectLabel(path, project, i);
    StreamExplanation explained = explainer.Explain(*object, saved.get());
    for (StreamField& field : explained.fields)
      if (std::string source = BoundSource(project, i, field.name);
          field.row == "inputs" && !source.empty())
        field.stored += " from " + source;
    if (i > 0 && !only) std::printf("\n");
    PrintExplanation(label, explained);
    if (!explained.mismatch.empty()) {
      std::fflush(stdout);
      code = Fail("explain", label + ": " + explained.mismatch, kExitInput);
    }
  }
  return code;
}

}  // namespace host
