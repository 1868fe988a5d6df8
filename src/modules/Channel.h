#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "com/Boundary.h"
#include "com/Bstr.h"
#include "com/ComObject.h"
#include "com/OutParam.h"
#include "modules/ChannelCore.h"
#include "ports/ChannelLink.h"

// The COM face of an I/O channel: the members every channel kind shares, in
// the slot order of its own interface `Interface`, and the link through which
// its inputs or outputs report connections. The kind's class only names the
// interface and the kind (and adds what is its own).
template <class Interface, const ChannelKindInfo& Kind>
class Channel : public qcom::ComObject<Interface, IChannelLink, IChannelState> {
 public:
  using DefaultInterface = Interface;
  static constexpr const ChannelKindInfo& kKind = Kind;

  Channel() : core_(Kind) {}

  // Operations of the component's own classes.
  CDBAttributes* Attributes() const { return core_.Attributes(); }
  const std::vector<std::string>& References() const { return core_.References(); }
  void SetAppObject(IAppObject* appObject) { core_.SetAppObject(appObject); }
  int32_t IndexValue() const { return core_.index; }
  int32_t IndexInModuleValue() const { return core_.indexInModule; }
  const std::string& NameText() const { return core_.name; }
  const std::string& GlobalKeyText() const { return core_.globalKey; }
  void SetGlobalKeyText(std::string key) { core_.globalKey = std::move(key); }
  ports::ChannelRowData RowData() const { return core_.RowData(); }
  ChannelCore& Core() { return core_; }
  const ChannelCore& Core() const { return core_; }

  // The shared members of the channel interfaces. Property values come by
  // reference.
  HRESULT put_IndexInModule(LONG* value) override { return Store(value, core_.indexInModule); }
  HRESULT get_IndexInModule(LONG* value) override {
    return qcom::ReturnValue(core_.indexInModule, value);
  }
  HRESULT put_Index(LONG* value) override { return Store(value, core_.index); }
  HRESULT get_Index(LONG* value) override { return qcom::ReturnValue(core_.index, value); }
  HRESULT put_Name(BSTR* value) override { return StoreText(value, core_.name); }
  HRESULT get_Name(BSTR* value) override { return qcom::ReturnText(core_.name, value); }
  HRESULT put_GlobalKey(BSTR* value) override { return StoreText(value, core_.globalKey); }
  HRESULT get_GlobalKey(BSTR* value) override { return qcom::ReturnText(core_.globalKey, value); }
  HRESULT LoadAttributesFromXML(IXMLDOMNode* channelNode, VARIANT_BOOL manageShortFloat) override {
    return qcom::Guarded([&] {
      core_.LoadAttributes(channelNode, manageShortFloat != VARIANT_FALSE);
      return S_OK;
    });
  }
  HRESULT put_IsConnected(VARIANT_BOOL* value) override {
    if (!value) return E_POINTER;
    core_.SetConnected(*value != VARIANT_FALSE);
    return S_OK;
  }
  HRESULT get_IsConnected(VARIANT_BOOL* value) override {
    if (!value) return E_POINTER;
    return qcom::Guarded([&] { return qcom::ReturnBool(core_.IsConnected(), value); });
  }
  HRESULT XmlSave(IXMLDOMNode* parentNode, IXMLDOMDocument* document) override {
    return qcom::Guarded([&] {
      core_.Save(parentNode, document, false);
      return S_OK;
    });
  }
  HRESULT XmlSaveSim(IXMLDOMNode* parentNode, IXMLDOMDocument* document) override {
    return qcom::Guarded([&] {
      core_.Save(parentNode, document, true);
      return S_OK;
    });
  }
  HRESULT XmlLoad(IXMLDOMNode* parentNode) override {
    return qcom::Guarded([&] {
      core_.Load(parentNode);
      return S_OK;
    });
  }

  // IChannelLink
  std::string LinkName() override { return core_.name; }
  std::string LinkGlobalKey() override { return core_.globalKey; }
  void LinkSetConnected(bool connected) override { core_.SetConnected(connected); }
  // IChannelState: what the channel reports, its points included.
  bool LinkIsConnected() override { return core_.IsConnected(); }

 protected:
  ~Channel() override = default;

  static HRESULT Store(const LONG* value, int32_t& field) {
    if (!value) return E_POINTER;
    field = *value;
    return S_OK;
  }
  static HRESULT StoreText(const BSTR* value, std::string& field) {
    if (!value) return E_POINTER;
    return qcom::StoreText(*value, field);
  }

 private:
  ChannelCore core_;
};
