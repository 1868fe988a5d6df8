#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/output/JsonText.h"
#include "host/session/Answers.h"
#include "host/session/ComponentSession.h"
#include "host/session/ModuleChain.h"
#include "host/session/ProjectFile.h"
#include "host/session/XmlFiles.h"
#include "xml/Elements.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost diff A B [--format text|json] [--plugins DIR] [--snvt FILE]\n"
         "\n"
         "Compares the projects A and B object by object: objects are matched by\n"
         "their unique ID when it is unique in both files, else by position. Prints\n"
         "the objects only one of them holds, the modules added or removed, the\n"
         "parameters whose values differ (A's value, then B's) and the stream bytes\n"
         "that differ with the field they belong to. One of A and B may be -, the\n"
         "project on standard input.\n"
         "\n"
         "Exit codes: 0 the projects do not differ, 1 they do, 2 usage, 3 trouble\n"
         "(a file, registration or object that cannot be used).\n"
         "\n" +
         HelpColumns(WithSessionOptions(
             {{"--format F",
               "text (default) or json: {\"a\", \"b\", \"differences\": [{\"kind\"\n"
               "(object, module, parameter, stream), \"object\", \"id\", \"name\",\n"
               "\"what\", \"offset\" (stream bytes), \"a\", \"b\"}]}; a value one\n"
               "project lacks is null"}}));
}

// The object of B each object of A is matched with; B's objects no one
// matches were added.
std::vector<std::optional<size_t>> Match(const ProjectFile& a, const ProjectFile& b) {
  auto byId = [](const ProjectFile& project) {
    std::map<std::string, std::vector<size_t>> ids;
    for (size_t i = 0; i < project.entries().size(); ++i)
      ids[project.entries()[i].identity.uniqueId].push_back(i);
    return ids;
  };
  auto idsA = byId(a), idsB = byId(b);
  std::vector<std::optional<size_t>> matched(a.entries().size());
  std::vector<bool> taken(b.entries().size());
  for (size_t i = 0; i < a.entries().size(); ++i) {
    const std::string& id = a.entries()[i].identity.uniqueId;
    auto other = idsB.find(id);
    if (!id.empty() && idsA[id].size() == 1 && other != idsB.end() && other->second.size() == 1) {
      matched[i] = other->second.front();
      taken[other->second.front()] = true;
    }
  }
  for (size_t i = 0; i < a.entries().size(); ++i)
    if (!matched[i] && i < b.entries().size() && !taken[i] &&
        (a.entries()[i].identity.uniqueId.empty() ||
         idsB.count(a.entries()[i].identity.uniqueId) == 0)) {
      matched[i] = i;
      taken[i] = true;
    }
  return matched;
}

// The bytes of each field, by part of the block and name.
std::map<std::string, std::string> FieldBytes(IStreamExplanation* explained) {
  std::map<std::string, std::string> bytes;
  for (const auto& f : ListOf<IStreamField>(explained, &IStreamExplanation::get_Fields))
    bytes[TextOf(f.get(), &IStreamField::get_Row) + "\n" +
          TextOf(f.get(), &IStreamField::get_Name)] = TextOf(f.get(), &IStreamField::get_Hex);
  return bytes;
}

std::string XmlOf(IXMLDOMElement* element) {
  qcom::Bstr xml;
  if (element) element->get_xml(xml.out());
  return xml.utf8();
}

std::string ObjectName(const ProjectFile& project, size_t i) {
  return "object " + std::to_string(i + 1) + " (" + project.entries()[i].identity.type + " \"" +
         project.entries()[i].identity.userName + "\")";
}

// One difference as JSON; an empty side is what that project lacks (null).
std::string DifferenceJson(const std::string& kind, const ProjectFile& project, size_t i,
                           const std::string& what, long offset, const std::string& a,
                           const std::string& b) {
  auto side = [](const std::string& v) { return v.empty() ? std::string("null") : JsonString(v); };
  const ObjectIdentity& identity = project.entries()[i].identity;
  return "{\"kind\": " + JsonString(kind) + ", \"object\": " + std::to_string(i + 1) +
         ", \"id\": " + JsonString(identity.uniqueId) +
         ", \"name\": " + JsonString(identity.userName) +
         ", \"what\": " + (what.empty() ? "null" : JsonString(what)) +
         (offset >= 0 ? ", \"offset\": " + std::to_string(offset) : std::string()) +
         ", \"a\": " + side(a) + ", \"b\": " + side(b) + "}";
}

}  // namespace

