// Arbitrary text as the host's SNVT catalogue: every type it names, and a few
// it may not, load without a crash, a hang or a leak, and parameters typed
// with them display and encode.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/MessageBox.h"
#include "platform/RecordingMessages.h"
#include "values/CDBAttributes.h"
#include "values/MMain.h"
#include "xml/Dom.h"
#include "xml/Elements.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto messages = std::make_shared<platform::RecordingMessages>();
  static platform::ScopedMessageService guard{messages};
  messages->Clear();
  auto catalogue = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  catalogue->loadXML(qcom::Bstr(std::string_view(reinterpret_cast<const char*>(data), size)).get(),
                     &ok);
  values::Shared().snvtDocument = catalogue;

  std::vector<std::string> ids = {"", "1", "-1", "99999999999"};
  for (const auto& child : qxml::Children(qxml::FirstMatch(catalogue.get(), "SNVTS").get()))
    if (std::string name = qxml::BaseName(child.get()); name.size() > 5 && ids.size() < 64)
      ids.push_back(name.substr(5));
  // Each type behind a parameter: its display and stream texts must be defined.
  auto set = qcom::Make<CDBAttributes>();
  auto definition = qxml::CreateDocument();
  for (const std::string& id : ids) {
    definition->loadXML(qcom::Bstr("<P><SNVTTYPE>" + id + "</SNVTTYPE><Min>1.5</Min></P>").get(),
                        &ok);
    if (ok != VARIANT_TRUE) continue;
    qcom::ComPtr<IXMLDOMElement> element;
    definition->get_documentElement(element.put());
    auto parameter = set->AddFromXML("P" + std::to_string(set->Count()), element.get());
    if (!parameter) continue;
    qcom::Bstr out;
    parameter->put_Value(qcom::Bstr("1.5").get());
    parameter->get_DispValue(out.out());
    parameter->get_DispMax(out.out());
    parameter->Type().get_EnumDesc(out.out());
    (void)parameter->StreamValue();
  }
  values::Shared().snvtDocument = nullptr;
  return 0;
}
