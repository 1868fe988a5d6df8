#include "host/session/ModuleChain.h"

#include "com/TextRules.h"
#include "host/commands/Commands.h"
#include "host/session/Answers.h"
#include "xml/Elements.h"

namespace host {

std::vector<std::string> ListedModules(IXMLDOMNode* saved) {
  std::vector<std::string> ids;
  for (const qxml::ElementPtr& child : qxml::ChildElements(saved))
    if (qxml::UpperBaseName(child.get()) == "MODULES")
      for (const qxml::ElementPtr& module : qxml::ChildElements(child.get()))
        ids.push_back(qxml::BaseName(module.get()));
  return ids;
}

std::string ChainProblem(IEngineering* engineering, const std::vector<std::string>& templateIds,
                         std::vector<std::string>& chain) {
  for (size_t k = 0; k < chain.size(); ++k) {
    const std::vector<std::string> placed(chain.begin(), chain.begin() + static_cast<long>(k));
    qcom::Bstr before(JoinNames(placed, ","));
    qcom::ComPtr<IEngineeringList> next;
    engineering->get_NextTemplates(before.get(), next.put());
    std::vector<std::string> allowed;
    for (const auto& entry : ItemsOf<IModuleTemplate>(next.get()))
      allowed.push_back(TextOf(entry.get(), &IModuleTemplate::get_Id));
    bool found = false;
    for (const std::string& id : allowed)
      if (qcom::text::EqualsNoCase(id, chain[k])) {
        chain[k] = id;
        found = true;
      }
    if (found) continue;
    const std::string where = "position " + std::to_string(k + 1);
    bool known = false;
    for (const std::string& id : templateIds)
      known = known || qcom::text::EqualsNoCase(id, chain[k]);
    if (!known)
      return "unknown module template " + chain[k] + " at " + where +
             "; the templates are: " + JoinNames(templateIds, ", ");
    return "module template " + chain[k] + " cannot go at " + where +
           (placed.empty() ? std::string() : " after " + JoinNames(placed, " -> ")) +
           "; allowed there: " +
           (allowed.empty() ? std::string("none, the chain is complete")
                            : JoinNames(allowed, ", "));
  }
  return {};
}

}  // namespace host
