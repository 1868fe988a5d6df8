#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Api.h"

namespace platform {

// What tells one version of a file (or folder) from another without reading
// it: a reader may keep what it read while the identity stays the same.
struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  int64_t size = 0;
  int64_t modifiedSeconds = 0;
  int64_t modifiedNanoseconds = 0;
  bool operator==(const FileIdentity&) const = default;
};

// Nothing when the path names nothing (or cannot be examined).
QPLATFORM_API std::optional<FileIdentity> IdentifyFile(const std::string& path);

// A file's (or folder's) identity now, and whether what is read from it may
// be kept while the identity stays the same: not when it changed so recently
// that another change within the same tick of the file system's clock could
// leave the identity as it is. A missing file is a state that may be kept.
struct FileState {
  std::optional<FileIdentity> identity;
  bool keepable = true;
};
QPLATFORM_API FileState ExamineFile(const std::string& path);

}  // namespace platform
