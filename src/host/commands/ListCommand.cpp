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
#include "host/session/ObjectIdentity.h"
#include "host/session/PlacedObject.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost list templates [--type NAME] [--format text|json] [--plugins DIR]\n"
         "                             [--snvt FILE]\n"
         "       tqhost list parameters [--template ID] [--type NAME] [--format text|json]\n"
         "                              [--plugins DIR] [--snvt FILE]\n"
         "\n"
         "templates: the component's module templates (ID, name, channel counts and\n"
         "description), then the chains of modules the configuration tree of the\n"
         "object type allows, one module per line, each indented below the module\n"
         "it may follow; module k goes into slot k and a chain may end after any\n"
         "module.\n"
         "parameters: the device parameters of the object type, then the channel\n"
         "parameters of each module template, with their SNVT type, its kind, unit,\n"
         "the lowest and highest value a number may take, the default and the\n"
         "members of an enumeration as NAME (CODE). Limits and units are the\n"
         "catalogue's (SI).\n"
         "\n"
         "Exit codes: 0 listed, 1 trouble (a registration or object that cannot be\n"
         "used, an unknown template), 2 usage.\n"
         "\n" +
         HelpColumns(WithSessionOptions(
             {{"--template ID", "only the channel parameters of that module template"},
              {"--type NAME", "object type (default: TQ4600)"},
              {"--format F",
               "text (default) or json: templates {\"templates\": [{\"id\", \"name\",\n"
               "\"channels\": {\"AI\", ...}, \"description\"}], \"chains\": [{\"id\",\n"
               "\"next\": [...]}]}; parameters {\"device\": [P], \"templates\":\n"
               "[{\"id\", \"name\", \"description\", \"parameters\": [P]}]}, P\n"
               "{\"name\", \"channel\", \"snvt\", \"type\", \"kind\", \"unit\", \"min\",\n"
               "\"max\", \"default\", \"members\": [{\"name\", \"code\"}]}; numbers\n"
               "as numbers, an empty one as null"}}));
}

using Template = qcom::ComPtr<IModuleTemplate>;
using T = IModuleTemplate;

constexpr std::pair<const char*, HRESULT (T::*)(LONG*)> kKinds[] = {{"AI", &T::get_AICount},
                                                                    {"AO", &T::get_AOCount},
                                                                    {"DI", &T::get_DICount},
                                                                    {"DO", &T::get_DOCount}};

std::string ChannelCounts(IModuleTemplate* module) {
  std::vector<std::string> counts;
  for (const auto& [kind, count] : kKinds)
    if (LONG n = NumberOf(module, count); n > 0) counts.push_back(std::to_string(n) + " " + kind);
  return JoinNames(counts, ", ");
}

// The chains below the placed ones, each module one step further in.
void PrintChains(IEngineering* engineering, std::vector<std::string>& placed) {
  qcom::Bstr chain(JoinNames(placed, ","));
  qcom::ComPtr<IEngineeringList> next;
  engineering->get_NextTemplates(chain.get(), next.put());
  for (const auto& entry : ItemsOf<IModuleTemplate>(next.get())) {
    const std::string id = TextOf(entry.get(), &T::get_Id);
    std::printf("%s%s\n", std::string(2 * (placed.size() + 1), ' ').c_str(), id.c_str());
    placed.push_back(id);
    PrintChains(engineering, placed);
    placed.pop_back();
  }
}

void ListTemplates(IEngineering* engineering, const std::string& type) {
  std::vector<std::vector<std::string>> rows = {{"Template", "Name", "Channels", "Description"}};
  for (const Template& t : ListOf<T>(engineering, &IEngineering::get_ModuleTemplates))
    rows.push_back({TextOf(t.get(), &T::get_Id), TextOf(t.get(), &T::get_Name),
                    ChannelCounts(t.get()), TextOf(t.get(), &T::get_Description)});
  std::printf("Module templates:\n%s\nChains the configuration tree of %s allows:\n",
              TextTable(rows).c_str(), type.c_str());
  std::vector<std::string> placed;
  PrintChains(engineering, placed);
}

// The members of an enumeration parameter: code and name, in order.
std::vector<std::pair<std::string, std::string>> MembersOf(IEngineeringParameter* parameter) {
  qcom::ComPtr<IEngineeringList> members;
  parameter->get_Members(members.put());
  std::vector<std::pair<std::string, std::string>> found;
  const LONG count = NumberOf(members.get(), &IEngineeringList::get_Count);
  for (LONG i = 1; i <= count; ++i) {
    qcom::Bstr code;
    qcom::Variant name;
    members->get_Key(i, code.out());
    members->get_Item(qcom::Variant(int32_t{i}).raw(), name.out());
    found.emplace_back(code.utf8(), name.text());
  }
  return found;
}

std::string Members(IEngineeringParameter* parameter) {
  std::vector<std::string> texts;
  for (const auto& [code, name] : MembersOf(parameter)) texts.push_back(name + " (" + code + ")");
  return JoinNames(texts, ", ");
}

