#include <cstdio>
#include <string>
#include <vector>

#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/output/TextTable.h"
#include "host/session/Answers.h"
#include "host/session/ComponentSession.h"
#include "host/session/LockedProject.h"
#include "host/session/ProjectFile.h"

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
         "its field or rounded to what it holds, that reads back otherwise changed\n"
         "or as no number, whose stored value is not a number, whose type the\n"
         "catalogue lacks or defines twice, or that is not hex where it must be.\n"
         "The exit code is 1 when an object builds no stream.\n" +
         std::string(kPlacingChecksHelp) + "\n" +
         HelpColumns(WithSessionOptions({{"--object N",
                                          "which object of the project, from 1 in file order;\n"
                                          "default: every object"}}));
}

// A bound input's stored reference is followed by the output it comes from.
void PrintExplanation(const std::string& label, IStreamExplanation* explained,
                      const ProjectFile& project, size_t index) {
  std::printf("%s: %ld bytes\n", label.c_str(),
              static_cast<long>(NumberOf(explained, &IStreamExplanation::get_Bytes)));
  std::vector<std::vector<std::string>> rows = {
      {"offset", "bytes", "row", "field", "stored", "read back", "note"}};
  for (const auto& f : ListOf<IStreamField>(explained, &IStreamExplanation::get_Fields)) {
    const std::string hex = TextOf(f.get(), &IStreamField::get_Hex);
    const std::string row = TextOf(f.get(), &IStreamField::get_Row);
    const std::string name = TextOf(f.get(), &IStreamField::get_Name);
    std::string stored = TextOf(f.get(), &IStreamField::get_Stored);
    if (std::string source = BoundSource(project, index, name); row == "inputs" && !source.empty())
      stored += " from " + source;
    rows.push_back({std::to_string(NumberOf(f.get(), &IStreamField::get_Offset)),
                    hex.empty() ? "-" : hex, row, name, stored,
                    TextOf(f.get(), &IStreamField::get_ReadBack),
                    TextOf(f.get(), &IStreamField::get_Note)});
  }
  std::fputs(TextTable(rows, 0).c_str(), stdout);
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
  int code = kExitOk;
  for (size_t i = 0; i < project.entries().size(); ++i) {
    if (only && i + 1 != *only) continue;
    auto object =
        LoadProjectObject(session, project, i, path, error, {.onLoss = OnLoss::kRefuseUnplaced});
    if (!object) return Fail("explain", error, kExitInput);
    const std::string label = ObjectLabel(path, project, i);
    auto explained = object->Explain();
    if (!explained) return Fail("explain", label + ": " + kNoEngineering, kExitInput);
    if (i > 0 && !only) std::printf("\n");
    PrintExplanation(label, explained.get(), project, i);
    if (TextOf(explained.get(), &IStreamExplanation::get_Stream).empty()) {
      std::fflush(stdout);
      code = Fail("explain", label + ": the object builds no configuration stream", kExitInput);
    }
  }
  return code;
}

}  // namespace host
