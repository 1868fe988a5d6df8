#include "host/session/BundledFiles.h"

#include <unistd.h>

#include <climits>
#include <filesystem>

namespace host {

namespace {

std::filesystem::path ExecutableFolder() {
  char buf[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return {};
  buf[n] = '\0';
  return std::filesystem::path(buf).parent_path();
}

// The first of the installed and the build-tree place that exists, relative to
// the executable's folder; the installed one when neither does, so a message
// names where an install would have it.
std::string BundledPath(const char* installed, const char* buildTree) {
  const std::filesystem::path folder = ExecutableFolder();
  std::error_code ec;
  std::filesystem::path chosen = folder / installed;
  if (!std::filesystem::exists(chosen, ec) && std::filesystem::exists(folder / buildTree, ec))
    chosen = folder / buildTree;
  auto path = std::filesystem::weakly_canonical(chosen, ec);
  return ec ? chosen.lexically_normal().string() : path.string();
}

}  // namespace

std::string BundledPluginsFolder() {
  return BundledPath(TQ_PLUGINS_FROM_BIN, "../plugins");
}

std::string BundledCatalogue() {
  return BundledPath(TQ_SNVT_FROM_BIN, "../snvt/snvt.xml");
}

}  // namespace host
