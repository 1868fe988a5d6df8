#pragma once

#include "modules/Channel.h"
#include "modules/ChannelInterface.h"

// Default interface of CDBDI.
#define TQ_CDBDI(GET, PUT, CALL, FUNC)     \
  TQ_CHANNEL_MEMBERS(GET, PUT, CALL, FUNC) \
  PUT(IsCounter, VARIANT_BOOL* value)      \
  GET(IsCounter, VARIANT_BOOL* value)      \
  TQ_CHANNEL_PERSISTENCE_MEMBERS(GET, PUT, CALL, FUNC)
struct _CDBDI : IDispatch {
  QCOM_IDENTITY(IDispatch, "5697783D-0977-4BC4-9486-8675942094AF");
  QCOM_MEMBERS(TQ_CDBDI)

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
