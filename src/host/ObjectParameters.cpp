#include "host/ObjectParameters.h"

#include "com/Variant.h"
#include "host/ParameterType.h"
#include "xml/Elements.h"

namespace host {

std::vector<ObjectParameter> ObjectParameters(StreamExplainer& explainer,
                                              const PlacedObject& object, IXMLDOMElement* saved) {
  std::vector<ObjectParameter> parameters;
  qcom::ComPtr<IAttributes> attributes;
  object.get()->get_Attributes(attributes.put());
  LONG count = 0;
  if (attributes) attributes->get_Count(&count);
  for (LONG i = 1; i <= count; ++i) {
    qcom::ComPtr<IAttribute> attribute;
    attributes->get_Item(qcom::Variant(static_cast<int32_t>(i)).raw(), attribute.put());
    if (!attribute) continue;
    qcom::Bstr name, value;
    attribute->get_Name(name.out());
    attribute->get_Value(value.out());
    parameters.push_back({name.utf8(), value.utf8(), DeviceParameterSnvtId(attribute.get())});
  }
  for (const SavedModule& module : explainer.ModulesOf(saved))
    for (const SavedChannel& channel : module.channels)
      for (size_t i = 0; i < channel.parameters.size(); ++i)
        parameters.push_back({"EB" + std::to_string(module.slot) + "/" + channel.kind + "/" +
                                  std::to_string(channel.position) + "/" + channel.names[i],
                              channel.texts[i], explainer.ChannelSnvtId(module, channel, i)});
  return parameters;
}

}  // namespace host
