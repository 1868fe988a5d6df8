#include <cstdio>
#include <string>
#include <vector>

#include "com/ComPtr.h"
#include "com/Variant.h"
#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/commands/ParameterAssignment.h"
#include "host/output/CsvText.h"
#include "host/output/JsonText.h"
#include "host/output/TextTable.h"
#include "host/session/Answers.h"
#include "host/session/ComponentSession.h"
#include "host/session/ProjectFile.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost get FILE [--object N] [NAME ...] [--format text|csv|json]\n"
         "                  [--plugins DIR] [--snvt FILE]\n"
         "\n"
         "Prints the current values of object N (default 1) of the project FILE:\n"
         "each device parameter, then each channel parameter as set names it\n"
         "(EB1/AI/2/sensortype), with its unit and default, marking with \"*\" the\n"
         "values that differ from the default; then the object's inputs and\n"
         "outputs with their SNVT types and whether they are connected. Given\n"
         "NAMEs (in any letter case), only those parameters, in that order. A name\n"
         "the object does not have is an input problem (exit code 1); the message\n"
         "lists the names there are.\n" +
         std::string(kPlacingChecksHelp) + "\n" +
         HelpColumns(WithSessionOptions(
             {{"NAME", "a parameter, e.g. Priority or EB1/AI/2/sensortype"},
              {"--object N", "which object of the project, from 1 in file order"},
              {"--format F",
               "text (default), csv (one row per parameter, input and\n"
               "output) or json"}}));
}

struct Point {
  std::string direction;  // "input" or "output"
  std::string name, snvt;
  bool connected = false;
};

template <class Getter>
std::string Text(Getter get) {
  qcom::Bstr value;
  get(value.out());
  return value.utf8();
}

std::vector<Point> ReadPoints(IAppObject* object) {
  std::vector<Point> points;
  qcom::ComPtr<IInputs> inputs;
  LONG count = 0;
  if (SUCCEEDED(object->get_Inputs(inputs.put())) && inputs) inputs->get_Count(&count);
  for (LONG i = 1; i <= count; ++i) {
    qcom::ComPtr<IInput> input;
    inputs->get_Item(qcom::Variant(int32_t{i}).raw(), input.put());
    if (!input) continue;
    qcom::ComPtr<ICompatibleSNVTs> types;
    input->get_SNVTCompatibles(types.put());
    VARIANT_BOOL connected = VARIANT_FALSE;
    input->get_IsConnected(&connected);
    points.push_back({"input", Text([&](BSTR* b) { return input->get_Name(b); }),
                      types ? Text([&](BSTR* b) { return types->get_ToString(b); }) : "",
                      connected == VARIANT_TRUE});
  }
  qcom::ComPtr<IOutputs> outputs;
  count = 0;
  if (SUCCEEDED(object->get_Outputs(outputs.put())) && outputs) outputs->get_Count(&count);
  for (LONG i = 1; i <= count; ++i) {
    qcom::ComPtr<IOutput> output;
    outputs->get_Item(qcom::Variant(int32_t{i}).raw(), output.put());
    if (!output) continue;
    qcom::ComPtr<ICompatibleSNVT> type;
    output->get_SNVTCompatible(type.put());
    VARIANT_BOOL connected = VARIANT_FALSE;
    output->get_IsConnected(&connected);
    points.push_back({"output", Text([&](BSTR* b) { return output->get_Name(b); }),
                      type ? Text([&](BSTR* b) { return type->get_ID(b); }) : "",
                      connected == VARIANT_TRUE});
  }
  return points;
}

void PrintText(const std::string& label, const std::vector<ParameterRow>& values,
               const std::vector<Point>& points) {
  std::vector<std::vector<std::string>> rows = {{"Parameter", "Value", "Unit", "Default", ""}};
  for (const ParameterRow& v : values)
    rows.push_back({v.path, v.value, v.unit, v.defaultValue, v.changed ? "*" : ""});
  std::printf("%s\n%s", label.c_str(), TextTable(rows).c_str());
  if (points.empty()) return;
  rows = {{"Point", "Name", "SNVT", "Connection"}};
  for (const Point& p : points)
    rows.push_back({p.direction, p.name, p.snvt, p.connected ? "connected" : "not connected"});
  std::printf("\n%s", TextTable(rows).c_str());
}

