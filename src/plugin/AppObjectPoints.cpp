// The application object's host inputs and outputs: the collections, the
// sinks registered with them, and the points created for the channels.
#include "com/Boundary.h"
#include "platform/MessagePump.h"
#include "plugin/CDBAppObject.h"

namespace {
constexpr const char* kInputsSuffix = "\\RIN";
constexpr const char* kOutputsSuffix = "\\ROU";
}  // namespace

void CDBAppObject::RegisterSinksWith(CDBInputs& inputs) const {
  callBacks_.ForEach([&](IcbkAppObject* sink) { inputs.CallBack(sink); });
}

void CDBAppObject::RegisterSinksWith(CDBOutputs& outputs) const {
  callBacks_.ForEach([&](IcbkAppObject* sink) { outputs.CallBack(sink); });
}

HRESULT CDBAppObject::CallBack(IcbkAppObject* sink) {
  if (!sink) return E_POINTER;
  return qcom::Guarded([&] {
    callBacks_.Add(sink);
    if (inputs_) {
      for (const auto& entry : inputs_->Items()) entry.item->put_CallBack(sink);
      inputs_->CallBack(sink);
    }
    if (outputs_) {
      for (const auto& entry : outputs_->Items()) entry.item->put_CallBack(sink);
      outputs_->CallBack(sink);
    }
    NotifyCDBChanged();
    return S_OK;
  });
}

HRESULT CDBAppObject::ClearReferences() {
  if (!inputs_) return S_OK;
  return qcom::Guarded([&] {
    for (const auto& entry : inputs_->Items()) {
      platform::PumpMessages();
      qcom::Bstr cleared(entry.item->IsExtended() ? "000000" : "0000");
      entry.item->put_Value(cleared.get());
    }
    return S_OK;
  });
}

qcom::ComPtr<IInput> CDBAppObject::AddChannelInput(const std::string& name, const std::string& snvt,
                                                   IChannelLink* channel) {
  if (!inputs_) {
    inputs_ = qcom::Make<CDBInputs>();
    RegisterSinksWith(*inputs_);
  }
  inputs_->SetGlobalKey(globalKey_ + kInputsSuffix);
  inputs_->SetExtendedKey(extendedKey_ + kInputsSuffix);
  auto input = inputs_->AddInput(name, snvt, static_cast<IAppObject*>(this), channel);
  if (input) callBacks_.ForEach([&](IcbkAppObject* sink) { input->put_CallBack(sink); });
  return qcom::ComPtr<IInput>(input);
}

qcom::ComPtr<IOutput> CDBAppObject::AddChannelOutput(const std::string& name,
                                                     const std::string& snvt,
                                                     IChannelLink* channel) {
  if (!outputs_) {
    outputs_ = qcom::Make<CDBOutputs>();
    RegisterSinksWith(*outputs_);
  }
  outputs_->SetGlobalKey(globalKey_ + kOutputsSuffix);
  outputs_->SetExtendedKey(extendedKey_ + kOutputsSuffix);
  // The first analog value brings its alarm-status output along: the collection
  // then hands back a new name, and the call is made once more.
  std::string pointName = name, type = snvt;
  qcom::ComPtr<CDBOutput> output;
  for (int call = 0; call < 2 && (call == 0 || !pointName.empty()); ++call) {
    output = outputs_->AddOutput(pointName, type, static_cast<IAppObject*>(this), channel);
    if (output) callBacks_.ForEach([&](IcbkAppObject* sink) { output->put_CallBack(sink); });
  }
  return qcom::ComPtr<IOutput>(output);
}
