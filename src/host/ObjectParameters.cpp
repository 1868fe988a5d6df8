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
  int module = 0;
  for (const qxml::ElementPtr& child : qxml::ChildElements(saved)) {
    if (qxml::UpperBaseName(child.get()) != "MODULES") continue;
    for (const qxml::ElementPtr& element : qxml::ChildElements(child.get())) {
      ++module;
      for (const char* kind : {"AI", "AO", "DI", "DO"}) {
        int position = 0;
        for (const qxml::ElementPtr& channel : qxml::ChildElements(element.get())) {
          if (qxml::NameOf(channel.get()) != kind) continue;
          ++position;
          for (const qxml::ElementPtr& parameter : qxml::ChildElements(channel.get()))
            parameters.push_back(
                {"EB" + std::to_string(module) + "/" + kind + "/" + std::to_string(position) + "/" +
                     qxml::NameOf(parameter.get()),
                 qxml::TextOf(parameter.get()), explainer.ChannelSnvtId(parameter.get(), kind)});
        }
      }
    }
  }
  return parameters;
}

}  // namespace host
