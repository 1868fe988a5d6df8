#pragma once

#include "com/Unknown.h"

// What a channel reports as its connection state. Besides its own count, a
// channel counts as connected while one of its inputs or outputs is connected
// or referred to by a macro, so the state can differ from the change a point
// has just passed on. Internal interface (not in the type library), offered by
// channels beside IChannelLink; a channel without it is taken to be in the
// state it was last set to.
struct IChannelState : IUnknown {
  QCOM_IDENTITY(IUnknown, "D6532B07-22DF-4FF1-99C0-BA87129E2452");
  virtual bool LinkIsConnected() = 0;

 protected:
  ~IChannelState() = default;
};
