// The points list and the list of bindings.
#include <cstdio>
#include <string>
#include <vector>

#include "com/FileAccess.h"
#include "com/TextRules.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/output/CsvText.h"
#include "host/output/JsonText.h"
#include "host/output/TextTable.h"
#include "host/session/PointsList.h"
#include "host/session/XmlFiles.h"

namespace host {

namespace {

std::optional<char> DelimiterNamed(const std::string& text) {
  if (text == "," || text == "comma") return ',';
  if (text == ";" || text == "semicolon") return ';';
  if (text == "\t" || text == "tab") return '\t';
  return std::nullopt;
}

std::string Csv(const std::vector<PointRow>& rows, char delimiter) {
  std::string out = CsvLine({"object", "name", "direction", "point", "channel", "snvt", "type",
                             "unit", "reference", "bindings"},
                            delimiter);
  for (const PointRow& r : rows) {
    std::string bound;
    for (const std::string& b : r.bindings) bound += (bound.empty() ? "" : " ") + b;
    // Types without a unit leave the field empty rather than a row of commas.
    const bool units = r.units.find_first_not_of(',') != std::string::npos;
    out += CsvLine({r.id, r.userName, r.direction, r.name, r.channel, r.snvtIds, r.snvtNames,
                    units ? r.units : "", r.reference, bound},
                   delimiter);
  }
  return out;
}

std::string Json(const std::vector<PointRow>& rows) {
  std::string out = "[";
  for (const PointRow& r : rows)
    out += std::string(out.size() > 1 ? "," : "") + "\n  {\"object\": " + std::to_string(r.object) +
           ", \"id\": " + JsonString(r.id) + ", \"name\": " + JsonString(r.userName) +
           ", \"direction\": " + JsonString(r.direction) + ", \"point\": " + JsonString(r.name) +
           ", \"channel\": " + JsonString(r.channel) +
           ", \"snvt\": " + JsonNumbers(SplitCommas(r.snvtIds)) +
           ", \"type\": " + JsonTexts(SplitCommas(r.snvtNames)) +
           ", \"unit\": " + JsonTexts(SplitCommas(r.units)) +
           ", \"reference\": " + JsonString(r.reference) +
           ", \"bindings\": " + JsonTexts(r.bindings) + "}";
  return out + (rows.empty() ? "]\n" : "\n]\n");
}

}  // namespace

int RunPoints(const std::vector<std::string>& words) {
  const char* command = "points";
  Arguments args(command, words, {"--format", "--delimiter", "-o", "--plugins", "--snvt"},
                 {"--help"});
  const std::string help =
      "usage: tqhost points FILE [--format csv|json] [--delimiter D] [-o OUT]\n"
      "                  [--plugins DIR] [--snvt FILE]\n"
      "\n"
      "Lists every input and output of every object of the project FILE, one\n"
      "row each, for the supervisory system: the object's unique ID and user\n"
      "name, direction, point name, channel (EB2/DI/1), SNVT numbers, type names\n"
      "and units (an input lists every type it takes, \",\" between them), the\n"
      "reference the controller is sent (an input's is its source's once bound,\n"
      "zeros while not) and the points it is bound to. CSV (the default) has a\n"
      "header row and is UTF-8, as tqhost export writes it; JSON is an array of\n"
      "objects with SNVT numbers as numbers. A FILE of - reads the project from\n"
      "standard input.\n"
      "\n"
      "Exit codes: 0 listed, 1 trouble (a file, registration or object that\n"
      "cannot be used), 2 usage.\n\n" +
      HelpColumns(
          WithSessionOptions({{"--format F", "csv (default) or json"},
                              {"--delimiter D", "the CSV field separator: , (default), ; or tab"},
                              {"-o OUT", "file to write (default: standard output)"}}));
  if (auto done = HelpOrUsageError(command, args, help)) return *done;
  if (args.positional().size() != 1)
    return Fail(command, "expected one project file (see tqhost points --help)", kExitUsage);
  auto format = FormatOf(args, {"csv", "json"});
  if (!format)
    return Fail(command, "--format takes csv or json, not " + *args.value("--format"), kExitUsage);
  auto delimiter = DelimiterNamed(args.value("--delimiter").value_or(","));
  if (!delimiter)
    return Fail(command, "--delimiter takes , ; or tab, not " + *args.value("--delimiter"),
                kExitUsage);
  const std::string& path = args.positional()[0];
  std::string error;
  ProjectFile project;
  if (!project.Read(path, error)) return Fail(command, error, kExitInput);
  ComponentSession session;
  if (!session.Open(args, error)) return Fail(command, error, kExitInput);
  std::vector<PointRow> rows;
  if (!ReadPointRows(session, project, path, rows, error)) return Fail(command, error, kExitInput);
  const std::string text = *format == "json" ? Json(rows) : Csv(rows, *delimiter);
  const std::string output = args.value("-o").value_or(kStandardOutput);
  if (output != kStandardOutput) qcom::KeepUnwritten(path);
  if (!WriteTextOutput(output, text, error)) return Fail(command, error, kExitInput);
  return kExitOk;
}

int RunConnections(const std::vector<std::string>& words) {
  const char* command = "connections";
  Arguments args(command, words, {"--format", "--plugins", "--snvt"}, {"--help"});
  const std::string help =
      "usage: tqhost connections FILE [--format text|json] [--plugins DIR] [--snvt FILE]\n"
      "\n"
      "Lists the bindings of the project FILE, sorted by input: the output, the\n"
      "input it feeds (as OBJECT:NAME, the object's number from 1) and the\n"
      "reference the input holds. Each bound object is opened, so a binding\n"
      "whose point is gone or whose types do not fit is reported. A FILE of -\n"
      "reads the project from standard input.\n"
      "\n"
      "Exit codes: 0 listed, 1 trouble (a file, registration or object that\n"
      "cannot be used, a binding that does not fit), 2 usage.\n\n" +
      HelpColumns(
          WithSessionOptions({{"--format F",
                               "text (default) or json: [{\"output\": {\"object\", \"id\",\n"
                               "\"point\"}, \"input\": {...}, \"reference\"}]"}}));
  if (auto done = HelpOrUsageError(command, args, help)) return *done;
  if (args.positional().size() != 1)
    return Fail(command, "expected one project file (see tqhost connections --help)", kExitUsage);
  auto format = FormatOf(args, {"text", "json"});
  if (!format)
    return Fail(command, "--format takes text or json, not " + *args.value("--format"), kExitUsage);
  const std::string& path = args.positional()[0];
  std::string error;
  ProjectFile project;
  if (!project.Read(path, error)) return Fail(command, error, kExitInput);
  ComponentSession session;
  if (!session.Open(args, error)) return Fail(command, error, kExitInput);
  // Only the objects a binding names are opened; the inputs' rows carry the references.
  std::vector<bool> bound(project.entries().size());
  for (const Binding& b : project.bindings().all())
    for (const BoundPoint* end : {&b.input, &b.output}) {
      auto index = ObjectWithId(project, end->object, error);
      if (!index)
        return Fail(command, path + ": binding " + BindingLabel(project, b) + ": " + error,
                    kExitInput);
      bound[*index] = true;
    }
  std::vector<PointRow> rows;
  if (!ReadPointRows(session, project, path, rows, error, [&](size_t i) { return bound[i]; }))
    return Fail(command, error, kExitInput);
  std::vector<std::vector<std::string>> table = {{"Output", "Input", "Reference"}};
  std::string json = "[";
  // Bindings in file order, which is sorted by input, as the rows are.
  for (const Binding& b : project.bindings().all()) {
    std::string reference;
    for (const PointRow& r : rows)
      if (r.direction == "input" && r.id == b.input.object &&
          qcom::text::EqualsNoCase(r.name, b.input.point))
        reference = r.reference;
    table.push_back({PointLabel(project, b.output), PointLabel(project, b.input), reference});
    std::string problem;
    auto out = ObjectWithId(project, b.output.object, problem);
    auto in = ObjectWithId(project, b.input.object, problem);
    json +=
        std::string(json.size() > 1 ? "," : "") +
        "\n  {\"output\": {\"object\": " + std::to_string(*out + 1) +
        ", \"id\": " + JsonString(b.output.object) + ", \"point\": " + JsonString(b.output.point) +
        "}, \"input\": {\"object\": " + std::to_string(*in + 1) +
        ", \"id\": " + JsonString(b.input.object) + ", \"point\": " + JsonString(b.input.point) +
        "}, \"reference\": " + JsonString(reference) + "}";
  }
  if (*format == "json")
    std::fputs((json + (json.size() > 1 ? "\n]\n" : "]\n")).c_str(), stdout);
  else if (table.size() == 1)
    std::printf("%s: no bindings\n", path.c_str());
  else
    std::fputs(TextTable(table).c_str(), stdout);
  return kExitOk;
}

}  // namespace host