std::string ParameterTable(const std::vector<qcom::ComPtr<IEngineeringParameter>>& parameters) {
  using P = IEngineeringParameter;
  std::vector<std::vector<std::string>> rows = {
      {"Parameter", "SNVT", "Kind", "Unit", "Min", "Max", "Default", "Members"}};
  for (const auto& parameter : parameters) {
    P* p = parameter.get();
    const std::string kind = TextOf(p, &P::get_Kind), min = TextOf(p, &P::get_Min),
                      max = TextOf(p, &P::get_Max);
    rows.push_back({TextOf(p, &P::get_Name),
                    TextOf(p, &P::get_SnvtId) +
                        (kind.empty() ? std::string() : " " + TextOf(p, &P::get_SnvtName)),
                    kind.empty() ? "not in the catalogue" : kind, TextOf(p, &P::get_Unit),
                    min.empty() ? TextOf(p, &P::get_TypeMin) : min,
                    max.empty() ? TextOf(p, &P::get_TypeMax) : max, TextOf(p, &P::get_Default),
                    Members(p)});
  }
  return TextTable(rows);
}

void PrintTemplateParameters(IModuleTemplate* module) {
  const std::string id = TextOf(module, &T::get_Id);
  const auto parameters = ListOf<IEngineeringParameter>(module, &T::get_Parameters);
  for (const auto& [kind, count] : kKinds) {
    std::vector<qcom::ComPtr<IEngineeringParameter>> ofKind;
    for (const auto& p : parameters)
      if (TextOf(p.get(), &IEngineeringParameter::get_ChannelKind) == kind) ofKind.push_back(p);
    if (ofKind.empty()) continue;
    std::printf("\n%s %s channels (%ld):\n%s", id.c_str(), kind,
                static_cast<long>(NumberOf(module, count)), ParameterTable(ofKind).c_str());
  }
}

// The JSON of list's two answers: what the tables show, numbers as numbers.
std::string ChainsJson(IEngineering* engineering, std::vector<std::string>& placed) {
  qcom::Bstr chain(JoinNames(placed, ","));
  qcom::ComPtr<IEngineeringList> next;
  engineering->get_NextTemplates(chain.get(), next.put());
  std::vector<std::string> items;
  for (const auto& entry : ItemsOf<IModuleTemplate>(next.get())) {
    const std::string id = TextOf(entry.get(), &T::get_Id);
    placed.push_back(id);
    items.push_back("{\"id\": " + JsonString(id) +
                    ", \"next\": " + ChainsJson(engineering, placed) + "}");
    placed.pop_back();
  }
  return "[" + JoinNames(items, ", ") + "]";
}

std::string TemplatesJson(IEngineering* engineering) {
  std::vector<std::string> items;
  for (const Template& t : ListOf<T>(engineering, &IEngineering::get_ModuleTemplates)) {
    std::vector<std::string> counts;
    for (const auto& [kind, count] : kKinds)
      counts.push_back(JsonString(kind) + ": " + std::to_string(NumberOf(t.get(), count)));
    items.push_back("{\"id\": " + JsonString(TextOf(t.get(), &T::get_Id)) +
                    ", \"name\": " + JsonString(TextOf(t.get(), &T::get_Name)) +
                    ", \"channels\": {" + JoinNames(counts, ", ") + "}, \"description\": " +
                    JsonString(TextOf(t.get(), &T::get_Description)) + "}");
  }
  std::vector<std::string> placed;
  return "{\"templates\": [\n  " + JoinNames(items, ",\n  ") +
         "\n ],\n \"chains\": " + ChainsJson(engineering, placed) + "}\n";
}

std::string ParameterJson(IEngineeringParameter* p) {
  using P = IEngineeringParameter;
  const std::string kind = TextOf(p, &P::get_Kind), min = TextOf(p, &P::get_Min),
                    max = TextOf(p, &P::get_Max), value = TextOf(p, &P::get_Default);
  std::vector<std::string> texts;
  for (const auto& [code, name] : MembersOf(p))
    texts.push_back("{\"name\": " + JsonString(name) + ", \"code\": " + JsonNumber(code) + "}");
  const std::string channel = TextOf(p, &P::get_ChannelKind);
  // A text parameter's default is a text, whatever it looks like.
  const bool numeric = kind.find("Numeric") != std::string::npos || kind == "Enum";
  return "{\"name\": " + JsonString(TextOf(p, &P::get_Name)) +
         ", \"channel\": " + (channel.empty() ? "null" : JsonString(channel)) +
         ", \"snvt\": " + JsonNumber(TextOf(p, &P::get_SnvtId)) +
         ", \"type\": " + (kind.empty() ? "null" : JsonString(TextOf(p, &P::get_SnvtName))) +
         ", \"kind\": " + (kind.empty() ? "null" : JsonString(kind)) +
         ", \"unit\": " + JsonString(TextOf(p, &P::get_Unit)) +
         ", \"min\": " + JsonNumber(min.empty() ? TextOf(p, &P::get_TypeMin) : min) +
         ", \"max\": " + JsonNumber(max.empty() ? TextOf(p, &P::get_TypeMax) : max) +
         ", \"default\": " + (numeric ? JsonNumber(value) : JsonString(value)) +
         ", \"members\": [" + JoinNames(texts, ", ") + "]}";
}

