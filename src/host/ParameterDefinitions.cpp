#include "host/ParameterDefinitions.h"

#include <charconv>

#include "com/TextRules.h"
#include "com/Variant.h"
#include "values/SnvtKinds.h"

namespace host {

namespace {

bool IsNumberKind(const std::optional<ParameterType>& type) {
  return type && values::IsNumericKind(type->kind);
}

std::string Text(IAttribute* attribute, HRESULT (IAttribute::*getter)(BSTR*)) {
  qcom::Bstr text;
  (attribute->*getter)(text.out());
  return text.utf8();
}

// One parameter element of a template's KIND/Attributes: the exactly spelled
// Min and Max override the type's limits of a number, as the object reads them.
ParameterDefinition ReadTemplateParameter(IXMLDOMDocument* catalogue, IXMLDOMElement* entry) {
  ParameterDefinition definition;
  definition.name = qxml::NameOf(entry);
  definition.snvtId = TextIn(ChildNamed(entry, "SNVTTYPE").get());
  definition.type = ReadParameterType(catalogue, definition.snvtId);
  std::optional<std::string> min, max, fallback;
  for (const qxml::ElementPtr& field : qxml::ChildElements(entry)) {
    const std::string name = qxml::NameOf(field.get());
    if (qcom::text::EqualsNoCase(name, "DefaultValue")) fallback = TextIn(field.get());
    if (name == "Min") min = TextIn(field.get());
    if (name == "Max") max = TextIn(field.get());
  }
  // An object stores 0 for a parameter whose definition gives no default.
  definition.defaultValue = fallback && !fallback->empty() ? *fallback : std::string(1, '0');
  if (IsNumberKind(definition.type)) {
    definition.min = min && !min->empty() ? *min : definition.type->min;
    definition.max = max && !max->empty() ? *max : definition.type->max;
  }
  return definition;
}

int ChannelCount(IXMLDOMNode* kind) {
  const std::string text = qcom::text::Trim(TextIn(ChildNamed(kind, "Number").get()));
  int count = 0;
  std::from_chars(text.data(), text.data() + text.size(), count);
  return count;
}

}  // namespace

std::vector<ParameterDefinition> DeviceParameters(IAppObject* object, IXMLDOMDocument* catalogue) {
  std::vector<ParameterDefinition> definitions;
  qcom::ComPtr<IAttributes> attributes;
  LONG count = 0;
  if (SUCCEEDED(object->get_Attributes(attributes.put())) && attributes)
    attributes->get_Count(&count);
  for (LONG i = 1; i <= count; ++i) {
    qcom::ComPtr<IAttribute> attribute;
    attributes->get_Item(qcom::Variant(int32_t{i}).raw(), attribute.put());
    if (!attribute) continue;
    ParameterDefinition definition;
    definition.name = Text(attribute.get(), &IAttribute::get_Name);
    definition.snvtId = DeviceParameterSnvtId(attribute.get());
    definition.defaultValue = Text(attribute.get(), &IAttribute::get_DefaultValue);
    definition.type = ReadParameterType(catalogue, definition.snvtId);
    if (IsNumberKind(definition.type)) {
      definition.min = Text(attribute.get(), &IAttribute::get_Min);
      definition.max = Text(attribute.get(), &IAttribute::get_Max);
    }
    definitions.push_back(std::move(definition));
  }
  return definitions;
}

std::optional<ModuleTemplate> ReadModuleTemplate(const ComponentSession& session,
                                                 const std::string& templateId) {
  std::optional<std::string> id;
  for (const std::string& known : session.TemplateIds())
    if (qcom::text::EqualsNoCase(known, templateId)) id = known;
  IXMLDOMDocument* document = id ? session.Template(*id) : nullptr;
  if (!document) return std::nullopt;
  qxml::ElementPtr root = qxml::RootOf(document);
  ModuleTemplate module{*id,
                        TextIn(ChildNamed(root.get(), "NAME").get()),
                        TextIn(ChildNamed(root.get(), "DESCRIPTION").get()),
                        {}};
  for (const char* kind : kChannelKinds) {
    qxml::ElementPtr element = ChildNamed(root.get(), kind);
    if (!element) continue;
    ChannelDefinition channel{kind, ChannelCount(element.get()), {}};
    for (const qxml::ElementPtr& entry :
         qxml::ChildElements(ChildNamed(element.get(), "Attributes").get()))
      channel.parameters.push_back(ReadTemplateParameter(session.catalogue(), entry.get()));
    module.channels.push_back(std::move(channel));
  }
  return module;
}

const ParameterDefinition* FindDefinition(const std::vector<ParameterDefinition>& definitions,
                                          const std::string& name) {
  for (const ParameterDefinition& definition : definitions)
    if (qcom::text::EqualsNoCase(definition.name, name)) return &definition;
  return nullptr;
}

}  // namespace host
