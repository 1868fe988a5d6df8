#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

#include "host/commands/Arguments.h"
#include "host/output/HelpText.h"

namespace host {

// How long a command waits, by default, for a project another command holds.
inline constexpr double kDefaultLockWait = 5;

// The --wait option of the commands that lock a project, for their help texts.
HelpRow LockWaitHelpRow();

// The seconds --wait gives, the default without it; nullopt, with error set to
// one line, for a text that is no number of seconds from 0.
std::optional<double> LockWaitOf(const Arguments& args, std::string& error);

// An advisory lock on a project file, held from before the file is read until
// after its replacement has been renamed over it, so that commands changing
// the same project run one after the other and none writes back a copy that
// misses the other's change. The lock is on the file itself, leaving nothing
// beside it: as a writer renames a new file over the path, the path is checked,
// once the lock is granted, to still name the locked file, else the new one is
// locked instead. Other programs may ignore the lock.
//
// A command that finds the file locked says once on standard error which
// process holds it and gives up when the wait is over: a window left open on
// a project must not stop every other command for good.
class ProjectLock {
 public:
  // command names the tqhost command in the waiting line ("set").
  explicit ProjectLock(std::string command, double waitSeconds = kDefaultLockWait)
      : command_(std::move(command)), wait_(waitSeconds) {}
  ~ProjectLock();
  ProjectLock(const ProjectLock&) = delete;
  ProjectLock& operator=(const ProjectLock&) = delete;

  // Locks the file the path names, waiting at most the command's wait while
  // another command holds it. A path that names no regular file is not
  // locked: reading or writing it reports why. False with error set to one
  // line when the file cannot be locked in time.
  bool Acquire(const std::string& path, std::string& error);
  // Lets go of the lock (a later Acquire may take another file's).
  void Release();
  bool Held() const { return fd_ >= 0; }

  // The process holding a lock on the file of that device and inode, as the
  // kernel lists it in /proc/locks; 0 when it lists none.
  static pid_t Holder(dev_t device, ino_t inode);
  // How messages name a process: "process 123 (tqhost edit p.xml)", the
  // command line cut short; "another process" for 0.
  static std::string ProcessText(pid_t pid);

 private:
  std::string command_;
  double wait_;
  int fd_ = -1;
};

}  // namespace host
