#include "modules/ComponentLocation.h"

#include "com/ServerRegistration.h"

namespace modules {

namespace {
std::string& Override() {
  static std::string path;
  return path;
}

// Any address inside this shared object identifies it.
const char kAnchor = 0;
}  // namespace

void SetComponentModulePathForTesting(std::string path) {
  Override() = std::move(path);
}

std::string ComponentModulePath() {
  if (!Override().empty()) return Override();
  // Where a loaded shared object lives does not change while it is loaded.
  static const std::string path = qcom::ModulePath(&kAnchor);
  return path;
}

std::string ComponentFolder() {
  std::string path = ComponentModulePath();
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ComponentModuleName() {
  std::string path = ComponentModulePath();
  size_t slash = path.find_last_of('/');
  std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = file.find_last_of('.');
  return dot == std::string::npos ? file : file.substr(0, dot);
}

}  // namespace modules
