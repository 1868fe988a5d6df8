#include "host/ParameterType.h"

#include "com/TextRules.h"
#include "com/VariantCoercion.h"
#include "xml/Elements.h"

namespace host {

namespace {

// A catalogue length as a whole number, rounded half to even; 0 when it is no number.
int32_t Length(const std::string& text) {
  qcom::Variant number(text);
  VARIANT whole;
  VariantInit(&whole);
  return SUCCEEDED(VariantChangeType(&whole, &number.raw(), 0, VT_I4)) ? whole.lVal : 0;
}

}  // namespace

qxml::ElementPtr ChildNamed(IXMLDOMNode* node, const std::string& name) {
  if (!node) return nullptr;
  for (const qxml::ElementPtr& child : qxml::ChildElements(node))
    if (qcom::text::EqualsNoCase(qxml::BaseName(child.get()), name)) return child;
  return nullptr;
}

std::string TextIn(IXMLDOMNode* element) {
  return element ? qxml::Text(element).value_or("") : std::string();
}

std::optional<ParameterType> ReadParameterType(IXMLDOMDocument* catalogue, const std::string& id) {
  qxml::NodePtr entry = qxml::FirstMatch(catalogue, "SNVTS/SNVT_" + id);
  if (!entry) return std::nullopt;
  ParameterType type;
  type.id = id;
  type.name = TextIn(ChildNamed(entry.get(), "NAME").get());
  type.kind = TextIn(ChildNamed(entry.get(), "TYPE").get());
  type.length = Length(TextIn(ChildNamed(entry.get(), "LENGTH").get()));
  type.unit = TextIn(ChildNamed(entry.get(), "UNIT").get());
  type.min = TextIn(ChildNamed(entry.get(), "MIN").get());
  type.max = TextIn(ChildNamed(entry.get(), "MAX").get());
  if (qxml::NodePtr members = qxml::FirstMatch(catalogue, "SNVTS/SNVT_" + id + "/Enums"))
    for (const qxml::ElementPtr& member : qxml::ChildElements(members.get()))
      type.members.push_back(
          {qxml::BaseName(member.get()), qcom::text::Trim(TextIn(member.get()))});
  return type;
}

std::string DeviceParameterSnvtId(IAttribute* parameter) {
  qcom::ComPtr<ISNVType> type;
  qcom::Bstr id;
  if (SUCCEEDED(parameter->get_SNVTType(type.put())) && type) type->get_ID(id.out());
  return id.utf8();
}

std::string ChannelParameterSnvtId(const ComponentSession& session, IXMLDOMElement* parameter,
                                   const std::string& kind) {
  qcom::ComPtr<IXMLDOMNode> channel, module;
  parameter->get_parentNode(channel.put());
  if (channel) channel->get_parentNode(module.put());
  if (!module) return {};
  IXMLDOMDocument* moduleTemplate = session.Template(qxml::NameOf(module.get()));
  if (!moduleTemplate) return {};
  qxml::ElementPtr definition = ChildNamed(qxml::RootOf(moduleTemplate).get(), kind);
  qxml::ElementPtr attributes = ChildNamed(definition.get(), "Attributes");
  qxml::ElementPtr entry = ChildNamed(attributes.get(), qxml::NameOf(parameter));
  return TextIn(ChildNamed(entry.get(), "SNVTTYPE").get());
}

}  // namespace host
