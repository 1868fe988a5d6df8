#include "platform/FileIdentity.h"

#include <sys/stat.h>
#include <time.h>

namespace platform {

std::optional<FileIdentity> IdentifyFile(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                      static_cast<int64_t>(info.st_size), static_cast<int64_t>(info.st_mtim.tv_sec),
                      static_cast<int64_t>(info.st_mtim.tv_nsec)};
}

FileState ExamineFile(const std::string& path) {
  FileState state{IdentifyFile(path)};
  if (state.identity) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    // File times advance in coarse ticks; a second covers every file system's.
    state.keepable = now.tv_sec - state.identity->modifiedSeconds > 1;
  }
  return state;
}

}  // namespace platform
