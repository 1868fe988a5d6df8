#pragma once

#include <string>

namespace host {

// An advisory lock on a project file, held from before the file is read until
// after its replacement has been renamed over it, so that commands changing
// the same project run one after the other and none writes back a copy that
// misses the other's change. The lock is on the file itself, leaving nothing
// beside it: as a writer renames a new file over the path, the path is checked,
// once the lock is granted, to still name the locked file, else the new one is
// locked instead. Other programs may ignore the lock.
class ProjectLock {
 public:
  ProjectLock() = default;
  ~ProjectLock();
  ProjectLock(const ProjectLock&) = delete;
  ProjectLock& operator=(const ProjectLock&) = delete;

  // Locks the file the path names, waiting while another command holds it. A
  // path that names no regular file is not locked: reading or writing it
  // reports why. False with error set when the file cannot be locked.
  bool Acquire(const std::string& path, std::string& error);

 private:
  int fd_ = -1;
};

}  // namespace host
