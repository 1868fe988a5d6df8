#include "xml/FileAccess.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "com/ErrorRecord.h"
#include "xml/TemporaryFiles.h"

namespace qxml {

namespace {

HRESULT CodeOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return STG_E_FILENOTFOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return E_ACCESSDENIED;
    case ENOMEM:
      return E_OUTOFMEMORY;
    default:
      return E_FAIL;
  }
}

std::string ReasonOf(int error, const std::string& path) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return "The file '" + path + "' cannot be found.";
    case EACCES:
    case EPERM:
      return "Access to the file '" + path + "' is denied.";
    default:
      return "The file '" + path + "' cannot be read: " + std::strerror(error) + ".";
  }
}

const char* KindOf(mode_t mode) {
  if (S_ISREG(mode)) return "";
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "a special file";
}

// Leaves the system's words for why a write failed in the error record, for
// the caller to report instead of the bare code, and hands the code back.
HRESULT WriteFailed(int error) {
  return qcom::RecordError(CodeOf(error), "qxml", std::generic_category().message(error));
}

// Where a write to path lands: the file its chain of symbolic links finally
// names, so that the project a link stands for is the one updated. Renaming
// over anything but a regular file would put a file in place of a folder,
// device or pipe; renaming over a file the caller may not write would succeed
// merely because its folder is writable.
HRESULT WritableTarget(const std::string& path, std::string& target) {
  std::filesystem::path at = path;
  std::error_code ec;
  for (int links = 0; std::filesystem::is_symlink(at, ec); ++links) {
    std::filesystem::path next = std::filesystem::read_symlink(at, ec);
    if (ec || links == 40) return WriteFailed(ec ? ec.value() : ELOOP);
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  target = at.string();
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) return errno == ENOENT ? S_OK : WriteFailed(errno);
  if (!S_ISREG(info.st_mode)) return E_ACCESSDENIED;
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return WriteFailed(errno);
  return S_OK;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, so that a failing close (a late write error) can be seen.
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// The folder of a file path; "." for a bare name.
std::string FolderOf(const std::string& path) {
  std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

// The rename that replaced a file reaches the disk with its folder.
void SyncFolder(const std::string& folder) {
  Descriptor entries(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (entries.get() >= 0) ::fsync(entries.get());
}

}  // namespace

std::string SpecialFileKind(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? KindOf(info.st_mode) : "";
}

std::string NativePath(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

HRESULT ReadWholeFile(const std::string& path, std::string& bytes, std::string& reason) {
  // Without O_NONBLOCK, opening a named pipe would wait for a writer.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  if (file.get() < 0 || ::fstat(file.get(), &info) != 0) {
    int error = errno;
    // A socket cannot even be opened: say what it is rather than why open failed.
    if (error != ENXIO || ::stat(path.c_str(), &info) != 0) {
      reason = ReasonOf(error, path);
      return CodeOf(error);
    }
  }
  if (!S_ISREG(info.st_mode)) {
    reason = "'" + path + "' is " + KindOf(info.st_mode) + ", not a regular file.";
    return E_ACCESSDENIED;
  }
  bytes.clear();
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(file.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      int error = errno;
      reason = ReasonOf(error, path);
      return CodeOf(error);
    }
    bytes.append(buffer, static_cast<size_t>(n));
  }
  return S_OK;
}

HRESULT ReplaceFile(const std::string& requested, std::string_view bytes) {
  std::string path;
  if (HRESULT hr = WritableTarget(requested, path); FAILED(hr)) return hr;
  std::string temporary;
  int fd = -1;
  RemoveStaleTemporaries(FolderOf(path));
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = TemporaryBeside(path);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return WriteFailed(errno);
  }
  if (fd < 0) return WriteFailed(EEXIST);
  Descriptor file(fd);

  // A replaced file keeps its permissions.
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) ::fchmod(file.get(), existing.st_mode & 07777);

  bool written = WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0;
  int error = errno;
  if (!file.Close() && written) {
    written = false;
    error = errno;
  }
  if (written && ::rename(temporary.c_str(), path.c_str()) != 0) {
    written = false;
    error = errno;
  }
  if (!written) {
    ::unlink(temporary.c_str());
    return WriteFailed(error);
  }
  SyncFolder(FolderOf(path));  // the file is replaced either way; a failure here is not reported
  return S_OK;
}

}  // namespace qxml