std::string ParametersJson(const std::vector<qcom::ComPtr<IEngineeringParameter>>& parameters) {
  std::vector<std::string> items;
  for (const auto& p : parameters) items.push_back(ParameterJson(p.get()));
  return "[" + (items.empty() ? "" : "\n   " + JoinNames(items, ",\n   ") + "\n  ") + "]";
}

std::string TemplateJson(IModuleTemplate* module) {
  return "{\"id\": " + JsonString(TextOf(module, &T::get_Id)) +
         ", \"name\": " + JsonString(TextOf(module, &T::get_Name)) +
         ", \"description\": " + JsonString(TextOf(module, &T::get_Description)) +
         ", \"parameters\": " +
         ParametersJson(ListOf<IEngineeringParameter>(module, &T::get_Parameters)) + "}";
}

int ListParameters(const ComponentSession& session, IEngineering* engineering,
                   const Arguments& args, const std::string& type, bool json) {
  if (auto id = args.value("--template")) {
    qcom::ComPtr<IEngineeringList> templates;
    engineering->get_ModuleTemplates(templates.put());
    qcom::Variant item;
    if (templates) templates->get_Item(qcom::Variant(*id).raw(), item.out());
    auto module = qcom::QueryAs<T>(item.object());
    if (!module)
      return Fail("list",
                  "unknown module template " + *id +
                      "; the templates are: " + JoinNames(session.TemplateIds(engineering), ", "),
                  kExitInput);
    if (json) {
      std::printf("%s\n", TemplateJson(module.get()).c_str());
      return kExitOk;
    }
    std::printf("%s (%s): %s\n", TextOf(module.get(), &T::get_Id).c_str(),
                TextOf(module.get(), &T::get_Name).c_str(),
                TextOf(module.get(), &T::get_Description).c_str());
    PrintTemplateParameters(module.get());
    return kExitOk;
  }
  if (json) {
    std::vector<std::string> templates;
    for (const Template& t : ListOf<T>(engineering, &IEngineering::get_ModuleTemplates))
      templates.push_back(TemplateJson(t.get()));
    std::printf(
        "{\"device\": %s,\n \"templates\": [\n  %s\n ]}\n",
        ParametersJson(ListOf<IEngineeringParameter>(engineering, &IEngineering::get_Parameters))
            .c_str(),
        JoinNames(templates, ",\n  ").c_str());
    return kExitOk;
  }
  std::printf(
      "Device parameters of %s:\n%s", type.c_str(),
      ParameterTable(ListOf<IEngineeringParameter>(engineering, &IEngineering::get_Parameters))
          .c_str());
  for (const Template& t : ListOf<T>(engineering, &IEngineering::get_ModuleTemplates))
    PrintTemplateParameters(t.get());
  return kExitOk;
}

}  // namespace

int RunList(const std::vector<std::string>& words) {
  Arguments args("list", words, {"--template", "--type", "--format", "--plugins", "--snvt"},
                 {"--help"});
  if (auto done = HelpOrUsageError("list", args, Help())) return *done;
  const auto format = FormatOf(args, {"text", "json"});
  if (!format)
    return Fail("list", "--format takes text or json, not " + *args.value("--format"), kExitUsage);
  const bool json = *format == "json";
  const std::vector<std::string> what = {"templates", "parameters"};
  const std::vector<std::string>& positional = args.positional();
  if (positional.size() != 1 || (positional[0] != what[0] && positional[0] != what[1]))
    return Fail("list",
                positional.empty() ? "expected templates or parameters (see tqhost list --help)"
                : positional.size() > 1
                    ? "unexpected argument " + positional[1]
                    : "cannot list " + positional[0] + "; expected templates or parameters",
                kExitUsage);
  if (positional[0] == what[0] && args.has("--template"))
    return Fail("list", "--template belongs to list parameters", kExitUsage);
  const std::string type = args.value("--type").value_or("TQ4600");
  std::string error;
  ComponentSession session;
  if (!session.Open(args, error)) return Fail("list", error, kExitInput);
  // An object without modules answers for its type: its device parameters,
  // the catalogue of templates and the configuration tree.
  auto object = PlacedObject::Place(session, DefaultIdentity(type, 1), error);
  if (!object) return Fail("list", error, kExitInput);
  if (!object->engineering()) return Fail("list", kNoEngineering, kExitInput);
  if (positional[0] == what[1])
    return ListParameters(session, object->engineering(), args, type, json);
  if (json)
    std::fputs(TemplatesJson(object->engineering()).c_str(), stdout);
  else
    ListTemplates(object->engineering(), type);
  return kExitOk;
}

}  // namespace host
