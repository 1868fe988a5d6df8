#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/output/JsonText.h"
#include "host/session/Answers.h"
#include "host/session/ComponentSession.h"
#include "host/session/ProjectFile.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost check FILE [--format text|json] [--plugins DIR] [--snvt FILE]\n"
         "\n"
         "Checks every object of the project FILE before it is downloaded and prints\n"
         "one line per finding: the object, the parameter (or \"modules\", \"stream\")\n"
         "and what is wrong. It finds module chains the configuration tree forbids,\n"
         "a catalogue that lacks the SNVT types of the definition or of a parameter,\n"
         "or defines a type more than once, modules, channels and values of the\n"
         "project the object cannot place, values outside their type's limits or the\n"
         "limits of their definition, not members of their enumeration, longer than\n"
         "their text type allows or with more decimals than their type holds (as\n"
         "tqhost set checks them), fields of the stream whose encoding fails, is\n"
         "clamped or rounded, that are not hex or read back as no number or\n"
         "otherwise changed, and a stream shorter than its types promise. Findings are sorted by "
         "object number, then parameter, and are the\n"
         "same on every run, so the output can be kept with the project. A FILE of\n"
         "- reads the project from standard input.\n"
         "\n"
         "Exit codes: 0 no finding (text: one line saying so), 1 findings, 2 usage,\n"
         "3 trouble (a file, registration or object that cannot be used).\n"
         "\n" +
         HelpColumns(WithSessionOptions(
             {{"--format F",
               "text (default) or json: {\"file\", \"objects\", \"findings\":\n"
               "[{\"object\", \"id\", \"name\", \"parameter\", \"reason\"}]}"}}));
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
  Arguments args("check", words, {"--format", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("check", args, Help())) return *done;
  const auto format = FormatOf(args, {"text", "json"});
  if (!format)
    return Fail("check", "--format takes text or json, not " + *args.value("--format"), kExitUsage);
  if (args.positional().size() != 1)
    return Fail("check", "expected one project file (see tqhost check --help)", kExitUsage);
  const std::string& path = args.positional()[0];

  std::string error;
  ProjectFile project;
  if (!project.Read(path, error)) return Fail("check", error, kExitTrouble);
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("check", error, kExitTrouble);
  std::vector<Finding> findings;
  for (size_t i = 0; i < project.entries().size(); ++i) {
    const std::string label = ObjectLabel(path, project, i);
    std::vector<LostPart> lost;
    auto object = LoadProjectObject(session, project, i, path, error,
                                    {.onLoss = OnLoss::kReport, .lost = &lost});
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
    auto explained = object->Explain();
    if (!explained) return Fail("check", label + ": " + kNoEngineering, kExitTrouble);
    for (const auto& parameter :
         ListOf<IEngineeringParameter>(object->engineering(), &IEngineering::get_Parameters)) {
      IEngineeringParameter* p = parameter.get();
      const std::string name = TextOf(p, &IEngineeringParameter::get_Path);
      const std::string id = TextOf(p, &IEngineeringParameter::get_SnvtId);
      const LONG entries = NumberOf(p, &IEngineeringParameter::get_TypeEntries);
      if (!id.empty() && entries == 0) {
        findings.push_back({i, name, "the catalogue has no SNVT_" + id});
        continue;
      }
      if (entries > 1)
        findings.push_back({i, name,
                            "the catalogue defines SNVT_" + id + " " + std::to_string(entries) +
                                " times; the object uses the first"});
      if (std::string refusal = TextOf(p, &IEngineeringParameter::get_Refusal); !refusal.empty())
        findings.push_back(
            {i, name, TextOf(p, &IEngineeringParameter::get_Value) + ": " + refusal});
    }
    // A type the catalogue lacks or defines twice is the parameter's finding.
    constexpr LONG kTypeFlags = kStreamFieldNoType | kStreamFieldDuplicateType;
    for (const auto& field :
         ListOf<IStreamField>(explained.get(), &IStreamExplanation::get_Fields)) {
      IStreamField* f = field.get();
      if ((NumberOf(f, &IStreamField::get_Flags) & ~kTypeFlags) == 0) continue;
      const std::string hex = TextOf(f, &IStreamField::get_Hex);
      findings.push_back({i, TextOf(f, &IStreamField::get_Name),
                          TextOf(f, &IStreamField::get_Stored) + ": " +
                              TextOf(f, &IStreamField::get_Note) + " in the stream" +
                              (hex.empty() ? ""
                                           : " (" + hex + " reads back as " +
                                                 TextOf(f, &IStreamField::get_ReadBack) + ")")});
    }
    const LONG bytes = NumberOf(explained.get(), &IStreamExplanation::get_Bytes);
    const LONG promised = NumberOf(explained.get(), &IStreamExplanation::get_PromisedBytes);
    if (TextOf(explained.get(), &IStreamExplanation::get_Stream).empty())
      findings.push_back({i, "stream", "the object builds no configuration stream"});
    else if (bytes < promised)
      findings.push_back({i, "stream",
                          "the stream has " + std::to_string(bytes) + " bytes; its types promise " +
                              std::to_string(promised)});
  }
  std::sort(findings.begin(), findings.end());
  findings.erase(std::unique(findings.begin(), findings.end()), findings.end());
  if (*format == "json") {
    std::string out = "{\"file\": " + JsonString(path) +
                      ", \"objects\": " + std::to_string(project.entries().size()) +
                      ", \"findings\": [";
    for (size_t k = 0; k < findings.size(); ++k) {
      const Finding& f = findings[k];
      const ObjectIdentity& identity = project.entries()[f.object].identity;
      out += std::string(k ? "," : "") + "\n  {\"object\": " + std::to_string(f.object + 1) +
             ", \"id\": " + JsonString(identity.uniqueId) +
             ", \"name\": " + JsonString(identity.userName) +
             ", \"parameter\": " + JsonString(f.parameter) +
             ", \"reason\": " + JsonString(f.reason) + "}";
    }
    std::printf("%s%s]}\n", out.c_str(), findings.empty() ? "" : "\n");
    return findings.empty() ? kExitOk : kExitFound;
  }
  for (const Finding& f : findings)
    std::printf("%s: %s: %s\n", ObjectLabel(path, project, f.object).c_str(), f.parameter.c_str(),
                f.reason.c_str());
  if (findings.empty()) {
    std::printf("%s: %s, no findings\n", path.c_str(),
                Counted(project.entries().size(), "object").c_str());
    return kExitOk;
  }
  std::fflush(stdout);
  return Fail("check", path + ": " + Counted(findings.size(), "finding"), kExitFound);
}

}  // namespace host
