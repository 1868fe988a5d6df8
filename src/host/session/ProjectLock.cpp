#include "host/session/ProjectLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "host/session/XmlFiles.h"

namespace host {

namespace {

using Clock = std::chrono::steady_clock;

// How often a waiting command tries the lock again.
constexpr auto kRetry = std::chrono::milliseconds(50);
// The longest command line a message shows of the holder.
constexpr size_t kShownCommandLine = 60;

std::string SecondsText(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", seconds);
  return text;
}

// The command line of a running process, its program by its file name.
std::string CommandLine(pid_t pid) {
  std::ifstream file("/proc/" + std::to_string(pid) + "/cmdline", std::ios::binary);
  std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::string line;
  for (size_t start = 0; start < raw.size();) {
    size_t end = raw.find('\0', start);
    if (end == std::string::npos) end = raw.size();
    std::string word = raw.substr(start, end - start);
    if (line.empty()) word = word.substr(word.rfind('/') + 1);
    line += (line.empty() ? "" : " ") + word;
    start = end + 1;
  }
  if (line.size() > kShownCommandLine) line = line.substr(0, kShownCommandLine - 3) + "...";
  return line;
}

}  // namespace

HelpRow LockWaitHelpRow() {
  return {"--wait SECONDS",
          "how long to wait while another command holds the project\n"
          "(default " +
              SecondsText(kDefaultLockWait) + "; 0 gives up at once)"};
}

std::optional<double> LockWaitOf(const Arguments& args, std::string& error) {
  const auto text = args.value("--wait");
  if (!text) return kDefaultLockWait;
  double seconds = -1;
  const char* end = text->data() + text->size();
  auto result = std::from_chars(text->data(), end, seconds);
  if (text->empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(seconds) ||
      seconds < 0) {
    error = "--wait takes a number of seconds from 0, not " + *text;
    return std::nullopt;
  }
  return seconds;
}

ProjectLock::~ProjectLock() {
  Release();
}

void ProjectLock::Release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

pid_t ProjectLock::Holder(dev_t device, ino_t inode) {
  // "1: FLOCK  ADVISORY  WRITE 123 fe:00:5341883 0 EOF"; waiters start with "->".
  std::ifstream locks("/proc/locks");
  char wanted[64];
  std::snprintf(wanted, sizeof wanted, "%02x:%02x:%llu", major(device), minor(device),
                static_cast<unsigned long long>(inode));
  std::string line;
  while (std::getline(locks, line)) {
    std::istringstream fields(line);
    std::string number, kind, advisory, mode, file;
    pid_t pid = 0;
    if (!(fields >> number >> kind) || kind == "->") continue;
    if (fields >> advisory >> mode >> pid >> file && file == wanted) return pid;
  }
  return 0;
}

std::string ProjectLock::ProcessText(pid_t pid) {
  if (pid <= 0) return "another process";
  const std::string command = CommandLine(pid);
  return "process " + std::to_string(pid) + (command.empty() ? "" : " (" + command + ")");
}

bool ProjectLock::Acquire(const std::string& path, std::string& error) {
  Release();
  // Every file a command replaces is locked first, so this is where the
  // commands that write their project back refuse one read from standard input.
  if (path == kStandardInput) {
    error = "- (standard input) is read, never written: give the project's file";
    return false;
  }
  const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                           std::chrono::duration<double>(wait_));
  bool said = false;
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
    pid_t holder = 0;
    while ((rc = ::flock(fd, LOCK_EX | LOCK_NB)) != 0) {
      if (errno == EINTR) continue;
      if (errno != EWOULDBLOCK) break;
      if (!said || !holder) holder = Holder(locked.st_dev, locked.st_ino);
      if (Clock::now() >= deadline) {
        error = path + " is in use by " + ProcessText(holder) + "; gave up after " +
                SecondsText(wait_) + " s (--wait SECONDS waits longer)";
        ::close(fd);
        return false;
      }
      if (!said) {
        std::fprintf(stderr, "tqhost %s: waiting for %s, held by %s\n", command_.c_str(),
                     path.c_str(), ProcessText(holder).c_str());
        said = true;
      }
      std::this_thread::sleep_for(std::min<Clock::duration>(kRetry, deadline - Clock::now()));
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
