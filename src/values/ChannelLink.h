#pragma once

#include <string>

#include "com/Unknown.h"

// The I/O channel an input or output belongs to, as the point sees it: its
// name, its key, and its connection flag, which the point keeps in step.
// Internal interface (not in the type library); channels implement it.
struct IChannelLink : IUnknown {
  QCOM_IDENTITY(IUnknown, "2C6E8A3D-B9DE-42A3-9692-B450788E5D25");
  virtual std::string LinkName() = 0;
  virtual std::string LinkGlobalKey() = 0;
  virtual void LinkSetConnected(bool connected) = 0;

 protected:
  ~IChannelLink() = default;
};
