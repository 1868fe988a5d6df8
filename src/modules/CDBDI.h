#pragma once

#include "modules/Channel.h"
#include "modules/ChannelInterface.h"

// Default interface of CDBDI.
struct _CDBDI : IDispatch {
  QCOM_IDENTITY(IDispatch, "5697783D-0977-4BC4-9486-8675942094AF");
  TQ_CHANNEL_MEMBERS;
  virtual HRESULT put_IsCounter(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_IsCounter(VARIANT_BOOL* value) = 0;
  TQ_CHANNEL_PERSISTENCE_MEMBERS;

 protected:
  ~_CDBDI() = default;
};

// A digital input of an expansion module; its states (and, for a pulse counter,
// its count) reach the network through outputs of the application object.
class CDBDI final : public Channel<_CDBDI, kDigitalInputKind> {
 public:
  bool IsCounterFlag() const { return Core().isCounter; }

  HRESULT put_IsCounter(VARIANT_BOOL* value) override;
  HRESULT get_IsCounter(VARIANT_BOOL* value) override;

 private:
  ~CDBDI() override = default;
};
