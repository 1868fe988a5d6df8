#pragma once

#include <string>

#include "com/ComPtr.h"
#include "values/ChannelLink.h"
#include "values/KeyedCollection.h"

namespace values {

// Removes every input or output of `channel` from `points`, first to last, and
// hands each removed point to `removed`. Points are matched by their channel's
// key (exact letter case); a point without a channel belongs to none.
template <class Point, class Removed>
void RemoveChannelPoints(KeyedCollection<Point>& points, IChannelLink* channel, Removed removed) {
  if (!channel) return;
  const std::string channelKey = channel->LinkGlobalKey();
  // Searched again from the start after every removal: the announcement of a
  // removal may reach code that changes the collection.
  for (;;) {
    qcom::ComPtr<Point> found;
    for (const auto& entry : points) {
      if (entry.item->Channel() && entry.item->GetChannelGlobalKey() == channelKey) {
        found = entry.item;
        break;
      }
    }
    if (!found) return;
    points.Remove(found->NameText());
    removed(*found);
  }
}

}  // namespace values
