#include "com/TemporaryFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <optional>
#include <string_view>

namespace qcom {

namespace {

// Made only by this system's writer, so a file of the user's that merely
// looks like a temporary ("thesis.~99999.1") is never taken for one.
constexpr std::string_view kMark = ".tq4600~";

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The writer's process ID when the name has the form NAME.tq4600~PID~N.
std::optional<pid_t> WriterOf(std::string_view name) {
  size_t mark = name.rfind(kMark);
  if (mark == std::string_view::npos || mark == 0) return std::nullopt;
  std::string_view rest = name.substr(mark + kMark.size());
  size_t tilde = rest.find('~');
  if (tilde == std::string_view::npos || !AllDigits(rest.substr(tilde + 1))) return std::nullopt;
  std::string_view digits = rest.substr(0, tilde);
  pid_t pid = 0;
  if (!AllDigits(digits) ||
      std::from_chars(digits.data(), digits.data() + digits.size(), pid).ec != std::errc() ||
      pid <= 0)
    return std::nullopt;
  return pid;
}

bool Runs(pid_t pid) {
  return ::kill(pid, 0) == 0 || errno != ESRCH;
}

}  // namespace

std::string TemporaryBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + std::string(kMark) + std::to_string(::getpid()) + "~" +
         std::to_string(counter.fetch_add(1));
}

void RemoveStaleTemporaries(const std::string& folder) {
  DIR* entries = ::opendir(folder.c_str());
  if (!entries) return;
  const int fd = ::dirfd(entries);
  while (const dirent* entry = ::readdir(entries)) {
    auto writer = WriterOf(entry->d_name);
    struct stat info {};
    if (!writer || Runs(*writer) || ::fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
      continue;
    // A failure (no permission in the folder) leaves it for a later write.
    ::unlinkat(fd, entry->d_name, 0);
  }
  ::closedir(entries);
}

}  // namespace qcom
