#pragma once

#include "modules/Channel.h"
#include "modules/ChannelInterface.h"

// Default interface of CDBAO.
#define TQ_CDBAO(GET, PUT, CALL, FUNC)     \
  TQ_CHANNEL_MEMBERS(GET, PUT, CALL, FUNC) \
  TQ_CHANNEL_PERSISTENCE_MEMBERS(GET, PUT, CALL, FUNC)
struct _CDBAO : IDispatch {
  QCOM_IDENTITY(IDispatch, "8592EA15-1E45-4A1C-BB25-871760DEAB58");
  QCOM_MEMBERS(TQ_CDBAO)

 protected:
  ~_CDBAO() = default;
};

// An analog output of an expansion module; it takes its values from the network
// through inputs of the application object.
class CDBAO final : public Channel<_CDBAO, kAnalogOutputKind> {
 private:
  ~CDBAO() override = default;
};
