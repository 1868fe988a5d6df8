#include "platform/Folders.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "com/TextRules.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

bool Wanted(const fs::directory_entry& entry, EntryKind kind) {
  std::error_code ec;
  fs::file_status status = entry.status(ec);  // follows symbolic links
  if (ec || !fs::exists(status)) return false;
  bool folder = fs::is_directory(status);
  switch (kind) {
    case EntryKind::Files:
      return !folder;
    case EntryKind::Folders:
      return folder;
    case EntryKind::Both:
      return true;
  }
  return false;
}

bool NameBefore(const std::string& a, const std::string& b) {
  int order = qcom::text::CompareNoCase(a, b);
  return order != 0 ? order < 0 : a < b;
}

}  // namespace

std::vector<std::string> ListFolder(const std::string& dir, std::string_view pattern,
                                    EntryKind kind) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(NativePath(dir), ec);
  if (ec) return names;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::string name = it->path().filename().string();
    if (name == "." || name == "..") continue;
    if (!qcom::text::MatchesPattern(name, pattern)) continue;
    if (!Wanted(*it, kind)) continue;
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), NameBefore);
  return names;
}

std::string FirstMatch(const std::string& dir, std::string_view pattern) {
  std::vector<std::string> files = ListFolder(dir, pattern, EntryKind::Files);
  return files.empty() ? std::string() : files.front();
}

std::string ModuleFolder(const void* addressInModule) {
  Dl_info info{};
  link_map* map = nullptr;
  if (!addressInModule ||
      dladdr1(addressInModule, &info, reinterpret_cast<void**>(&map), RTLD_DL_LINKMAP) == 0)
    return {};
  // The program itself has no name in the loader's list (dladdr would report
  // argv[0], which may be relative or a bare name found on PATH): ask the kernel.
  std::string file = map && map->l_name && map->l_name[0] != '\0' ? map->l_name : "/proc/self/exe";
  std::error_code ec;
  fs::path resolved = fs::canonical(file, ec);
  if (ec) return {};  // e.g. the kernel's virtual object, which has no file
  std::string folder = resolved.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace platform
