#include "points/CDBInputs.h"

qcom::ComPtr<CDBInput> CDBInputs::AddInput(const std::string& name, const std::string& ids,
                                           IDispatch* parent, IChannelLink* channel) {
  // Any failure ends the operation before the input is added or announced.
  if (name.empty() || !channel) return nullptr;
  auto input = qcom::Make<CDBInput>();
  input->SetName(name);
  input->AddCompatibles(ids);
  input->SetParent(parent);
  input->SetIndex(static_cast<int32_t>(items_.Count()));
  input->SetGlobalKey(KeyOf(name));
  input->SetExtendedKey(extendedKey_ + "\\" + name);
  input->SetChannel(channel);
  if (!items_.Add(name, input)) return nullptr;

  qcom::Bstr key(input->GlobalKeyText());
  callBacks_.ForEach([&](IcbkAppObject* sink) { sink->RefInAdded(key.get()); });
  return input;
}

void CDBInputs::RemoveByChannel(IChannelLink* channel) {
  RemoveChannelPoints(channel, [&](const CDBInput& input) {
    qcom::Bstr key(KeyOf(input.NameText()));
    callBacks_.ForEach([&](IcbkAppObject* sink) { sink->RefInRemoved(key.get()); });
  });
}
