#include "host/ProjectLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace host {

ProjectLock::~ProjectLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool ProjectLock::Acquire(const std::string& path, std::string& error) {
  for (;;) {
    // Without blocking: a named pipe must not hang the command here.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return true;
    struct stat locked {};
    if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
      ::close(fd);
      return true;
    }
    int rc = 0;
    while ((rc = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (rc != 0) {
      error = "cannot lock " + path + ": " + std::strerror(errno);
      ::close(fd);
      return false;
    }
    struct stat named {};
    if (::stat(path.c_str(), &named) == 0 && named.st_dev == locked.st_dev &&
        named.st_ino == locked.st_ino) {
      fd_ = fd;
      return true;
    }
    // Replaced while this command waited: the lock must be on the new file.
    ::close(fd);
  }
}

}  // namespace host
