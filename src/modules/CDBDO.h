#pragma once

#include "modules/Channel.h"
#include "modules/ChannelInterface.h"

// Default interface of CDBDO.
struct _CDBDO : IDispatch {
  QCOM_IDENTITY(IDispatch, "A1A13ED6-A257-48F7-A94D-A030A7F09E96");
  TQ_CHANNEL_MEMBERS;
  TQ_CHANNEL_PERSISTENCE_MEMBERS;

 protected:
  ~_CDBDO() = default;
};

// A digital output of an expansion module; it takes its state from the network
// through inputs of the application object.
class CDBDO final : public Channel<_CDBDO, kDigitalOutputKind> {
 private:
  ~CDBDO() override = default;
};
