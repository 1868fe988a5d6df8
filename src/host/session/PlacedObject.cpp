#include "host/session/PlacedObject.h"

#include "com/ErrorRecord.h"
#include "host/session/HostSink.h"
#include "xml/Dom.h"

namespace host {

std::unique_ptr<PlacedObject> PlacedObject::Place(const ComponentSession& session,
                                                  const ObjectIdentity& identity,
                                                  std::string& error) {
  qcom::ComPtr<IAppObject> object = session.CreateObject(identity.progId, error);
  if (!object) {
    error = "cannot create " + identity.progId + ": " + error;
    return nullptr;
  }
  std::unique_ptr<PlacedObject> placed(new PlacedObject(object));
  object->XmlSNVTDoc(session.catalogue());
  VARIANT errorCode;
  VariantInit(&errorCode);
  VARIANT_BOOL ok = VARIANT_FALSE;
  qcom::Bstr type(identity.type);
  object->Init(type.get(), &errorCode, &ok);
  VariantClear(&errorCode);
  if (ok != VARIANT_TRUE) {
    // The object records the parse error of its definition: the line, then the reason.
    auto record = qcom::TakeErrorRecord();
    const std::string& why = record ? record->description : std::string();
    error = "the object type " + identity.type + " cannot be initialised" +
            (why.empty() ? std::string() : ": " + why.substr(why.rfind('\r') + 1));
    return nullptr;
  }
  // Known from Init on: a catalogue that types none of the definition's
  // parameters would have the object show a message per parameter at Create.
  placed->engineering_ = qcom::QueryAs<IEngineering>(object.get());
  if (!session.ServesType(identity.type, placed->engineering_.get(), error)) return nullptr;
  object->Create();
  object->CallBack(qcom::Make<HostSink>().get());
  ApplyIdentity(object.get(), identity);
  return placed;
}

PlacedObject::~PlacedObject() {
  object_->Destroy();
}

void PlacedObject::Load(IXMLDOMNode* savedElement) {
  object_->XmlLoad(savedElement);
}

std::string PlacedObject::Stream() const {
  qcom::Bstr stream;
  object_->get_Stream(stream.out());
  return stream.utf8();
}

void PlacedObject::SaveInto(IXMLDOMDocument* document, IXMLDOMNode* parent, SaveForm form) const {
  switch (form) {
    case SaveForm::kNormal:
      object_->XmlSave(parent, document);
      break;
    case SaveForm::kSim:
      object_->XMLSaveSim(parent, document);
      break;
    case SaveForm::kInterop:
      object_->XMLSaveForInteroperability(parent, document);
      break;
  }
}

qcom::ComPtr<IStreamExplanation> PlacedObject::Explain() const {
  qcom::ComPtr<IStreamExplanation> explanation;
  if (engineering_) engineering_->ExplainStream(explanation.put());
  return explanation;
}

qxml::ElementPtr PlacedObject::SavedElement() const {
  auto document = qxml::CreateDocument();
  SaveInto(document.get(), document.get(), SaveForm::kNormal);
  return qxml::RootOf(document.get());
}

}  // namespace host
