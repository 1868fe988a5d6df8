#pragma once

#include <cstdint>

#include "com/Unknown.h"
#include "ports/ChannelLink.h"
#include "ports/EditorView.h"

namespace points {

// The connection state of one input or output, as the host reports it through
// ISubItemConnable. Every report is passed on to the point's channel and shown
// in the editor window of the application object, when one is open.
class PointConnection {
 public:
  // Counts one connection made (true) or removed (false), sets the channel's
  // flag to the same value and tells the window the channel's resulting state,
  // first under kind `first`, then under kind `second`.
  void Report(bool connected, IChannelLink* channel, IDispatch* appObject, ports::ChannelKind first,
              ports::ChannelKind second);

  bool IsConnected() const { return connected_; }
  int32_t Count() const { return count_; }

 private:
  bool connected_ = false;
  int32_t count_ = 0;
};

}  // namespace points
