#pragma once

#include <cstdlib>

// Whether windows can be shown in this process: a display, or a toolkit
// platform chosen for it (offscreen rendering among them). The component asks
// before it loads its windows, and a host that needs the editor window asks
// the same, since the component shows none otherwise.
namespace ui {

inline bool DisplayAvailable() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace ui
