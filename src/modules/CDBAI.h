#pragma once

#include "modules/Channel.h"
#include "modules/ChannelInterface.h"

// Default interface of CDBAI.
#define TQ_CDBAI(GET, PUT, CALL, FUNC)     \
  TQ_CHANNEL_MEMBERS(GET, PUT, CALL, FUNC) \
  TQ_CHANNEL_PERSISTENCE_MEMBERS(GET, PUT, CALL, FUNC)
struct _CDBAI : IDispatch {
  QCOM_IDENTITY(IDispatch, "FAD74D5F-A8C8-4643-8246-947B73EEA368");
  QCOM_MEMBERS(TQ_CDBAI)

 protected:
  ~_CDBAI() = default;
};

// An analog input of an expansion module; its values reach the network through
// outputs of the application object.
class CDBAI final : public Channel<_CDBAI, kAnalogInputKind> {
 private:
  ~CDBAI() override = default;
};
