// Bindings between the objects of a project: made, removed and listed.
#include <cstdio>
#include <string>
#include <vector>

#include "com/TextRules.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/output/JsonText.h"
#include "host/output/TextTable.h"
#include "host/session/ProjectChange.h"

namespace host {

namespace {

template <class Getter>
std::string Text(Getter get) {
  qcom::Bstr value;
  get(value.out());
  return value.utf8();
}

// The names of an object's inputs or outputs, for a message.
template <class Collection, class Point>
std::string PointNames(Collection* points) {
  std::vector<std::string> names;
  LONG count = 0;
  if (points) points->get_Count(&count);
  for (LONG i = 1; i <= count; ++i) {
    qcom::ComPtr<Point> point;
    points->get_Item(qcom::Variant(int32_t{i}).raw(), point.put());
    if (point) names.push_back(Text([&](BSTR* b) { return point->get_Name(b); }));
  }
  return names.empty() ? "none" : JoinNames(names, ", ");
}

std::string NoPoint(const std::string& label, const char* kind, const std::string& name,
                    IAppObject* object) {
  std::string there;
  if (std::string(kind) == "input") {
    qcom::ComPtr<IInputs> inputs;
    object->get_Inputs(inputs.put());
    there = PointNames<IInputs, IInput>(inputs.get());
  } else {
    qcom::ComPtr<IOutputs> outputs;
    object->get_Outputs(outputs.put());
    there = PointNames<IOutputs, IOutput>(outputs.get());
  }
  return label + " has no " + kind + " " + name + "; its " + kind + "s are: " + there;
}

struct Ends {
  PointWord output, input;
};
std::optional<Ends> ReadEnds(const char* command, const Arguments& args, int& code) {
  std::string error;
  if (args.positional().size() != 3) {
    code = Fail(command,
                std::string("expected a project file, an output and an input (see tqhost ") +
                    command + " --help)",
                kExitUsage);
    return std::nullopt;
  }
  auto output = ParsePointWord(args.positional()[1], error);
  auto input = output ? ParsePointWord(args.positional()[2], error) : std::nullopt;
  if (!input) {
    code = Fail(command, error, kExitUsage);
    return std::nullopt;
  }
  return Ends{*output, *input};
}

constexpr const char* kPointsHelp =
    "SOURCE names an output and TARGET an input as OBJECT:NAME: the object's\n"
    "number in the project (from 1, in file order) and the point's name as\n"
    "tqhost get lists it, in any letter case, e.g. 2:Analog (0) Value.\n";

}  // namespace

int RunConnect(const std::vector<std::string>& words) {
  const char* command = "connect";
  Arguments args(command, words, {"--wait", "--plugins", "--snvt"}, {"--help"});
  const std::string help =
      "usage: tqhost connect FILE SOURCE TARGET [--wait SECONDS] [--plugins DIR] [--snvt FILE]\n"
      "\n"
      "Binds the output SOURCE of one object of the project FILE to the input\n"
      "TARGET of another (or the same) object. The binding is kept in FILE and\n"
      "applied whenever the project is opened: both points are connected, and\n"
      "the input holds the output's reference, which its object sends in its\n"
      "configuration stream. Refused, with nothing written, when a point does\n"
      "not exist, the output's SNVT is not one the input takes, or the input is\n"
      "bound already (an output may feed any number of inputs).\n" +
      std::string(kPointsHelp) + "\n" + HelpColumns(WithSessionOptions({LockWaitHelpRow()}));
  if (auto done = HelpOrUsageError(command, args, help)) return *done;
  int code = kExitUsage;
  auto ends = ReadEnds(command, args, code);
  if (!ends) return code;
  std::string error;
  auto wait = LockWaitOf(args, error);
  if (!wait) return Fail(command, error, kExitUsage);

  ProjectChange change(command, args.positional()[0], *wait);
  if (!change.Open(args, error) || !change.Holds(ends->output.number, error) ||
      !change.Holds(ends->input.number, error))
    return Fail(command, error, kExitInput);
  ProjectFile& project = change.project();
  const size_t from = ends->output.number - 1, to = ends->input.number - 1;
  for (size_t index : {from, to}) {
    std::string problem;
    if (!ObjectWithId(project, project.entries()[index].identity.uniqueId, problem))
      return Fail(command, change.Label(index) + ": " + problem + "; bindings name objects by it",
                  kExitInput);
  }
  auto source = change.Load(from, error);
  if (!source) return Fail(command, error, kExitInput);
  auto output = FindOutput(source->get(), ends->output.point);
  if (!output)
    return Fail(command, NoPoint(change.Label(from), "output", ends->output.point, source->get()),
                kExitInput);
  std::unique_ptr<PlacedObject> other;
  if (to != from && !(other = change.Load(to, error))) return Fail(command, error, kExitInput);
  const PlacedObject& target = other ? *other : *source;
  auto input = FindInput(target.get(), ends->input.point);
  if (!input)
    return Fail(command, NoPoint(change.Label(to), "input", ends->input.point, target.get()),
                kExitInput);

  Binding binding{
      {project.entries()[from].identity.uniqueId,
       Text([&](BSTR* b) { return output->get_Name(b); })},
      {project.entries()[to].identity.uniqueId, Text([&](BSTR* b) { return input->get_Name(b); })}};
  const std::string label = BindingLabel(project, binding);
  if (std::string why = IncompatibleTypes(output.get(), input.get()); !why.empty())
    return Fail(command, change.path() + ": " + label + ": " + why + "; nothing is written",
                kExitInput);
  for (const Binding& b : project.bindings().all())
    if (b.input.object == binding.input.object &&
        qcom::text::EqualsNoCase(b.input.point, binding.input.point))
      return Fail(command,
                  change.path() + ": " + PointLabel(project, binding.input) +
                      " is bound already (" + BindingLabel(project, b) +
                      "); tqhost disconnect removes that binding",
                  kExitInput);
  const std::string reference = ReferenceFor(output.get(), input.get());
  project.bindings().Add(binding);
  if (!change.Write(error)) return Fail(command, error, kExitInput);
  std::printf("%s: %s, reference %s\n", change.path().c_str(), label.c_str(), reference.c_str());
  return kExitOk;
}

int RunDisconnect(const std::vector<std::string>& words) {
  const char* command = "disconnect";
  Arguments args(command, words, {"--wait", "--plugins", "--snvt"}, {"--help"});
  const std::string help =
      "usage: tqhost disconnect FILE SOURCE TARGET [--wait SECONDS]\n"
      "\n"
      "Removes the binding of the output SOURCE to the input TARGET from the\n"
      "project FILE; the objects themselves are not changed.\n" +
      std::string(kPointsHelp) + "\n" + HelpColumns(WithSessionOptions({LockWaitHelpRow()}));
  if (auto done = HelpOrUsageError(command, args, help)) return *done;
  int code = kExitUsage;
  auto ends = ReadEnds(command, args, code);
  if (!ends) return code;
  std::string error;
  auto wait = LockWaitOf(args, error);
  if (!wait) return Fail(command, error, kExitUsage);

  ProjectChange change(command, args.positional()[0], *wait);
  if (!change.Open(args, error) || !change.Holds(ends->output.number, error) ||
      !change.Holds(ends->input.number, error))
    return Fail(command, error, kExitInput);
  ProjectFile& project = change.project();
  const std::string& fromId = project.entries()[ends->output.number - 1].identity.uniqueId;
  const std::string& toId = project.entries()[ends->input.number - 1].identity.uniqueId;
  auto removed = project.bindings().RemoveIf([&](const Binding& b) {
    return b.output.object == fromId && b.input.object == toId &&
           qcom::text::EqualsNoCase(b.output.point, ends->output.point) &&
           qcom::text::EqualsNoCase(b.input.point, ends->input.point);
  });
  if (removed.empty()) {
    std::vector<std::string> there;
    for (const Binding& b : project.bindings().all()) there.push_back(BindingLabel(project, b));
    return Fail(
        command,
        change.path() + ": no binding " + args.positional()[1] + " -> " + args.positional()[2] +
            "; the bindings are: " + (there.empty() ? std::string("none") : JoinNames(there, ", ")),
        kExitInput);
  }
  if (!change.Write(error)) return Fail(command, error, kExitInput);
  std::printf("%s: %s removed\n", change.path().c_str(),
              BindingLabel(project, removed.front()).c_str());
  return kExitOk;
}

}  // namespace host
