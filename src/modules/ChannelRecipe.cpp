#include "modules/ChannelRecipe.h"

#include "values/KeptPerElement.h"
#include "xml/Elements.h"

namespace modules {
namespace {

ChannelRecipe Read(IXMLDOMNode* channelNode) {
  ChannelRecipe recipe;
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
  return recipe;
}

}  // namespace

std::shared_ptr<const ChannelRecipe> ChannelRecipeOf(IXMLDOMNode* channelNode) {
  static values::KeptPerElement<ChannelRecipe> kept(1024);
  return kept.Get(channelNode, Read, [](const ChannelRecipe&) { return true; });
}

}  // namespace modules
