#pragma once

#include "modules/Channel.h"
#include "modules/ChannelInterface.h"

// Default interface of CDBDO.
#define TQ_CDBDO(GET, PUT, CALL, FUNC)     \
  TQ_CHANNEL_MEMBERS(GET, PUT, CALL, FUNC) \
  TQ_CHANNEL_PERSISTENCE_MEMBERS(GET, PUT, CALL, FUNC)
struct _CDBDO : IDispatch {
  QCOM_IDENTITY(IDispatch, "A1A13ED6-A257-48F7-A94D-A030A7F09E96");
  QCOM_MEMBERS(TQ_CDBDO)

 protected:
  ~_CDBDO() = default;
};

// A digital output of an expansion module; it takes its state from the network
// through inputs of the application object.
class CDBDO final : public Channel<_CDBDO, kDigitalOutputKind> {
 private:
  ~CDBDO() override = default;
};
