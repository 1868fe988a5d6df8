#include "com/ServerRegistration.h"

#include <dlfcn.h>

#include <cstdlib>
#include <vector>

#include "com/Boundary.h"

namespace qcom {

std::string ModulePath(const void* addressInModule) {
  Dl_info info{};
  if (!addressInModule || !::dladdr(addressInModule, &info) || !info.dli_fname) return {};
  char* resolved = ::realpath(info.dli_fname, nullptr);
  if (!resolved) return {};
  std::string path(resolved);
  std::free(resolved);
  return path;
}

namespace {
constexpr const char* kSource = "qcom registry";
}

HRESULT RegisterServerClasses(std::span<const ServerClass> classes, const std::string& libraryPath,
                              const TypeLibRegistration* typeLib) {
  return Guarded(kSource, "registration", [&] {
    std::vector<ClassRegistration> rows;
    for (const ServerClass& c : classes) {
      ClassRegistration row;
      row.clsid = c.clsid;
      row.progId = c.progId;
      row.name = c.name;
      row.library = libraryPath;
      if (typeLib) row.typeLib = GuidToString(typeLib->libid);
      rows.push_back(std::move(row));
    }
    if (!typeLib) return Registry().Register(rows, nullptr);
    TypeLibRegistration lib = *typeLib;
    if (lib.library.empty()) lib.library = libraryPath;
    return Registry().Register(rows, &lib);
  });
}

HRESULT UnregisterServerClasses(std::span<const ServerClass> classes, const GUID* libid) {
  return Guarded(kSource, "registration", [&] {
    std::vector<CLSID> clsids;
    for (const ServerClass& c : classes) clsids.push_back(c.clsid);
    return Registry().Unregister(clsids, libid);
  });
}

}  // namespace qcom
