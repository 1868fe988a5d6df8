#include "modules/ChannelRecipe.h"

#include <unordered_map>

#include "values/SnvtCatalogue.h"
#include "xml/Elements.h"

namespace modules {
namespace {

std::shared_ptr<const ChannelRecipe> Read(IXMLDOMNode* channelNode) {
  auto made = std::make_shared<ChannelRecipe>();
  ChannelRecipe& recipe = *made;
  for (const auto& child : qxml::Children(channelNode)) {
    recipe.sections.emplace_back(qxml::UpperBaseName(child.get()), qxml::Fields(child.get()));
    if (qxml::BaseName(child.get()) != "Attributes") continue;
    recipe.hasSection = true;
    qcom::ComPtr<IXMLDOMNodeList> section;
    LONG nodes = 0;
    if (SUCCEEDED(child->get_childNodes(section.put())) && section) section->get_length(&nodes);
    recipe.lastSectionNodes = nodes;
    for (const auto& definition : qxml::Children(child.get())) {
      std::string name = qxml::BaseName(definition.get());
      auto reading = values::ReadParameterDefinition(name, definition.get());
      recipe.parameters.emplace_back(std::move(name), std::move(reading));
    }
  }
  return made;
}

}  // namespace

std::shared_ptr<const ChannelRecipe> ChannelRecipeOf(IXMLDOMNode* channelNode) {
  static uint64_t keptGeneration = 0;
  static std::unordered_map<qxml::NodeIdentity, std::shared_ptr<const ChannelRecipe>,
                            qxml::NodeIdentityHash>
      kept;
  const uint64_t generation = values::CatalogueGeneration();
  const qxml::NodeIdentity identity = qxml::IdentityOf(channelNode);
  if (generation == 0 || identity.stamp == 0) return Read(channelNode);
  // Recipes of older states are never asked for again; let them go now and then.
  if (keptGeneration != generation || kept.size() > 1024) {
    kept.clear();
    keptGeneration = generation;
  }
  auto found = kept.find(identity);
  if (found == kept.end()) found = kept.emplace(identity, Read(channelNode)).first;
  return found->second;
}

}  // namespace modules
