#pragma once

#include <string>

#include <memory>

#include "com/ComObject.h"
#include "com/Members.h"
#include "faces/AppObject.h"
#include "modules/TemplateFacts.h"
#include "platform/Picture.h"
#include "xml/Dom.h"

class CDBAIs;
class CDBAOs;
class CDBDIs;
class CDBDOs;

// Default interface of CDBEBModule.
#define TQ_CDBEBMODULE(GET, PUT, CALL, FUNC) \
  GET(Name, BSTR* name)                      \
  GET(AIs, IDispatch** channels)             \
  GET(AOs, IDispatch** channels)             \
  GET(DIs, IDispatch** channels)             \
  GET(DOs, IDispatch** channels)             \
  GET(Description, BSTR* text)               \
  FUNC(StringID, BSTR templateId, VARIANT_BOOL* ok)
struct _CDBEBModule : IDispatch {
  QCOM_IDENTITY(IDispatch, "092633A4-6F63-47BC-B5C8-3FA04E88E89D");
  QCOM_MEMBERS(TQ_CDBEBMODULE)

 protected:
  ~_CDBEBModule() = default;
};

// An expansion module: as a catalogue entry it describes a kind of module
// (its template); placed in a slot it owns its channels and, through them, the
// application object's inputs and outputs.
class CDBEBModule final : public qcom::ComObject<_CDBEBModule> {
 public:
  CDBEBModule();

  // Takes the template of that ID from its folder next to the component (the
  // facts every module of the template shares).
  bool LoadTemplate(const std::string& templateId);

  const std::string& TemplateID() const { return templateId_; }
  const std::string& NameText() const { return facts_ ? facts_->name : NoText(); }
  const std::string& DescriptionText() const { return facts_ ? facts_->description : NoText(); }
  IPicture* Icon() const { return icon_.get(); }
  // The template's definition document; null before a template is loaded.
  IXMLDOMDocument* TemplateDocument() const { return facts_ ? facts_->document.get() : nullptr; }
  int32_t AICount() const { return aiCount_; }
  int32_t AOCount() const { return aoCount_; }
  int32_t DICount() const { return diCount_; }
  int32_t DOCount() const { return doCount_; }
  int32_t ChannelTotal() const { return aiCount_ + aoCount_ + diCount_ + doCount_; }
  int32_t Slot() const { return slot_; }
  void SetSlot(int32_t slot) { slot_ = slot; }
  void SetSlotBase(int32_t base) { slotBase_ = base; }
  bool IsAddable() const { return isAddable_; }
  void SetAddable(bool addable) { isAddable_ = addable; }
  int32_t TargetSlot() const { return targetSlot_; }
  void MarkAddable(int32_t slot);
  const std::string& MapTypModTag() const { return mapTypModTag_; }
  void SetMapTypModTag(std::string tag) { mapTypModTag_ = std::move(tag); }
  void SetAppObject(IAppObject* appObject);
  const std::string& Key() const { return key_; }
  void SetKey(const std::string& key);

  CDBAIs* AIs() const { return ais_.get(); }
  CDBAOs* AOs() const { return aos_.get(); }
  CDBDIs* DIs() const { return dis_.get(); }
  CDBDOs* DOs() const { return dos_.get(); }
  // DI channels flagged as counters.
  int32_t CounterCount() const;

  void CreateChannels();
  void RemoveChannels();
  bool HasConnections() const;
  // Why the module cannot be removed, in the words the editor shows; empty
  // when it can.
  std::string RemovalRefusal() const;
  void XmlSave(IXMLDOMNode* parent, IXMLDOMDocument* document) const;
  void XmlSaveSim(IXMLDOMNode* parent, IXMLDOMDocument* document) const;
  void XmlLoad(IXMLDOMNode* moduleElement);

  // _CDBEBModule
  HRESULT get_Name(BSTR* name) override;
  HRESULT get_AIs(IDispatch** channels) override;
  HRESULT get_AOs(IDispatch** channels) override;
  HRESULT get_DIs(IDispatch** channels) override;
  HRESULT get_DOs(IDispatch** channels) override;
  HRESULT get_Description(BSTR* text) override;
  HRESULT StringID(BSTR templateId, VARIANT_BOOL* ok) override;

 private:
  ~CDBEBModule() override;
  template <class Save>
  void SaveChannels(IXMLDOMNode* parent, IXMLDOMDocument* document, Save save) const;
  static const std::string& NoText();

  std::string templateId_;
  std::shared_ptr<const modules::TemplateFacts> facts_;
  qcom::ComPtr<IPicture> icon_;
  qcom::ComPtr<CDBAIs> ais_;
  qcom::ComPtr<CDBAOs> aos_;
  qcom::ComPtr<CDBDIs> dis_;
  qcom::ComPtr<CDBDOs> dos_;
  int32_t aiCount_ = 0, aoCount_ = 0, diCount_ = 0, doCount_ = 0;
  std::string key_;
  int32_t slot_ = 0;
  int32_t slotBase_ = 0;
  int32_t channelCounter_ = 0;
  bool isAddable_ = false;
  int32_t targetSlot_ = 0;
  std::string mapTypModTag_;
  qcom::WeakRef<IAppObject> appObject_;
};
