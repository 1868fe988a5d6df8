// Arbitrary text as a saved object element: the object loads what it can,
// streams and saves again, without a crash, a hang or a leak.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "com/Bstr.h"
#include "modules/ComponentLocation.h"
#include "platform/MessageBox.h"
#include "platform/RecordingMessages.h"
#include "plugin/CDBAppObject.h"
#include "values/MMain.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto messages = std::make_shared<platform::RecordingMessages>();
  static platform::ScopedMessageService guard{messages};
  static const bool ready = [] {
    modules::SetComponentModulePathForTesting(std::string(TQ_PLUGINS_DIR) +
                                              "/O_TQ4600/O_TQ4600.so");
    auto catalogue = qxml::CreateDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    catalogue->load(qcom::Variant(TQ_SNVT_FILE).raw(), &ok);
    values::Shared().snvtDocument = catalogue;
    return ok == VARIANT_TRUE;
  }();
  if (!ready) return 0;
  messages->Clear();

  auto saved = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  qcom::Bstr text(std::string_view(reinterpret_cast<const char*>(data), size));
  saved->loadXML(text.get(), &ok);
  qcom::ComPtr<IXMLDOMElement> element;
  if (ok == VARIANT_TRUE) saved->get_documentElement(element.put());

  auto object = qcom::Make<CDBAppObject>();
  VARIANT code;
  VariantInit(&code);
  object->Init(qcom::Bstr("TQ4600").get(), &code, &ok);
  object->Create();
  object->XmlLoad(element.get());
  qcom::Bstr stream;
  object->get_Stream(stream.out());
  auto out = qxml::CreateDocument();
  object->XmlSave(out.get(), out.get());
  object->Destroy();
  return 0;
}
