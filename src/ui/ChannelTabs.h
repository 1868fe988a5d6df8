#pragma once

#include <array>

#include "ui/ChannelKindView.h"

namespace ui {

// The tabbed container of the four channel lists: which tabs can be chosen
// and which one is current. A tab is enabled while its list has rows.
class ChannelTabs {
 public:
  bool Enabled(int tab) const { return IsTab(tab) && enabled_[tab]; }
  int Current() const { return current_; }
  // Whether the container takes part in the window at all.
  bool SwitchedOn() const { return switchedOn_; }
  void SwitchOn(bool on) { switchedOn_ = on; }

  // Enables the tab and makes it current.
  void Open(int tab);
  // Disables the tab; the current tab becomes the first enabled one among the
  // others, in tab order, and stays where it is when none is enabled.
  void Close(int tab);
  void DisableAll() { enabled_ = {}; }
  // The user's choice of a tab; a disabled tab cannot be chosen.
  void Select(int tab) {
    if (Enabled(tab)) current_ = tab;
  }

 private:
  static bool IsTab(int tab) { return tab >= 0 && tab < kChannelTabCount; }

  std::array<bool, kChannelTabCount> enabled_{};
  int current_ = 0;
  bool switchedOn_ = false;
};

}  // namespace ui
