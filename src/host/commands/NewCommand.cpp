#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "com/TextRules.h"
#include "com/Variant.h"
#include "host/commands/Arguments.h"
#include "host/commands/Commands.h"
#include "host/commands/ExitCodes.h"
#include "host/session/Answers.h"
#include "host/session/ComponentSession.h"
#include "host/session/ModuleChain.h"
#include "host/session/PlacedObject.h"
#include "host/session/ProjectFile.h"
#include "host/session/ProjectLock.h"
#include "host/session/XmlFiles.h"
#include "xml/Dom.h"

namespace host {

namespace {
std::string Help() {
  return "usage: tqhost new -o FILE [--force] [--name USER] [--modules T1,T2,...]\n"
         "                  [--type NAME] [--wait SECONDS] [--plugins DIR] [--snvt FILE]\n"
         "\n"
         "Writes a project file holding one new application object with the\n"
         "expansion modules T1, T2, ... placed in that order, module k in slot k.\n"
         "The chain must be one that the object type's configuration tree allows;\n"
         "otherwise the command says which template cannot go where, and writes\n"
         "nothing. It writes nothing either when the SNVT catalogue defines none of\n"
         "the SNVT types the object's definition uses. The saved object keeps its\n"
         "configuration stream.\n"
         "\n" +
         HelpColumns(
             WithSessionOptions({{"-o FILE", "project file to write, or - for standard output"},
                                 {"--force", "replace FILE if it exists (replaced whole)"},
                                 {"--name USER",
                                  "user name of the object (default: TYPE_1); control characters\n"
                                  "other than tab and line breaks cannot be written in XML"},
                                 {"--modules LIST",
                                  "module template IDs separated by commas, in any letter\n"
                                  "case, e.g. EB4AI2AO,EB8DIC,EB4AO"},
                                 {"--type NAME", "object type (default: TQ4600)"},
                                 LockWaitHelpRow()}));
}

// Splits "A,B,C"; an empty name is a usage error.
bool SplitChain(const std::string& list, std::vector<std::string>& chain) {
  std::string current;
  for (size_t i = 0; i <= list.size(); ++i) {
    if (i < list.size() && list[i] != ',') {
      current += list[i];
      continue;
    }
    current = qcom::text::Trim(current);
    if (current.empty()) return false;
    chain.push_back(current);
    current.clear();
  }
  return true;
}

// The saved element a host writes to have modules placed: one empty element
// per template ID under "Modules", in chain order.
qxml::ElementPtr ChainElement(const std::string& type, const std::vector<std::string>& chain) {
  auto document = qxml::CreateDocument();
  qxml::ElementPtr root = qxml::AppendElement(document.get(), document.get(), type);
  qxml::ElementPtr modules = qxml::AppendElement(document.get(), root.get(), "Modules");
  for (const std::string& id : chain) qxml::AppendElement(document.get(), modules.get(), id);
  return root;
}

LONG PointCount(IAppObject* object) {
  LONG inputs = 0, outputs = 0;
  qcom::ComPtr<IInputs> in;
  if (SUCCEEDED(object->get_Inputs(in.put())) && in) in->get_Count(&inputs);
  qcom::ComPtr<IOutputs> out;
  if (SUCCEEDED(object->get_Outputs(out.put())) && out) out->get_Count(&outputs);
  return inputs + outputs;
}

// Confirms through what the object saves and shows that it placed each module
// of the chain, in order, with its channels.
std::string CheckPlaced(const PlacedObject& object, const std::vector<std::string>& chain) {
  const std::vector<std::string> placed = ListedModules(object.SavedElement().get());
  for (size_t k = 0; k < chain.size(); ++k)
    if (k >= placed.size() || !qcom::text::EqualsNoCase(placed[k], chain[k]))
      return "module template " + chain[k] + " at position " + std::to_string(k + 1) +
             " was not placed by the object";
  if (placed.size() != chain.size())
    return "the object placed " + Counted(placed.size(), "module") + ", not " +
           std::to_string(chain.size());
  qcom::ComPtr<IEngineeringList> templates;
  object.engineering()->get_ModuleTemplates(templates.put());
  LONG channels = 0;
  for (const std::string& id : chain) {
    qcom::Variant item;
    templates->get_Item(qcom::Variant(id).raw(), item.out());
    auto module = qcom::QueryAs<IModuleTemplate>(item.object());
    for (auto count : {&IModuleTemplate::get_AICount, &IModuleTemplate::get_AOCount,
                       &IModuleTemplate::get_DICount, &IModuleTemplate::get_DOCount})
      channels += NumberOf(module.get(), count);
  }
  // Every channel brings at least one input or output.
  if (PointCount(object.get()) < channels)
    return "the object shows fewer inputs and outputs than its modules have channels";
  return {};
}

}  // namespace

int RunNew(const std::vector<std::string>& words) {
  Arguments args("new", words,
                 {"-o", "--name", "--modules", "--type", "--wait", "--plugins", "--snvt"},
                 {"--help", "--force"});
  if (auto done = HelpOrUsageError("new", args, Help())) return *done;
  if (!args.positional().empty())
    return Fail("new", "unexpected argument " + args.positional()[0], kExitUsage);
  auto output = args.value("-o");
  if (!output || output->empty())
    return Fail("new", "missing -o FILE (see tqhost new --help)", kExitUsage);
  std::vector<std::string> chain;
  if (auto list = args.value("--modules"); list && !SplitChain(*list, chain))
    return Fail("new", "--modules: empty template name in \"" + *list + "\"", kExitUsage);
  if (auto name = args.value("--name"); name && !UnwritableText(*name).empty())
    return Fail("new", "--name: " + UnwritableText(*name), kExitUsage);
  const std::string type = args.value("--type").value_or("TQ4600");
  // An existing project is replaced only on request. A link that names no
  // file yet names no project to lose.
  std::error_code ec;
  if (*output != kStandardOutput && !args.has("--force") && std::filesystem::exists(*output, ec))
    return Fail("new", *output + " exists; use --force to replace it", kExitInput);
  // A project replaced on request is held as every command that changes it
  // holds it, so a set running meanwhile is not lost half way.
  std::string error;
  auto wait = LockWaitOf(args, error);
  if (!wait) return Fail("new", error, kExitUsage);
  ProjectLock lock("new", *wait);
  if (*output != kStandardOutput && !lock.Acquire(*output, error))
    return Fail("new", error, kExitInput);

  ComponentSession session;
  if (!session.Open(args, error)) return Fail("new", error, kExitInput);
  ObjectIdentity identity = DefaultIdentity(type, 1);
  if (auto name = args.value("--name")) identity.userName = *name;
  auto object = PlacedObject::Place(session, identity, error);
  if (!object) return Fail("new", error, kExitInput);

  if (!chain.empty()) {
    IEngineering* engineering = object->engineering();
    if (!engineering) return Fail("new", kNoEngineering, kExitInput);
    if (std::string problem = ChainProblem(engineering, session.TemplateIds(engineering), chain);
        !problem.empty())
      return Fail("new", problem, kExitInput);
    object->Load(ChainElement(type, chain).get());
    if (std::string problem = CheckPlaced(*object, chain); !problem.empty())
      return Fail("new", problem, kExitInput);
  }
  // Reading the stream keeps it in the saved element, as after a download.
  if (object->Stream().empty())
    return Fail("new", "the new object produced no configuration stream", kExitInput);

  ProjectFile project;
  project.Add(*object);
  if (!project.WriteOutput(*output, error)) return Fail("new", error, kExitInput);
  if (*output == kStandardOutput) return kExitOk;  // standard output holds the project only
  std::printf("%s: %s \"%s\"%s\n", output->c_str(), type.c_str(),
              object->Identity().userName.c_str(),
              chain.empty() ? " without modules" : (" with " + JoinNames(chain, ", ")).c_str());
  return kExitOk;
}

}  // namespace host
