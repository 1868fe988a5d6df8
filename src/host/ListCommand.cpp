#include <cstdio>
#include <string>
#include <vector>

#include "com/TextRules.h"
#include "host/Arguments.h"
#include "host/Commands.h"
#include "host/ComponentSession.h"
#include "host/ConfigurationTree.h"
#include "host/ExitCodes.h"
#include "host/ObjectIdentity.h"
#include "host/ParameterDefinitions.h"
#include "host/PlacedObject.h"
#include "host/TextTable.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost list templates [--type NAME] [--plugins DIR] [--snvt FILE]\n"
         "       tqhost list parameters [--template ID] [--type NAME] [--plugins DIR]\n"
         "                              [--snvt FILE]\n"
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
         "\n" +
         HelpColumns(WithSessionOptions(
             {{"--template ID", "only the channel parameters of that module template"},
              {"--type NAME", "object type (default: TQ4600)"}}));
}

std::string ChannelCounts(const ModuleTemplate& module) {
  std::vector<std::string> counts;
  for (const ChannelDefinition& channel : module.channels)
    counts.push_back(std::to_string(channel.count) + " " + channel.kind);
  return JoinNames(counts, ", ");
}

// The chains below the placed ones, each module one step further in.
void PrintChains(const ConfigurationTree& tree, std::vector<std::string>& placed) {
  for (const std::string& next : tree.Next(placed)) {
    std::printf("%s%s\n", std::string(2 * (placed.size() + 1), ' ').c_str(), next.c_str());
    placed.push_back(next);
    PrintChains(tree, placed);
    placed.pop_back();
  }
}

int ListTemplates(const ComponentSession& session, const std::string& type) {
  std::string error;
  const ConfigurationTree* tree = session.Tree(type, error);
  if (!tree) return Fail("list", error, kExitInput);
  std::vector<std::vector<std::string>> rows = {{"Template", "Name", "Channels", "Description"}};
  for (const std::string& id : session.TemplateIds())
    if (auto module = ReadModuleTemplate(session, id))
      rows.push_back({module->id, module->name, ChannelCounts(*module), module->description});
  std::printf("Module templates:\n%s\nChains the configuration tree of %s allows:\n",
              TextTable(rows).c_str(), type.c_str());
  std::vector<std::string> placed;
  PrintChains(*tree, placed);
  return kExitOk;
}

std::string Members(const ParameterDefinition& definition) {
  std::vector<std::string> members;
  if (definition.type)
    for (const ParameterType::Member& member : definition.type->members)
      members.push_back(member.name + " (" + member.code + ")");
  return JoinNames(members, ", ");
}

std::string ParameterTable(const std::vector<ParameterDefinition>& definitions) {
  std::vector<std::vector<std::string>> rows = {
      {"Parameter", "SNVT", "Kind", "Unit", "Min", "Max", "Default", "Members"}};
  for (const ParameterDefinition& d : definitions) {
    const bool typed = d.type.has_value();
    rows.push_back({d.name, d.snvtId + (typed ? " " + d.type->name : std::string()),
                    typed ? d.type->kind : "not in the catalogue", typed ? d.type->unit : "", d.min,
                    d.max, d.defaultValue, Members(d)});
  }
  return TextTable(rows);
}

void PrintTemplateParameters(const ModuleTemplate& module) {
  for (const ChannelDefinition& channel : module.channels)
    std::printf("\n%s %s channels (%d):\n%s", module.id.c_str(), channel.kind.c_str(),
                channel.count, ParameterTable(channel.parameters).c_str());
}

int ListParameters(const ComponentSession& session, const Arguments& args,
                   const std::string& type) {
  std::string error;
  if (auto id = args.value("--template")) {
    auto module = ReadModuleTemplate(session, *id);
    if (!module)
      return Fail("list",
                  "unknown module template " + *id +
                      "; the templates are: " + JoinNames(session.TemplateIds(), ", "),
                  kExitInput);
    std::printf("%s (%s): %s\n", module->id.c_str(), module->name.c_str(),
                module->description.c_str());
    PrintTemplateParameters(*module);
    return kExitOk;
  }
  auto object = PlacedObject::Place(session, DefaultIdentity(type, 1), error);
  if (!object) return Fail("list", error, kExitInput);
  std::printf("Device parameters of %s:\n%s", type.c_str(),
              ParameterTable(DeviceParameters(object->get(), session.catalogue())).c_str());
  for (const std::string& id : session.TemplateIds())
    if (auto module = ReadModuleTemplate(session, id)) PrintTemplateParameters(*module);
  return kExitOk;
}

}  // namespace

int RunList(const std::vector<std::string>& words) {
  Arguments args("list", words, {"--template", "--type", "--plugins", "--snvt"}, {"--help"});
  if (auto done = HelpOrUsageError("list", args, Help())) return *done;
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
  return positional[0] == what[0] ? ListTemplates(session, type)
                                  : ListParameters(session, args, type);
}

}  // namespace host
