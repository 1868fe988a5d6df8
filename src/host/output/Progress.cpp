#include "host/output/Progress.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace host {

void ShowObjectProgress(size_t done, size_t total) {
  using Clock = std::chrono::steady_clock;
  static const Clock::time_point started = Clock::now();
  static const bool terminal = ::isatty(STDERR_FILENO) == 1;
  static Clock::time_point shown;
  static bool showing = false;
  if (!terminal || total < 2) return;
  const Clock::time_point now = Clock::now();
  if (done >= total) {
    if (showing) std::fputs("\r\033[K", stderr);
    showing = false;
    return;
  }
  // Redrawn a few times a second at most: a terminal is slower than a load.
  if (now - started < std::chrono::seconds(1) ||
      (showing && now - shown < std::chrono::milliseconds(200)))
    return;
  std::fprintf(stderr, "\rtqhost: %zu / %zu objects", done, total);
  std::fflush(stderr);
  shown = now;
  showing = true;
}

}  // namespace host
