#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "host/Arguments.h"
#include "host/Commands.h"
#include "host/ComponentSession.h"
#include "host/ExitCodes.h"
#include "host/ObjectParameters.h"
#include "host/ProjectFile.h"
#include "host/StreamLayout.h"
#include "host/ValueChecker.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost check FILE [--plugins DIR] [--snvt FILE]\n"
         "\n"
         "Checks every object of the project FILE before it is downloaded and prints\n"
         "one line per finding: the object, the parameter (or \"modules\", \"stream\")\n"
         "and what is wrong. It finds module chains the configuration tree forbids,\n"
         "a catalogue that lacks the SNVT types of the definition or of a parameter,\n"
         "modules, channels and values of the project the object cannot place,\n"
         "values outside their type's limits, not members of their enumeration or\n"
         "longer than their text type allows (as tqhost set checks them), values\n"
         "whose encoding fails or is clamped, and a stream shorter than its types\n"
         "promise. Findings are sorted by object number, then parameter, and are the\n"
         "same on every run, so the output can be kept with the project. Exit code 1\n"
         "when there is a finding, 0 (with one line saying so) when there is none.\n"
         "\n" +
         HelpColumns(WithSessionOptions({}));
}

struct Finding {
  size_t object;  // 0-based
  std::string parameter;
  std::string reason;
  bool operator<(const Finding& other) const {
    return std::tie(object, parameter, reason) <
           std::tie(other.object, other.parameter, other.reason);
  }
  bool operator==(const Finding& other) const = default;
};

// What a load error says after the object's label.
std::string AfterLabel(const std::string& error, const std::string& label) {
  return error.rfind(label + ": ", 0) == 0 ? error.substr(label.size() + 2) : error;
}

}  // namespace

int RunCheck(const std::vector<std::string>& words) {
  Arguments args("check", words, {"--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("check", args, Help())) return *done;
  if (args.positional().size() != 1)
    return Fail("check", "expected one project file (see tqhost check --help)", kExitUsage);
  const std::string& path = args.positional()[0];

  std::string error;
  ProjectFile project;
  if (!project.Read(path, error)) return Fail("check", error, kExitInput);
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("check", error, kExitInput);
  StreamExplainer explainer(session);
  ValueChecker checker(session.catalogue(), hostkit::UnitSystem::kSI);
  std::vector<Finding> findings;
  std::map<std::string, std::string> refusals;
  for (size_t i = 0; i < project.entries().size(); ++i) {
    const std::string label = ObjectLabel(path, project, i);
    qxml::ElementPtr saved;
    std::vector<LostPart> lost;
    auto object = LoadProjectObject(session, project, i, path, error,
                                    {.onLoss = OnLoss::kReport, .saved = &saved, .lost = &lost});
    if (!object) {
      // A forbidden chain or a catalogue that serves none of the type's SNVT
      // types: the object is not placed, so nothing else of it can be checked.
      findings.push_back({i, "modules", AfterLabel(error, label)});
      continue;
    }
    // What the object skipped is missing from its stream, or at least from
    // the project once the object is written back.
    for (const LostPart& part : lost)
      findings.push_back(
          {i, part.unplaced ? "modules" : "saved element", "the object cannot place " + part.what});
    for (const ObjectParameter& parameter : ObjectParameters(explainer, *object, saved.get())) {
      if (parameter.snvtId.empty()) continue;
      if (!explainer.Type(parameter.snvtId).known) {
        findings.push_back({i, parameter.path, "the catalogue has no SNVT_" + parameter.snvtId});
        continue;
      }
      // Projects repeat their values: each is checked once per type.
      auto [refusal, fresh] = refusals.try_emplace(parameter.snvtId + "\n" + parameter.value);
      ValueChecker::Checked checked;
      if (fresh && !checker.Check(parameter.snvtId, parameter.value, checked, error))
        return Fail("check", error, kExitInput);
      if (fresh) refusal->second = checked.refusal;
      if (!refusal->second.empty())
        findings.push_back({i, parameter.path, parameter.value + ": " + refusal->second});
    }
    StreamExplanation explained = explainer.Explain(*object, saved.get());
    for (const StreamField& field : explained.fields)
      if (!field.flag.empty() && field.flag != "no SNVT type")
        findings.push_back({i, field.name,
                            field.stored + ": " + field.flag + " in the stream" +
                                (field.hex.empty() ? ""
                                                   : " (" + field.hex + " reads back as " +
                                                         field.readBack + ")")});
    const size_t bytes = explained.stream.size() / 2;
    if (explained.stream.empty())
      findings.push_back({i, "stream", "the object builds no configuration stream"});
    else if (bytes < explained.promisedBytes)
      findings.push_back({i, "stream",
                          "the stream has " + std::to_string(bytes) + " bytes; its types promise " +
                              std::to_string(explained.promisedBytes)});
    if (!explained.mismatch.empty() && !explained.stream.empty())
      findings.push_back({i, "stream", explained.mismatch});
  }
  std::sort(findings.begin(), findings.end());
  findings.erase(std::unique(findings.begin(), findings.end()), findings.end());
  for (const Finding& f : findings)
    std::printf("%s: %s: %s\n", ObjectLabel(path, project, f.object).c_str(), f.parameter.c_str(),
                f.reason.c_str());
  if (findings.empty()) {
    std::printf("%s: %s, no findings\n", path.c_str(),
                Counted(project.entries().size(), "object").c_str());
    return kExitOk;
  }
  std::fflush(stdout);
  return Fail("check", path + ": " + Counted(findings.size(), "finding"), kExitInput);
}

}  // namespace host
