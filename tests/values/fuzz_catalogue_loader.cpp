// Arbitrary text as the host's SNVT catalogue: every type it names, and a few
// it may not, load without a crash, a hang or a leak, and parameters typed
// with them display and encode.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "com/Bstr.h"
#include "platform/MessageBox.h"
#include "platform/RecordingMessages.h"
#include "values/CDBAttributes.h"
#include "values/CDBSNVTType.h"
#include "values/MMain.h"
#include "xml/Elements.h"
#include "xml/Dom.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto messages = std::make_shared<platform::RecordingMessages>();
  static platform::ScopedMessageService guard{messages};
  messages->Clear();

  auto document = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  qcom::Bstr text(std::string_view(reinterpret_cast<const char*>(data), size));
  document->loadXML(text.get(), &ok);
  values::Shared().snvtDocument = document;

  std::vector<std::string> ids = {"", "1", "0", "-1", "99999999999"};
  auto root = qxml::FirstMatch(document.get(), "SNVTS");
  for (const auto& child : qxml::Children(root.get())) {
    std::string name = qxml::BaseName(child.get());
    if (name.size() > 5 && ids.size() < 64) ids.push_back(name.substr(5));
  }
  auto set = qcom::Make<CDBAttributes>();
  int n = 0;
  for (const std::string& id : ids) {
    auto type = qcom::Make<CDBSNVTType>();
    type->LoadFromCatalogue(id);
    qcom::Bstr out;
    type->get_Min(out.out());
    type->get_EnumDesc(out.out());

    // The same type behind a parameter: display and stream text must be defined.
    auto definition = qxml::CreateDocument();
    qcom::Bstr xml("<P><SNVTTYPE>" + id + "</SNVTTYPE><DefaultValue>1.5</DefaultValue></P>");
    definition->loadXML(xml.get(), &ok);
    if (ok != VARIANT_TRUE) continue;
    qcom::ComPtr<IXMLDOMElement> element;
    definition->get_documentElement(element.put());
    auto parameter = set->AddFromXML("P" + std::to_string(n++), element.get());
    if (!parameter) continue;
    parameter->get_DispValue(out.out());
    parameter->get_DispMax(out.out());
    (void)parameter->StreamValue();
  }
  values::Shared().snvtDocument = nullptr;
  return 0;
}
