#include "modules/CDBEBModule.h"

#include "com/Boundary.h"
#include "com/OutParam.h"
#include "com/TextRules.h"
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "platform/MessageBox.h"
#include "platform/MessagePump.h"
#include "points/CDBInputs.h"
#include "points/CDBOutputs.h"
#include "ports/AppObjectServices.h"
#include "xml/Elements.h"

namespace {

// Creates the channels of one kind: numbers run on from the module's counter.
template <class Collection>
qcom::ComPtr<Collection> CreateKind(int32_t count, IXMLDOMDocument* document, const char* path,
                                    IAppObject* appObject, int32_t slot, int32_t slotBase,
                                    int32_t& channelCounter) {
  if (count <= 0) return nullptr;
  auto channels = qcom::Make<Collection>();
  channels->SetAppObject(appObject);
  auto definition = qxml::FirstMatch(document, path);
  for (int32_t i = 1; i <= count; ++i) {
    int32_t number = (slot - 1) * 8 + slotBase + channelCounter;
    channels->LoadFromXML(definition.get(), appObject, number, i, slot);
    ++channelCounter;
  }
  return channels;
}

// Takes the points of every channel of one kind away, then the channels.
template <class Collection, class Points>
void RemoveKind(qcom::ComPtr<Collection>& channels, int32_t& count, Points* points) {
  while (count > 0 && channels) {
    auto first = channels->At(1);
    if (points && first) points->RemoveByChannel(first.get());
    channels->RemoveAt(1);
    --count;
  }
  if (channels) channels->Clear();
}

template <class Collection>
bool AnyConnected(const qcom::ComPtr<Collection>& channels) {
  if (!channels) return false;
  for (size_t i = 1; i <= channels->Count(); ++i) {
    VARIANT_BOOL connected = VARIANT_FALSE;
    auto channel = channels->At(i);
    if (channel && SUCCEEDED(channel->get_IsConnected(&connected)) && connected) return true;
  }
  return false;
}

}  // namespace

CDBEBModule::CDBEBModule() = default;

CDBEBModule::~CDBEBModule() {
  RemoveChannels();
}

const std::string& CDBEBModule::NoText() {
  static const std::string none;
  return none;
}

bool CDBEBModule::LoadTemplate(const std::string& templateId) {
  templateId_ = templateId;
  auto facts = modules::LoadTemplateFacts(templateId);
  if (!facts) {
    platform::ShowMessage("Error: The object " + templateId +
                          " is not available; Please verify its name.");
    return false;
  }
  facts_ = std::move(facts);
  icon_ = facts_->icon;
  diCount_ = facts_->diCount;
  doCount_ = facts_->doCount;
  aiCount_ = facts_->aiCount;
  aoCount_ = facts_->aoCount;
  return true;
}

void CDBEBModule::MarkAddable(int32_t slot) {
  isAddable_ = true;
  targetSlot_ = slot;
}

void CDBEBModule::SetAppObject(IAppObject* appObject) {
  appObject_ = qcom::WeakRef<IAppObject>(appObject);
}

void CDBEBModule::SetKey(const std::string& key) {
  key_ = key;
  if (aos_) aos_->SetKeyPrefix(key + "\\AO");
  if (ais_) ais_->SetKeyPrefix(key + "\\AI");
  if (dos_) dos_->SetKeyPrefix(key + "\\DO");
  if (dis_) dis_->SetKeyPrefix(key + "\\DI");
}

int32_t CDBEBModule::CounterCount() const {
  int32_t counters = 0;
  if (!dis_) return 0;
  for (size_t i = 1; i <= dis_->Count(); ++i)
    if (auto di = dis_->At(i); di && di->IsCounterFlag()) ++counters;
  return counters;
}

void CDBEBModule::CreateChannels() {
  if (!facts_) return;
  IXMLDOMDocument* doc = facts_->document.get();
  IAppObject* app = appObject_.get();
  ais_ = CreateKind<CDBAIs>(aiCount_, doc, "EB/AI", app, slot_, slotBase_, channelCounter_);
  aos_ = CreateKind<CDBAOs>(aoCount_, doc, "EB/AO", app, slot_, slotBase_, channelCounter_);
  dis_ = CreateKind<CDBDIs>(diCount_, doc, "EB/DI", app, slot_, slotBase_, channelCounter_);
  dos_ = CreateKind<CDBDOs>(doCount_, doc, "EB/DO", app, slot_, slotBase_, channelCounter_);
}

void CDBEBModule::RemoveChannels() {
  auto services = qcom::QueryAs<IAppObjectServices>(appObject_.get());
  CDBInputs* inputs = services ? services->InputSet() : nullptr;
  CDBOutputs* outputs = services ? services->OutputSet() : nullptr;
  if (outputs) {
    // The alarm-status output came with the output of channel 0.
    if (aiCount_ > 0) outputs->RemoveFirst();
    RemoveKind(ais_, aiCount_, outputs);
    RemoveKind(dis_, diCount_, outputs);
  }
  if (inputs) {
    RemoveKind(aos_, aoCount_, inputs);
    RemoveKind(dos_, doCount_, inputs);
  }
  icon_ = nullptr;
  appObject_ = nullptr;
}

