#include "points/PointConnection.h"

#include <limits>
#include <string>

#include "com/ComPtr.h"
#include "ports/ChannelLink.h"

namespace points {

namespace {

// What the channel reports after it was set to `justSet`. A channel that
// cannot tell more is in the state it was just set to.
bool ChannelReportsConnected(IChannelLink* channel, bool justSet) {
  auto state = qcom::QueryAs<IChannelState>(channel);
  return state ? state->LinkIsConnected() : justSet;
}

}  // namespace

void PointConnection::Report(bool connected, IChannelLink* channel, IDispatch* appObject,
                             ports::ChannelKind first, ports::ChannelKind second) {
  // A count at the end of its 32-bit range stays where it is; the flag still follows it.
  if (connected) {
    connected_ = true;
    if (count_ < std::numeric_limits<int32_t>::max()) ++count_;
  } else {
    if (count_ > std::numeric_limits<int32_t>::min()) --count_;
    connected_ = count_ != 0;
  }

  // A point without a channel has nothing to pass on and no row in the window.
  if (!channel) return;
  channel->LinkSetConnected(connected);

  auto owner = qcom::QueryAs<IEditorOwner>(appObject);
  IEditorView* view = owner ? owner->EditorView() : nullptr;
  if (!view) return;
  std::string key = channel->LinkGlobalKey();
  bool shown = ChannelReportsConnected(channel, connected);
  view->SetChannelConnected(first, key, shown);
  view->SetChannelConnected(second, key, shown);
}

}  // namespace points
