#include "host/ObjectParameters.h"

#include <charconv>
#include <map>

#include "com/TextRules.h"
#include "com/Variant.h"
#include "host/ConfigurationTree.h"

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

std::string DeviceValue(IAppObject* object, const std::string& name) {
  qcom::ComPtr<IAttributes> attributes;
  qcom::ComPtr<IAttribute> attribute;
  qcom::Bstr value;
  if (SUCCEEDED(object->get_Attributes(attributes.put())) && attributes)
    attributes->get_Item(qcom::Variant(name).raw(), attribute.put());
  if (attribute) attribute->get_Value(value.out());
  return value.utf8();
}

std::vector<qxml::ElementPtr> ModuleElements(IXMLDOMElement* saved) {
  std::vector<qxml::ElementPtr> modules;
  for (const qxml::ElementPtr& child : qxml::ChildElements(saved))
    if (qcom::text::EqualsNoCase(qxml::NameOf(child.get()), "Modules"))
      for (const qxml::ElementPtr& module : qxml::ChildElements(child.get()))
        modules.push_back(module);
  return modules;
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
  std::vector<ParameterValue> values;
  for (ParameterDefinition& definition : DeviceParameters(object.get(), session.catalogue())) {
    ParameterValue value;
    value.address.text = value.address.name = definition.name;
    value.address.value = DeviceValue(object.get(), definition.name);
    value.definition = std::move(definition);
    values.push_back(std::move(value));
  }
  std::map<std::string, std::optional<ModuleTemplate>> templates;
  int moduleNumber = 0;
  for (const qxml::ElementPtr& module : ModuleElements(object.SavedElement().get())) {
    ++moduleNumber;
    const std::string id = qxml::NameOf(module.get());
    auto [entry, added] = templates.try_emplace(id);
    if (added) entry->second = ReadModuleTemplate(session, id);
    std::map<std::string, int> positions;
    for (const qxml::ElementPtr& channel : qxml::ChildElements(module.get())) {
      const std::string kind = qxml::NameOf(channel.get());
      const int position = ++positions[kind];
      const ChannelDefinition* definitions = ChannelOf(entry->second, kind);
      for (const qxml::ElementPtr& parameter : qxml::ChildElements(channel.get())) {
        ParameterValue value;
        ParameterAssignment& a = value.address;
        a.channel = true;
        a.moduleNumber = moduleNumber;
        a.kind = kind;
        a.position = position;
        a.name = qxml::NameOf(parameter.get());
        a.text = "EB" + std::to_string(moduleNumber) + "/" + kind + "/" + std::to_string(position) +
                 "/" + a.name;
        a.value = qxml::TextOf(parameter.get());
        if (definitions)
          if (const ParameterDefinition* d = FindDefinition(definitions->parameters, a.name))
            value.definition = *d;
        values.push_back(std::move(value));
      }
    }
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
