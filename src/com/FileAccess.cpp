#include "com/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <optional>
#include <system_error>
#include <vector>

#include "com/ErrorRecord.h"
#include "com/TemporaryFiles.h"

namespace qcom {

namespace {

constexpr const char* kSource = "qcom files";

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

// Why a write failed, in the words messages use; the system's own words for
// the rarer failures.
std::string WordsFor(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return "access denied";
    case EROFS:
      return "the file system is read-only";
    case ENOSPC:
      return "the disk is full";
    case EDQUOT:
      return "the disk quota is used up";
    case ENOMEM:
      return "out of memory";
    case ENOENT:
    case ENOTDIR:
      return "the folder does not exist";
    default:
      return std::generic_category().message(error);
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

// Leaves the words for why a write failed in the error record, for the
// caller to report instead of the bare code, and hands the code back.
HRESULT WriteFailed(int error) {
  return RecordError(CodeOf(error), kSource, WordsFor(error));
}

// Where a write to path lands: the file its chain of symbolic links finally
// names, so that the project a link stands for is the one updated. Renaming
// over anything but a regular file would put a file in place of a folder,
// device or pipe; renaming over a file the caller may not write would succeed
// merely because its folder is writable.
HRESULT WritableTarget(const std::string& path, std::string& target, struct stat& existing,
                       bool& exists) {
  std::filesystem::path at = path;
  std::error_code ec;
  for (int links = 0; std::filesystem::is_symlink(at, ec); ++links) {
    std::filesystem::path next = std::filesystem::read_symlink(at, ec);
    if (ec || links == 40) return WriteFailed(ec ? ec.value() : ELOOP);
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  target = at.string();
  exists = ::stat(target.c_str(), &existing) == 0;
  if (!exists) return errno == ENOENT ? S_OK : WriteFailed(errno);
  if (!S_ISREG(existing.st_mode))
    return RecordError(E_ACCESSDENIED, kSource,
                       std::string("it is ") + KindOf(existing.st_mode) + ", not a regular file");
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

// Writes the bytes, makes them reach the disk and closes the file: 0, else
// the system's error number.
int Fill(Descriptor& file, std::string_view bytes) {
  if (!WriteAll(file.get(), bytes) || ::fsync(file.get()) != 0) return errno;
  return file.Close() ? 0 : errno;
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

// A new file beside path that no other writer uses, with its name.
HRESULT NewTemporary(const std::string& path, std::string& temporary, int& fd) {
  RemoveStaleTemporaries(FolderOf(path));
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = TemporaryBeside(path);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return S_OK;
    if (errno != EEXIST) return WriteFailed(errno);
  }
  return WriteFailed(EEXIST);
}

// Whether a file made now can be given the existing file's owner and group:
// a process can hand a file only to itself (or, as root, to anyone), and only
// to a group it belongs to.
bool TakesOwnerAndGroup(int fd, const struct stat& existing) {
  if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) return false;
  struct stat made {};
  return ::fstat(fd, &made) == 0 && made.st_uid == existing.st_uid &&
         made.st_gid == existing.st_gid;
}

// Another user's file that this one may write: its bytes are replaced inside
// it, so it stays the owner's. The complete copy beside it, made first, keeps
// the new bytes should the machine stop half way.
HRESULT RewriteInPlace(const std::string& path, const std::string& temporary, Descriptor& copy,
                       std::string_view bytes) {
  if (int error = Fill(copy, bytes); error != 0) {
    ::unlink(temporary.c_str());
    return WriteFailed(error);
  }
  Descriptor file(::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
  int error = file.get() < 0 ? errno : 0;
  if (error == 0 && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) error = errno;
  if (error == 0) error = Fill(file, bytes);
  if (error != 0) return WriteFailed(error);  // the copy beside it stays
  ::unlink(temporary.c_str());
  return S_OK;
}

// The files the command reads, which no write of the process replaces.
struct Input {
  dev_t device;
  ino_t inode;
  std::string path;
};
std::mutex inputsLock;
std::vector<Input>& Inputs() {
  static std::vector<Input> inputs;
  return inputs;
}

std::optional<std::string> InputAt(const struct stat& file) {
  std::lock_guard<std::mutex> hold(inputsLock);
  for (const Input& input : Inputs())
    if (input.device == file.st_dev && input.inode == file.st_ino) return input.path;
  return std::nullopt;
}

}  // namespace

std::string NativePath(std::string_view path) {
  std::string native(path);
  for (char& c : native)
    if (c == '\\') c = '/';
  return native;
}

std::string SpecialFileKind(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? KindOf(info.st_mode) : "";
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

void KeepUnwritten(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return;
  std::lock_guard<std::mutex> hold(inputsLock);
  Inputs().push_back({info.st_dev, info.st_ino, path});
}

HRESULT ReplaceFile(const std::string& requested, std::string_view bytes) {
  std::string path;
  struct stat existing {};
  bool exists = false;
  if (HRESULT hr = WritableTarget(requested, path, existing, exists); FAILED(hr)) return hr;
  if (exists)
    if (auto input = InputAt(existing))
      return RecordError(STG_E_SHAREVIOLATION, kSource, "it is the input " + *input);

  std::string temporary;
  int fd = -1;
  if (HRESULT hr = NewTemporary(path, temporary, fd); FAILED(hr)) return hr;
  Descriptor file(fd);
  if (exists) {
    const bool owned = TakesOwnerAndGroup(file.get(), existing);
    ::fchmod(file.get(), existing.st_mode & (owned ? 07777 : 0777));
    if (!owned) return RewriteInPlace(path, temporary, file, bytes);
  }
  int error = Fill(file, bytes);
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return WriteFailed(error);
  }
  SyncFolder(FolderOf(path));  // the file is replaced either way; a failure here is not reported
  return S_OK;
}

}  // namespace qcom
