#include "com/ServerRegistration.h"

#include <dlfcn.h>

#include <cstdlib>
#include <new>
#include <vector>

#include "com/ErrorRecord.h"

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

HRESULT RegisterServerClasses(std::span<const ServerClass> classes, const std::string& libraryPath,
                              const TypeLibRegistration* typeLib) {
  try {
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
  } catch (const std::bad_alloc&) {
    SetErrorRecord(E_OUTOFMEMORY, "qcom registry", "registration: out of memory");
    return E_OUTOFMEMORY;
  }
}

HRESULT UnregisterServerClasses(std::span<const ServerClass> classes, const GUID* libid) {
  try {
    std::vector<CLSID> clsids;
    for (const ServerClass& c : classes) clsids.push_back(c.clsid);
    return Registry().Unregister(clsids, libid);
  } catch (const std::bad_alloc&) {
    SetErrorRecord(E_OUTOFMEMORY, "qcom registry", "registration: out of memory");
    return E_OUTOFMEMORY;
  }
}

}  // namespace qcom
