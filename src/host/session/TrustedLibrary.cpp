#include "host/session/TrustedLibrary.h"

#include <sys/stat.h>

#include <filesystem>

namespace host {

std::string WritableByOthers(const std::string& libraryPath) {
  std::error_code ec;
  std::filesystem::path at = std::filesystem::weakly_canonical(libraryPath, ec);
  if (ec) at = std::filesystem::absolute(libraryPath, ec);
  for (bool file = true; !at.empty(); file = false) {
    struct stat info {};
    if (::stat(at.c_str(), &info) == 0 && (info.st_mode & S_IWOTH) &&
        (file || !(info.st_mode & S_ISVTX)))
      return at.string();
    if (at == at.root_path()) break;
    at = at.parent_path();
  }
  return {};
}

std::string UntrustedLibrary(const std::string& libraryPath, const std::string& writable) {
  return writable + " can be written by any user, so anyone could replace " + libraryPath +
         " with other code; it is not registered (to register it anyway: tqhost regsvr --force " +
         libraryPath + ")";
}

}  // namespace host