std::string CDBEBModule::RemovalRefusal() const {
  return HasConnections() ? NameText() + " cannot be removed because it is connected"
                          : std::string();
}

bool CDBEBModule::HasConnections() const {
  if (ais_ && ais_->Count() > 0) {
    if (AnyConnected(ais_)) return true;
    auto services = qcom::QueryAs<IAppObjectServices>(appObject_.get());
    CDBOutputs* outputs = services ? services->OutputSet() : nullptr;
    if (outputs) {
      for (const auto& entry : outputs->Items()) {
        if (entry.item->NameText() != "AI AlarmStatus") continue;
        VARIANT_BOOL connected = VARIANT_FALSE, macro = VARIANT_FALSE;
        IOutput* output = entry.item.get();
        output->get_IsConnected(&connected);
        output->get_IsMacroConnected(&macro);
        if (connected || macro) return true;
        break;  // only the first such output counts
      }
    }
  }
  return AnyConnected(aos_) || AnyConnected(dis_) || AnyConnected(dos_);
}

template <class Save>
void CDBEBModule::SaveChannels(IXMLDOMNode* parent, IXMLDOMDocument* document, Save save) const {
  if (!document || !parent) return;
  auto appended = qxml::AppendElement(document, parent, templateId_);
  if (!appended) return;
  auto each = [&](auto& channels) {
    if (!channels) return;
    for (size_t i = 1; i <= channels->Count(); ++i) {
      platform::PumpMessages();
      if (auto channel = channels->At(i)) save(*channel, appended.get(), document);
    }
  };
  each(ais_);
  each(aos_);
  each(dis_);
  each(dos_);
}

void CDBEBModule::XmlSave(IXMLDOMNode* parent, IXMLDOMDocument* document) const {
  SaveChannels(parent, document, [](auto& channel, IXMLDOMNode* node, IXMLDOMDocument* doc) {
    channel.XmlSave(node, doc);
  });
}

void CDBEBModule::XmlSaveSim(IXMLDOMNode* parent, IXMLDOMDocument* document) const {
  SaveChannels(parent, document, [](auto& channel, IXMLDOMNode* node, IXMLDOMDocument* doc) {
    channel.XmlSaveSim(node, doc);
  });
}

void CDBEBModule::XmlLoad(IXMLDOMNode* moduleElement) {
  size_t ai = 0, ao = 0, di = 0, dO = 0;
  auto load = [](auto& channels, size_t& counter, IXMLDOMNode* child) {
    ++counter;
    if (!channels) return;
    if (auto channel = channels->At(counter)) {
      channel->XmlLoad(child);
      channels->RefreshInEditor(channel.get());
    }
  };
  qcom::ComPtr<IXMLDOMNodeList> children;
  if (!moduleElement || FAILED(moduleElement->get_childNodes(children.put())) || !children) return;
  LONG length = 0;
  children->get_length(&length);
  for (LONG i = 0; i < length; ++i) {
    platform::PumpMessages();
    qcom::ComPtr<IXMLDOMNode> child;
    if (FAILED(children->get_item(i, child.put())) || !child) continue;
    std::string name = qxml::BaseName(child.get());
    if (name == "AI")
      load(ais_, ai, child.get());
    else if (name == "AO")
      load(aos_, ao, child.get());
    else if (name == "DI")
      load(dis_, di, child.get());
    else if (name == "DO")
      load(dos_, dO, child.get());
  }
}

HRESULT CDBEBModule::get_Name(BSTR* name) {
  return qcom::ReturnText(NameText(), name);
}
HRESULT CDBEBModule::get_AIs(IDispatch** channels) {
  return qcom::ReturnObject<IDispatch>(ais_, channels);
}
HRESULT CDBEBModule::get_AOs(IDispatch** channels) {
  return qcom::ReturnObject<IDispatch>(aos_, channels);
}
HRESULT CDBEBModule::get_DIs(IDispatch** channels) {
  return qcom::ReturnObject<IDispatch>(dis_, channels);
}
HRESULT CDBEBModule::get_DOs(IDispatch** channels) {
  return qcom::ReturnObject<IDispatch>(dos_, channels);
}
HRESULT CDBEBModule::get_Description(BSTR* text) {
  return qcom::ReturnText(DescriptionText(), text);
}
HRESULT CDBEBModule::StringID(BSTR templateId, VARIANT_BOOL* ok) {
  return qcom::Guarded(
      [&] { return qcom::ReturnBool(LoadTemplate(qcom::BstrToUtf8(templateId)), ok); });
}