void PrintCsv(const std::vector<ParameterRow>& values, const std::vector<Point>& points) {
  std::string out =
      CsvLine({"kind", "name", "value", "unit", "default", "changed", "snvt", "connected"});
  for (const ParameterRow& v : values)
    out += CsvLine({"parameter", v.path, v.value, v.unit, v.defaultValue, v.changed ? "yes" : "no",
                    v.snvtId, ""});
  for (const Point& p : points)
    out += CsvLine({p.direction, p.name, "", "", "", "", p.snvt, p.connected ? "yes" : "no"});
  std::fputs(out.c_str(), stdout);
}

void PrintJson(const ProjectEntry& entry, size_t number, const std::vector<ParameterRow>& values,
               const std::vector<Point>& points) {
  std::string out = "{\"object\": " + std::to_string(number) +
                    ", \"id\": " + JsonString(entry.identity.uniqueId) +
                    ", \"name\": " + JsonString(entry.identity.userName) +
                    ", \"type\": " + JsonString(entry.identity.type) + ",\n \"parameters\": [";
  for (size_t i = 0; i < values.size(); ++i) {
    const ParameterRow& v = values[i];
    out += std::string(i ? "," : "") + "\n  {\"name\": " + JsonString(v.path) +
           ", \"value\": " + JsonString(v.value) + ", \"unit\": " + JsonString(v.unit) +
           ", \"default\": " + JsonString(v.defaultValue) +
           ", \"changed\": " + (v.changed ? "true" : "false") + "}";
  }
  out += "],\n \"points\": [";
  for (size_t i = 0; i < points.size(); ++i) {
    const Point& p = points[i];
    out += std::string(i ? "," : "") + "\n  {\"kind\": " + JsonString(p.direction) +
           ", \"name\": " + JsonString(p.name) + ", \"snvt\": " + JsonString(p.snvt) +
           ", \"connected\": " + (p.connected ? "true" : "false") + "}";
  }
  std::printf("%s]}\n", out.c_str());
}

}  // namespace

int RunGet(const std::vector<std::string>& words) {
  Arguments args("get", words, {"--object", "--format", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("get", args, Help())) return *done;
  if (args.positional().empty())
    return Fail("get", "expected a project file (see tqhost get --help)", kExitUsage);
  const std::string& path = args.positional()[0];
  auto number = ParseObjectNumber(args.value("--object").value_or("1"));
  if (!number)
    return Fail("get", "--object takes a number from 1, not " + *args.value("--object"),
                kExitUsage);
  const std::string format = args.value("--format").value_or("text");
  if (format != "text" && format != "csv" && format != "json")
    return Fail("get", "--format takes text, csv or json, not " + format, kExitUsage);
  std::string error;
  std::vector<std::string> names;
  for (size_t i = 1; i < args.positional().size(); ++i) {
    if (!ParseParameterName(args.positional()[i], error)) return Fail("get", error, kExitUsage);
    names.push_back(args.positional()[i]);
  }

  ProjectFile project;
  if (!project.Read(path, error)) return Fail("get", error, kExitInput);
  if (*number > project.entries().size())
    return Fail("get",
                path + " holds " + Counted(project.entries().size(), "object") +
                    "; there is no object " + std::to_string(*number),
                kExitInput);
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("get", error, kExitInput);
  const size_t index = *number - 1;
  auto object =
      LoadProjectObject(session, project, index, path, error, {.onLoss = OnLoss::kRefuseUnplaced});
  if (!object) return Fail("get", error, kExitInput);
  const std::string label = ObjectLabel(path, project, index);
  if (!object->engineering()) return Fail("get", label + ": " + kNoEngineering, kExitInput);
  std::vector<ParameterRow> values;
  std::vector<Point> points;
  if (names.empty()) {
    values = ParameterRows(*object);
    points = ReadPoints(object->get());
  }
  for (const std::string& name : names)
    if (!FindParameterRow(*object, name, values.emplace_back(), error))
      return Fail("get", label + ": " + error, kExitInput);
  if (format == "csv")
    PrintCsv(values, points);
  else if (format == "json")
    PrintJson(project.entries()[index], *number, values, points);
  else
    PrintText(label + " \"" + project.entries()[index].identity.userName + "\"", values, points);
  return kExitOk;
}

}  // namespace host
