#pragma once

#include <string>

#include "com/Unknown.h"

// The I/O channel as the rest of the model sees it: its kind, the link its
// inputs and outputs report connections through, and the state it reports.
namespace ports {

// The four channel kinds, in the order the editor's tabs show them.
enum class ChannelKind { AI, AO, DI, DO };

}  // namespace ports

// The channel an input or output belongs to, as the point sees it: its name,
// its key, and its connection flag, which the point keeps in step.
struct IChannelLink : IUnknown {
  QCOM_IDENTITY(IUnknown, "2C6E8A3D-B9DE-42A3-9692-B450788E5D25");
  virtual std::string LinkName() = 0;
  virtual std::string LinkGlobalKey() = 0;
  virtual void LinkSetConnected(bool connected) = 0;

 protected:
  ~IChannelLink() = default;
};

// What a channel reports as its connection state. Besides its own count, a
// channel counts as connected while one of its inputs or outputs is connected
// or referred to by a macro, so the state can differ from the change a point
// has just passed on. Offered by channels beside IChannelLink; a channel
// without it is taken to be in the state it was last set to.
struct IChannelState : IUnknown {
  QCOM_IDENTITY(IUnknown, "D6532B07-22DF-4FF1-99C0-BA87129E2452");
  virtual bool LinkIsConnected() = 0;

 protected:
  ~IChannelState() = default;
};
