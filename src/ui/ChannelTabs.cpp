#include "ui/ChannelTabs.h"

namespace ui {

void ChannelTabs::Open(int tab) {
  if (!IsTab(tab)) return;
  enabled_[tab] = true;
  current_ = tab;
}

void ChannelTabs::Close(int tab) {
  if (!IsTab(tab)) return;
  enabled_[tab] = false;
  for (int other = 0; other < kChannelTabCount; ++other) {
    if (other != tab && enabled_[other]) {
      current_ = other;
      return;
    }
  }
}

}  // namespace ui