int RunDiff(const std::vector<std::string>& words) {
  Arguments args("diff", words, {"--format", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("diff", args, Help())) return *done;
  if (args.positional().size() != 2)
    return Fail("diff", "expected two project files (see tqhost diff --help)", kExitUsage);
  const std::string& pathA = args.positional()[0];
  const std::string& pathB = args.positional()[1];
  if (pathA == kStandardInput && pathB == kStandardInput)
    return Fail("diff", "only one of A and B can be - (standard input)", kExitUsage);
  const auto format = FormatOf(args, {"text", "json"});
  if (!format)
    return Fail("diff", "--format takes text or json, not " + *args.value("--format"), kExitUsage);
  std::string error;
  ProjectFile a, b;
  if (!a.Read(pathA, error) || !b.Read(pathB, error)) return Fail("diff", error, kExitTrouble);
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("diff", error, kExitTrouble);

  std::vector<std::string> lines, json;
  std::vector<std::optional<size_t>> matched = Match(a, b);
  std::vector<bool> inA(b.entries().size());
  for (size_t i = 0; i < a.entries().size(); ++i) {
    if (!matched[i]) {
      lines.push_back("- " + ObjectName(a, i) + " only in " + pathA);
      json.push_back(DifferenceJson("object", a, i, "", -1, pathA, ""));
      continue;
    }
    const size_t j = *matched[i];
    inA[j] = true;
    // An object saved alike in both files loads alike: nothing differs.
    if (XmlOf(a.entries()[i].saved.get()) == XmlOf(b.entries()[j].saved.get())) continue;
    qxml::ElementPtr savedA, savedB;
    auto objectA = LoadProjectObject(session, a, i, pathA, error,
                                     {.onLoss = OnLoss::kRefuseUnplaced, .saved = &savedA});
    if (!objectA) return Fail("diff", error, kExitTrouble);
    auto objectB = LoadProjectObject(session, b, j, pathB, error,
                                     {.onLoss = OnLoss::kRefuseUnplaced, .saved = &savedB});
    if (!objectB) return Fail("diff", error, kExitTrouble);
    const std::string label = ObjectName(b, j) + ": ";

    std::vector<std::string> modulesA = ListedModules(savedA.get());
    std::vector<std::string> modulesB = ListedModules(savedB.get());
    for (size_t k = 0; k < std::max(modulesA.size(), modulesB.size()); ++k) {
      const std::string key = "EB" + std::to_string(k + 1);
      const std::string inA = k < modulesA.size() ? modulesA[k] : "";
      const std::string inB = k < modulesB.size() ? modulesB[k] : "";
      if (inA == inB) continue;
      if (inB.empty())
        lines.push_back(label + key + " " + inA + " removed");
      else if (inA.empty())
        lines.push_back(label + key + " " + inB + " added");
      else
        lines.push_back(label + key + " " + inA + " replaced by " + inB);
      json.push_back(DifferenceJson("module", b, j, key, -1, inA, inB));
    }

    if (!objectA->engineering() || !objectB->engineering())
      return Fail("diff", label + kNoEngineering, kExitTrouble);
    std::map<std::string, std::string> valuesA;
    for (const ParameterRow& p : ParameterRows(*objectA)) valuesA[p.path] = p.value;
    for (const ParameterRow& p : ParameterRows(*objectB)) {
      auto found = valuesA.find(p.path);
      if (found != valuesA.end() && found->second != p.value) {
        lines.push_back(label + p.path + ": " + found->second + " -> " + p.value);
        json.push_back(DifferenceJson("parameter", b, j, p.path, -1, found->second, p.value));
      }
    }

    auto streamA = objectA->Explain(), streamB = objectB->Explain();
    if (TextOf(streamA.get(), &IStreamExplanation::get_Stream) ==
        TextOf(streamB.get(), &IStreamExplanation::get_Stream))
      continue;
    const std::map<std::string, std::string> fieldsA = FieldBytes(streamA.get());
    for (const auto& f : ListOf<IStreamField>(streamB.get(), &IStreamExplanation::get_Fields)) {
      const std::string row = TextOf(f.get(), &IStreamField::get_Row);
      const std::string name = TextOf(f.get(), &IStreamField::get_Name);
      const std::string hex = TextOf(f.get(), &IStreamField::get_Hex);
      auto found = fieldsA.find(row + "\n" + name);
      const std::string before = found == fieldsA.end() ? "(none)" : found->second;
      if (found != fieldsA.end() && before == hex) continue;
      const long offset = static_cast<long>(NumberOf(f.get(), &IStreamField::get_Offset));
      lines.push_back(label + "stream byte " + std::to_string(offset) + ", " + row + " " + name +
                      ": " + (before.empty() ? "-" : before) + " -> " + (hex.empty() ? "-" : hex));
      json.push_back(DifferenceJson("stream", b, j, row + " " + name, offset,
                                    found == fieldsA.end() ? "" : before, hex));
    }
  }
  for (size_t j = 0; j < b.entries().size(); ++j)
    if (!inA[j]) {
      lines.push_back("+ " + ObjectName(b, j) + " only in " + pathB);
      json.push_back(DifferenceJson("object", b, j, "", -1, "", pathB));
    }
  if (*format == "json")
    std::printf("{\"a\": %s, \"b\": %s, \"differences\": [%s%s]}\n", JsonString(pathA).c_str(),
                JsonString(pathB).c_str(), json.empty() ? "" : "\n  ",
                (JoinNames(json, ",\n  ") + (json.empty() ? "" : "\n")).c_str());
  else
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
  return lines.empty() ? kExitOk : kExitFound;
}

}  // namespace host
