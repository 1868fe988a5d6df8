#include <cstdio>
#include <string>
#include <vector>

#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/output/JsonText.h"
#include "host/output/TextTable.h"
#include "host/session/Answers.h"
#include "host/session/ComponentSession.h"
#include "host/session/LockedProject.h"
#include "host/session/ProjectFile.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost explain FILE [--object N] [--format text|json] [--plugins DIR]\n"
         "                    [--snvt FILE]\n"
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
         "A FILE of - reads the project from standard input.\n" +
         std::string(kPlacingChecksHelp) + "\n" +
         "Exit codes: 0 every object builds its stream, 1 an object builds none,\n"
         "2 usage, 3 trouble (a file, registration or object that cannot be used).\n"
         "\n" +
         HelpColumns(WithSessionOptions(
             {{"--object N",
               "which object of the project, from 1 in file order;\n"
               "default: every object"},
              {"--format F",
               "text (default) or json: one element per object, {\"object\",\n"
               "\"id\", \"name\", \"bytes\", \"stream\", \"fields\": [{\"offset\",\n"
               "\"size\", \"hex\", \"row\", \"field\", \"stored\", \"readBack\",\n"
               "\"note\", \"source\"}]}; offsets and sizes are numbers, the\n"
               "values the texts the table shows"}}));
}

struct FieldRow {
  long offset = 0;
  std::string hex, row, name, stored, readBack, note;
  std::string source;  // the output a bound input's reference comes from
};

std::vector<FieldRow> FieldRows(IStreamExplanation* explained, const ProjectFile& project,
                                size_t index) {
  std::vector<FieldRow> rows;
  for (const auto& f : ListOf<IStreamField>(explained, &IStreamExplanation::get_Fields)) {
    FieldRow r{static_cast<long>(NumberOf(f.get(), &IStreamField::get_Offset)),
               TextOf(f.get(), &IStreamField::get_Hex),
               TextOf(f.get(), &IStreamField::get_Row),
               TextOf(f.get(), &IStreamField::get_Name),
               TextOf(f.get(), &IStreamField::get_Stored),
               TextOf(f.get(), &IStreamField::get_ReadBack),
               TextOf(f.get(), &IStreamField::get_Note),
               {}};
    if (r.row == "inputs") r.source = BoundSource(project, index, r.name);
    rows.push_back(std::move(r));
  }
  return rows;
}

// A bound input's stored reference is followed by the output it comes from.
void PrintExplanation(const std::string& label, long bytes, const std::vector<FieldRow>& fields) {
  std::printf("%s: %ld bytes\n", label.c_str(), bytes);
  std::vector<std::vector<std::string>> rows = {
      {"offset", "bytes", "row", "field", "stored", "read back", "note"}};
  for (const FieldRow& f : fields)
    rows.push_back({std::to_string(f.offset), f.hex.empty() ? "-" : f.hex, f.row, f.name,
                    f.source.empty() ? f.stored : f.stored + " from " + f.source, f.readBack,
                    f.note});
  std::fputs(TextTable(rows, 0).c_str(), stdout);
}

std::string ExplanationJson(const ProjectEntry& entry, size_t number, long bytes,
                            const std::string& stream, const std::vector<FieldRow>& fields) {
  std::string out = "{\"object\": " + std::to_string(number) +
                    ", \"id\": " + JsonString(entry.identity.uniqueId) +
                    ", \"name\": " + JsonString(entry.identity.userName) +
                    ", \"bytes\": " + std::to_string(bytes) +
                    ", \"stream\": " + JsonString(stream) + ", \"fields\": [";
  for (size_t k = 0; k < fields.size(); ++k) {
    const FieldRow& f = fields[k];
    out += std::string(k ? "," : "") + "\n   {\"offset\": " + std::to_string(f.offset) +
           ", \"size\": " + std::to_string(f.hex.size() / 2) + ", \"hex\": " + JsonString(f.hex) +
           ", \"row\": " + JsonString(f.row) + ", \"field\": " + JsonString(f.name) +
           ", \"stored\": " + JsonString(f.stored) + ", \"readBack\": " + JsonString(f.readBack) +
           ", \"note\": " + JsonString(f.note) +
           ", \"source\": " + (f.source.empty() ? "null" : JsonString(f.source)) + "}";
  }
  return out + (fields.empty() ? "]}" : "\n  ]}");
}

}  // namespace

int RunExplain(const std::vector<std::string>& words) {
  Arguments args("explain", words, {"--object", "--format", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("explain", args, Help())) return *done;
  const auto format = FormatOf(args, {"text", "json"});
  if (!format)
    return Fail("explain", "--format takes text or json, not " + *args.value("--format"),
                kExitUsage);
  const bool json = *format == "json";
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
  if (!project.Read(path, error)) return Fail("explain", error, kExitTrouble);
  if (only && !HoldsObject(path, project, *only, error))
    return Fail("explain", error, kExitTrouble);
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("explain", error, kExitTrouble);
  int code = kExitOk;
  std::vector<std::string> objects;  // in JSON, printed once every object is read
  for (size_t i = 0; i < project.entries().size(); ++i) {
    if (only && i + 1 != *only) continue;
    auto object =
        LoadProjectObject(session, project, i, path, error, {.onLoss = OnLoss::kRefuseUnplaced});
    if (!object) return Fail("explain", error, kExitTrouble);
    const std::string label = ObjectLabel(path, project, i);
    auto explained = object->Explain();
    if (!explained) return Fail("explain", label + ": " + kNoEngineering, kExitTrouble);
    const long bytes = static_cast<long>(NumberOf(explained.get(), &IStreamExplanation::get_Bytes));
    const std::string stream = TextOf(explained.get(), &IStreamExplanation::get_Stream);
    const std::vector<FieldRow> fields = FieldRows(explained.get(), project, i);
    if (json)
      objects.push_back(ExplanationJson(project.entries()[i], i + 1, bytes, stream, fields));
    else if (i > 0 && !only)
      std::printf("\n");
    if (!json) PrintExplanation(label, bytes, fields);
    if (stream.empty()) {
      std::fflush(stdout);
      code = Fail("explain", label + ": the object builds no configuration stream", kExitFound);
    }
  }
  if (json) std::printf("[\n  %s\n]\n", JoinNames(objects, ",\n  ").c_str());
  return code;
}

}  // namespace host
