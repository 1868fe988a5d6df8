#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "com/Boundary.h"
#include "com/Bstr.h"
#include "com/ComObject.h"
#include "com/EnumVariant.h"
#include "com/OutParam.h"
#include "faces/AppObject.h"
#include "ports/AppObjectServices.h"
#include "ports/EditorView.h"
#include "values/NumberRules.h"
#include "xml/Dom.h"

// The channels of one kind in one module, in module order (1-based, without
// keys), and the editor window that lists them. `Interface` is the
// collection's own interface, `Kind` the channel class it holds.
template <class Interface, class Kind>
class ChannelCollection : public qcom::ComObject<Interface> {
 public:
  using ChannelInterface = typename Kind::DefaultInterface;
  static constexpr ports::ChannelKind kChannelKind = Kind::kKind.kind;

  // Creates a channel from its definition element and appends it. The
  // application object is asked for its editor window and its short-float
  // setting; the channel belongs to the collection's own application object.
  // Null, and nothing appended, at the first unexpected failure.
  qcom::ComPtr<Kind> LoadFromXML(IXMLDOMNode* channelNode, IAppObject* appObject,
                                 int32_t channelIndex, int32_t indexInModule, int32_t /*slot*/) {
    auto channel = qcom::Make<Kind>();
    auto services = qcom::QueryAs<IAppObjectServices>(appObject);
    if (!services) return nullptr;
    editor_ = qcom::WeakRef<IEditorView>(services->EditorView());
    const bool shortFloat = services->ShortFloatSetting();
    if (!channel->Core().Create(channelNode, *services, shortFloat, channelIndex, indexInModule,
                                appObject_.get(), channel.get()))
      return nullptr;
    channels_.push_back(channel);
    return channel;
  }

  void SetAppObject(IAppObject* appObject) { appObject_ = qcom::WeakRef<IAppObject>(appObject); }
  void SetEditor(IEditorView* editor) { editor_ = qcom::WeakRef<IEditorView>(editor); }
  IEditorView* Editor() const { return editor_.get(); }

  // Keys every channel with prefix + "\" + its position in the module and
  // has the editor list it.
  void SetKeyPrefix(const std::string& prefix) {
    keyPrefix_ = prefix;
    for (const auto& channel : channels_) {
      channel->SetGlobalKeyText(prefix + "\\" + std::to_string(channel->IndexInModuleValue()));
      if (editor_) editor_->AddChannelRow(kChannelKind, channel->RowData());
    }
  }
  const std::string& KeyPrefix() const { return keyPrefix_; }

  // Drops the channel at the 1-based position from the editor and the list;
  // a position outside the list changes nothing.
  void RemoveAt(int16_t position) {
    auto channel = At(position < 1 ? 0 : static_cast<size_t>(position));
    if (!channel) return;
    if (editor_) editor_->RemoveChannelRow(kChannelKind, channel->GlobalKeyText());
    channels_.erase(channels_.begin() + (position - 1));
  }

  // Has the editor show the channel's current values again.
  void RefreshInEditor(Kind* channel) {
    if (channel && editor_) editor_->RefreshChannelRow(kChannelKind, channel->RowData());
  }

  // Channels carry no keys, so the key is read as a 1-based position (its
  // leading number); null when it names none.
  qcom::ComPtr<Kind> Item(std::string_view key) const {
    auto position = values::RoundToInt32(values::PlainParse(key));
    return position && *position >= 1 ? At(static_cast<size_t>(*position)) : nullptr;
  }

  size_t Count() const { return channels_.size(); }
  // 1-based; null outside the list.
  qcom::ComPtr<Kind> At(size_t position) const {
    if (position < 1 || position > channels_.size()) return nullptr;
    return channels_[position - 1];
  }

  // The collection's own interface.
  HRESULT get_Count(LONG* count) override {
    return qcom::ReturnValue(static_cast<LONG>(channels_.size()), count);
  }
  HRESULT get_Item(BSTR key, ChannelInterface** item) override {
    if (!item) return E_POINTER;
    return qcom::Guarded(
        [&] { return qcom::ReturnObject<ChannelInterface>(Item(qcom::BstrToUtf8(key)), item); });
  }
  HRESULT get__NewEnum(IUnknown** enumerator) override {
    if (!enumerator) return E_POINTER;
    return qcom::Guarded([&] {
      std::vector<qcom::Variant> all;
      for (const auto& channel : channels_)
        all.emplace_back(static_cast<IDispatch*>(static_cast<ChannelInterface*>(channel.get())));
      *enumerator = qcom::MakeVariantEnumerator(std::move(all)).detach();
      return S_OK;
    });
  }
  // Empties the list; the channels' inputs and outputs are not touched.
  HRESULT Clear() override {
    channels_.clear();
    return S_OK;
  }
  HRESULT LoadFromXML(IXMLDOMNode* channelNode, IAppObject* appObject, LONG* channelIndex,
                      LONG* indexInModule, LONG* slot) override {
    if (!channelIndex || !indexInModule || !slot) return E_POINTER;
    return qcom::Guarded([&] {
      LoadFromXML(channelNode, appObject, *channelIndex, *indexInModule, *slot);
      return S_OK;
    });
  }

 protected:
  ~ChannelCollection() override = default;

 private:
  std::vector<qcom::ComPtr<Kind>> channels_;
  std::string keyPrefix_;
  qcom::WeakRef<IEditorView> editor_;
  qcom::WeakRef<IAppObject> appObject_;
};
