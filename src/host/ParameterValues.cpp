#include "host/ParameterValues.h"

#include <charconv>
#include <map>

#include "com/TextRules.h"
#include "host/ConfigurationTree.h"
#include "host/ObjectParameters.h"
#include "host/StreamLayout.h"

namespace host {

namespace {

std::optional<double> Number(const std::string& text) {
  const std::string trimmed = qcom::text::Trim(text);
  double number = 0;
  const char* end = trimmed.data() + trimmed.size();
  auto result = std::from_chars(trimmed.data(), end, number);
  if (trimmed.empty() || result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return number;
}

// The template IDs of the modules of a saved element, module 1 first.
std::vector<std::string> ModuleIds(IXMLDOMElement* saved) {
  std::vector<std::string> ids;
  for (const qxml::ElementPtr& child : qxml::ChildElements(saved))
    if (qxml::UpperBaseName(child.get()) == "MODULES")
      for (const qxml::ElementPtr& module : qxml::ChildElements(child.get()))
        ids.push_back(qxml::NameOf(module.get()));
  return ids;
}

const ChannelDefinition* ChannelOf(const std::optional<ModuleTemplate>& module,
                                   const std::string& kind) {
  if (module)
    for (const ChannelDefinition& channel : module->channels)
      if (channel.kind == kind) return &channel;
  return nullptr;
}

}  // namespace

bool ParameterValue::Changed() const {
  if (!definition) return false;
  const std::string& value = address.value;
  const std::string& fallback = definition->defaultValue;
  auto a = Number(value), b = Number(fallback);
  if (a && b) return *a != *b;
  return qcom::text::Trim(value) != qcom::text::Trim(fallback);
}

std::vector<ParameterValue> ReadParameterValues(const ComponentSession& session,
                                                const PlacedObject& object) {
  const qxml::ElementPtr saved = object.SavedElement();
  StreamExplainer explainer(session);
  const std::vector<ParameterDefinition> device =
      DeviceParameters(object.get(), session.catalogue());
  const std::vector<std::string> moduleIds = ModuleIds(saved.get());
  std::map<std::string, std::optional<ModuleTemplate>> templates;
  std::vector<ParameterValue> values;
  for (const ObjectParameter& parameter : ObjectParameters(explainer, object, saved.get())) {
    std::string error;
    auto address = ParseParameterName(parameter.path, error);
    if (!address) continue;  // a name no command could take
    ParameterValue value{*address, std::nullopt};
    value.address.value = parameter.value;
    const ParameterDefinition* definition = nullptr;
    if (!address->channel) {
      definition = FindDefinition(device, address->name);
    } else if (static_cast<size_t>(address->moduleNumber) <= moduleIds.size()) {
      const std::string& id = moduleIds[address->moduleNumber - 1];
      auto [entry, added] = templates.try_emplace(id);
      if (added) entry->second = ReadModuleTemplate(session, id);
      if (const ChannelDefinition* channel = ChannelOf(entry->second, address->kind))
        definition = FindDefinition(channel->parameters, address->name);
    }
    if (definition) value.definition = *definition;
    values.push_back(std::move(value));
  }
  return values;
}

const ParameterValue* FindValue(const std::vector<ParameterValue>& values,
                                const ParameterAssignment& address) {
  for (const ParameterValue& value : values)
    if (SameParameter(value.address, address)) return &value;
  return nullptr;
}

std::string NoSuchParameter(const std::vector<ParameterValue>& values, const PlacedObject& object,
                            const ParameterAssignment& address) {
  std::string problem;
  if (address.channel) {
    FindChannelParameter(object.SavedElement().get(), address, problem);
    return problem;
  }
  std::vector<std::string> names;
  for (const ParameterValue& value : values)
    if (!value.address.channel) names.push_back(value.address.name);
  return "no device parameter " + address.name +
         "; the device parameters are: " + JoinNames(names, ", ");
}

}  // namespace host
