// An example host of the TQ4600 component, built against the installed SDK
// only. It registers the component, creates an application object by ProgID,
// places two expansion modules and prints the object's configuration stream.
// Its sink counts the object's CDBChanged notifications and says on standard
// error how many it heard. The object takes its own reference to the sink it
// is handed; the host keeps its own as well, for as long as it reads the sink.
//   example-host COMPONENT CATALOGUE
// COMPONENT is the component library (PREFIX/lib/tq4600/plugins/O_TQ4600/
// O_TQ4600.so), CATALOGUE the host's SNVT catalogue (PREFIX/share/tq4600/snvt/
// snvt.xml). The registry is the user's, or $QORDB_REGISTRY.
#include <cstdio>
#include <string>
#include <string_view>

#include "com/Bstr.h"
#include "com/ComPtr.h"
#include "com/Creation.h"
#include "com/ErrorRecord.h"
#include "com/Variant.h"
#include "faces/AppObject.h"
#include "faces/CallbackSink.h"
#include "xml/Dom.h"

// The SDK declares its names in namespace qcom (so they cannot clash with a
// host's own GUID or HRESULT); this host has no other COM names.
using namespace qcom;

namespace {

// This host has no views to keep up to date: it only counts the changes the
// object announces.
class Sink final : public faces::CallbackSink<> {
 public:
  int changes = 0;
  HRESULT CDBChanged(LONG, LONG, LONG) override {
    ++changes;
    return S_OK;
  }
};

int Fail(const std::string& what, const std::string& why) {
  std::fprintf(stderr, "example-host: %s: %s\n", what.c_str(), why.c_str());
  return 1;
}

// What the runtime recorded about a failed call, else its code.
std::string Why(HRESULT hr) {
  auto record = qcom::TakeErrorRecord();
  return record ? record->description : qcom::HresultText(hr);
}

// Why a document did not load.
std::string Why(IXMLDOMDocument* document) {
  qcom::ComPtr<IXMLDOMParseError> error;
  qcom::Bstr reason;
  if (SUCCEEDED(document->get_parseError(error.put())) && error) error->get_reason(reason.out());
  return reason.utf8();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: example-host COMPONENT CATALOGUE\n");
    return 2;
  }
  // Registering again is harmless, and it points the ProgID at this library.
  if (HRESULT hr = qcom::RegisterServer(argv[1], false); FAILED(hr))
    return Fail(std::string("cannot register ") + argv[1], Why(hr));

  auto catalogue = qxml::CreateDocument();
  VARIANT_BOOL loaded = VARIANT_FALSE;
  catalogue->load(qcom::Variant(std::string_view(argv[2])).raw(), &loaded);
  if (loaded != VARIANT_TRUE)
    return Fail(std::string("cannot read ") + argv[2], Why(catalogue.get()));

  qcom::ComPtr<IAppObject> object;
  if (HRESULT hr = qcom::CreateByProgId("O_TQ4600.CAppObject", IAppObject::iid, object.put_void());
      FAILED(hr))
    return Fail("cannot create O_TQ4600.CAppObject", Why(hr));

  // The order the object expects: catalogue, type, creation, the host's sink.
  object->XmlSNVTDoc(catalogue.get());
  VARIANT errorCode;
  VariantInit(&errorCode);
  VARIANT_BOOL ok = VARIANT_FALSE;
  object->Init(qcom::Bstr("TQ4600").get(), &errorCode, &ok);
  VariantClear(&errorCode);
  if (ok != VARIANT_TRUE) return Fail("TQ4600", "the object type cannot be initialised");
  object->Create();
  auto sink = qcom::Make<Sink>();
  object->CallBack(sink.get());

  // Modules are placed by loading an element that lists them, module k in slot k.
  auto chain = qxml::CreateDocument();
  chain->loadXML(qcom::Bstr("<TQ4600><Modules><EB4AI2AO/><EB8DI/></Modules></TQ4600>").get(),
                 &loaded);
  qcom::ComPtr<IXMLDOMElement> root;
  chain->get_documentElement(root.put());
  object->XmlLoad(root.get());

  std::fprintf(stderr, "example-host: the object announced %d changes\n", sink->changes);
  if (sink->changes == 0) return Fail("TQ4600", "the sink heard no change");

  qcom::Bstr stream;
  object->get_Stream(stream.out());
  std::printf("%s\n", stream.utf8().c_str());
  object->Destroy();
  return stream.utf8().empty() ? 1 : 0;
}
