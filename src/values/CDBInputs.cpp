#include "values/CDBInputs.h"

#include "com/EnumVariant.h"
#include "com/OutParam.h"
#include "values/ChannelPoints.h"

qcom::ComPtr<CDBInput> CDBInputs::AddInput(const std::string& name, const std::string& ids,
                                           IDispatch* parent, IChannelLink* channel) {
  // Any failure ends the operation before the input is added or announced.
  if (name.empty() || !channel) return nullptr;
  auto input = qcom::Make<CDBInput>();
  input->SetName(name);
  input->AddCompatibles(ids);
  input->SetParent(parent);
  input->SetIndex(static_cast<int32_t>(items_.Count()));
  input->SetGlobalKey(globalKey_ + "\\" + name);
  input->SetExtendedKey(extendedKey_ + "\\" + name);
  input->SetChannel(channel);
  if (!items_.Add(name, input)) return nullptr;

  qcom::Bstr key(input->GlobalKeyText());
  callBacks_.Notify([&](IcbkAppObject* sink) { sink->RefInAdded(key.get()); });
  return input;
}

void CDBInputs::RemoveByChannel(IChannelLink* channel) {
  values::RemoveChannelPoints(items_, channel, [&](const CDBInput& input) {
    qcom::Bstr key(globalKey_ + "\\" + input.NameText());
    callBacks_.Notify([&](IcbkAppObject* sink) { sink->RefInRemoved(key.get()); });
  });
}

void CDBInputs::SetGlobalKey(std::string key) {
  globalKey_ = std::move(key);
  for (const auto& entry : items_)
    entry.item->SetGlobalKey(globalKey_ + "\\" + entry.item->NameText());
}

void CDBInputs::SetExtendedKey(std::string key) {
  extendedKey_ = std::move(key);
  for (const auto& entry : items_)
    entry.item->SetExtendedKey(extendedKey_ + "\\" + entry.item->NameText());
}

void CDBInputs::CallBack(IcbkAppObject* sink) {
  callBacks_.Add(sink);
}

HRESULT CDBInputs::put_CallBack(IcbkAppObject* sink) {
  if (!sink) return E_POINTER;
  CallBack(sink);
  return S_OK;
}

HRESULT CDBInputs::get_Count(LONG* count) {
  return qcom::ReturnValue(static_cast<LONG>(items_.Count()), count);
}

HRESULT CDBInputs::get_Item(VARIANT key, IInput** item) {
  return qcom::ReturnObject<IInput>(items_.Item(key), item);
}

HRESULT CDBInputs::get__NewEnum(IUnknown** enumerator) {
  if (!enumerator) return E_POINTER;
  std::vector<qcom::Variant> all;
  for (const auto& entry : items_)
    all.emplace_back(static_cast<IDispatch*>(static_cast<IInput*>(entry.item.get())));
  *enumerator = qcom::MakeVariantEnumerator(std::move(all)).detach();
  return S_OK;
}

HRESULT CDBInputs::get_GlobalKey(BSTR* key) {
  return qcom::ReturnText(globalKey_, key);
}
HRESULT CDBInputs::get_ExtendedKey(BSTR* key) {
  return qcom::ReturnText(extendedKey_, key);
}
