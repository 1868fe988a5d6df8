#include "com/Registry.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>

#include "com/Boundary.h"
#include "com/ErrorRecord.h"
#include "com/FileAccess.h"
#include "com/RegistryDocument.h"

namespace qcom {

namespace {

constexpr const char* kSource = "qcom registry";

HRESULT Fail(HRESULT hr, std::string_view line) {
  return RecordError(hr, kSource, line);
}

std::string OsReason(int error) {
  return std::generic_category().message(error);
}

// Closes a descriptor on every way out; closing the lock file releases the lock.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now and reports the error close gives (a delayed write error).
  int Close() {
    int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }

 private:
  int fd_;
};

// A missing file is an empty registry. A host creating hundreds of objects
// reads the same registry each time: the text read last and its parse are
// kept, and an unchanged text is not parsed again.
HRESULT LoadShared(const std::string& path, std::shared_ptr<const RegistryDocument>& out) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT) return out = std::make_shared<const RegistryDocument>(), S_OK;
    return Fail(REGDB_E_READREGDB, "registry " + path + " cannot be read: " + OsReason(errno));
  }
  std::string text;
  char buffer[8192];
  for (;;) {
    ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0)
      return Fail(REGDB_E_READREGDB, "registry " + path + " cannot be read: " + OsReason(errno));
    if (n == 0) break;
    text.append(buffer, static_cast<size_t>(n));
  }
  struct Kept {
    std::string path, text;
    std::shared_ptr<const RegistryDocument> doc;
  };
  static Kept kept;
  static std::mutex keptLock;
  {
    std::lock_guard<std::mutex> hold(keptLock);
    if (kept.doc && kept.path == path && kept.text == text) return out = kept.doc, S_OK;
  }
  auto doc = std::make_shared<RegistryDocument>();
  std::string problem;
  if (!RegistryDocument::Parse(text, *doc, problem))
    return Fail(REGDB_E_READREGDB, "registry " + path + " is corrupt: " + problem);
  out = doc;
  std::lock_guard<std::mutex> hold(keptLock);
  kept = Kept{path, std::move(text), std::move(doc)};
  return S_OK;
}

HRESULT Load(const std::string& path, RegistryDocument& doc) {
  std::shared_ptr<const RegistryDocument> shared;
  HRESULT hr = LoadShared(path, shared);
  if (SUCCEEDED(hr)) doc = *shared;
  return hr;
}

HRESULT WriteFailure(const std::string& path, const std::string& what, int error) {
  return Fail(REGDB_E_WRITEREGDB,
              "registry " + path + " cannot be written: " + what + ": " + OsReason(error));
}

// One locked read-change-replace cycle.
template <class Change>
HRESULT Update(const std::string& path, Change change) {
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code ec;
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  if (ec) return WriteFailure(path, "cannot create folder " + folder.string(), ec.value());

  std::string lockPath = path + ".lock";
  FileDescriptor lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
  if (lock.get() < 0) return WriteFailure(path, lockPath, errno);
  while (::flock(lock.get(), LOCK_EX) != 0)
    if (errno != EINTR) return WriteFailure(path, lockPath, errno);

  RegistryDocument doc;
  HRESULT hr = Load(path, doc);
  if (FAILED(hr)) return hr;
  change(doc);
  if (HRESULT written = ReplaceFile(path, doc.Serialize()); FAILED(written)) {
    auto record = TakeErrorRecord();
    return Fail(REGDB_E_WRITEREGDB, "registry " + path + " cannot be written: " +
                                        (record ? record->description : HresultText(written)));
  }
  return S_OK;
}

// No exception leaves the registry: running out of memory is an answer too.
template <class F>
HRESULT Guarded(const std::string& path, F f) {
  return qcom::Guarded([&] { return qcom::Guarded(kSource, "registry " + path, f); });
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

}  // namespace

std::string Registry::DefaultPath() {
  std::string explicitPath = Variable("QORDB_REGISTRY");
  if (!explicitPath.empty()) return explicitPath;
  std::string config = Variable("XDG_CONFIG_HOME");
  if (!config.empty()) return config + "/qordb/registry.xml";
  std::string home = Variable("HOME");
  if (home.empty())
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) home = user->pw_dir;
  return home + "/.config/qordb/registry.xml";
}

std::string Registry::DefaultFolder() {
  std::string path = DefaultPath();
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

Registry::Registry(std::string path) : path_(std::move(path)) {}

HRESULT Registry::Register(const std::vector<ClassRegistration>& classes,
                           const TypeLibRegistration* typeLib) {
  return Guarded(path_, [&] {
    // Checked before writing: the file must stay readable by this very code.
    for (const ClassRegistration& c : classes) {
      if (c.library.empty())
        return Fail(E_INVALIDARG,
                    "registry " + path_ + ": class " + GuidToString(c.clsid) + " has no library");
      if (!c.typeLib.empty() && !GuidFromString(c.typeLib))
        return Fail(E_INVALIDARG, "registry " + path_ + ": class " + GuidToString(c.clsid) +
                                      " names the type library '" + c.typeLib +
                                      "', which is not a GUID");
    }
    return Update(path_, [&](RegistryDocument& doc) { doc.Add(classes, typeLib); });
  });
}

HRESULT Registry::Unregister(const std::vector<CLSID>& clsids, const GUID* libid) {
  return Guarded(path_, [&] {
    return Update(path_, [&](RegistryDocument& doc) { doc.Remove(clsids, libid); });
  });
}

HRESULT Registry::FindClass(REFCLSID clsid, ClassRegistration& out) const {
  return Guarded(path_, [&] {
    std::shared_ptr<const RegistryDocument> doc;
    HRESULT hr = LoadShared(path_, doc);
    if (FAILED(hr)) return hr;
    const ClassRegistration* found = doc->FindClass(clsid);
    if (!found)
      return Fail(REGDB_E_CLASSNOTREG,
                  "class " + GuidToString(clsid) + " is not registered in " + path_);
    out = *found;
    return S_OK;
  });
}

HRESULT Registry::FindProgId(std::string_view progId, CLSID& out) const {
  return Guarded(path_, [&] {
    std::shared_ptr<const RegistryDocument> doc;
    HRESULT hr = LoadShared(path_, doc);
    if (FAILED(hr)) return hr;
    const ClassRegistration* found = doc->FindProgId(progId);
    if (!found)
      return Fail(CO_E_CLASSSTRING,
                  "ProgID '" + std::string(progId) + "' is not registered in " + path_);
    out = found->clsid;
    return S_OK;
  });
}

HRESULT Registry::FindTypeLib(const GUID& libid, TypeLibRegistration& out) const {
  return Guarded(path_, [&] {
    std::shared_ptr<const RegistryDocument> doc;
    HRESULT hr = LoadShared(path_, doc);
    if (FAILED(hr)) return hr;
    const TypeLibRegistration* found = doc->FindTypeLib(libid);
    if (!found)
      return Fail(TYPE_E_LIBNOTREGISTERED,
                  "type library " + GuidToString(libid) + " is not registered in " + path_);
    out = *found;
    return S_OK;
  });
}

HRESULT Registry::ListClasses(std::vector<ClassRegistration>& out) const {
  return Guarded(path_, [&] {
    RegistryDocument doc;
    HRESULT hr = Load(path_, doc);
    if (FAILED(hr)) return hr;
    out = std::move(doc.classes);
    return S_OK;
  });
}

}  // namespace qcom
