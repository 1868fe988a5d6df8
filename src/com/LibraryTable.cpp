#include "com/LibraryTable.h"

#include <dlfcn.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "com/ClassFactory.h"
#include "com/ErrorRecord.h"

namespace qcom {

namespace {
constexpr const char* kSource = "qcom";

HRESULT Fail(HRESULT hr, std::string_view line) {
  return RecordError(hr, kSource, line);
}
}  // namespace

LibraryTable& LibraryTable::Instance() {
  // Never destroyed: objects released during program exit may still call in.
  static LibraryTable* table = new LibraryTable;
  return *table;
}

HRESULT LibraryTable::Open(const std::string& path, LoadedLibrary& out) {
  std::lock_guard lock(mutex_);
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (!resolved)
    return Fail(CO_E_DLLNOTFOUND,
                "library " + path + " cannot be loaded: " + std::generic_category().message(errno));
  std::string canonical(resolved);
  std::free(resolved);

  auto loaded = handles_.find(canonical);
  if (loaded != handles_.end()) {
    out = LoadedLibrary{canonical, loaded->second, false};
    return S_OK;
  }
  ::dlerror();
  void* handle = ::dlopen(canonical.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = ::dlerror();
    return Fail(CO_E_DLLNOTFOUND,
                "library " + path + " cannot be loaded: " + (why ? why : "unknown reason"));
  }
  handles_.emplace(canonical, handle);
  out = LoadedLibrary{canonical, handle, true};
  return S_OK;
}

HRESULT LibraryTable::Symbol(const LoadedLibrary& library, const char* name, void*& symbol) {
  ::dlerror();
  symbol = ::dlsym(library.handle, name);
  if (!symbol)
    return Fail(CO_E_ERRORINDLL, "library " + library.path + " has no entry point " + name);
  return S_OK;
}

bool LibraryTable::UnloadIfUnused(const LoadedLibrary& library) {
  std::lock_guard lock(mutex_);
  auto loaded = handles_.find(library.path);
  if (loaded == handles_.end()) return false;
  // A library that cannot say whether it is in use stays loaded.
  auto canUnload = reinterpret_cast<DllCanUnloadNowFn>(::dlsym(loaded->second, "DllCanUnloadNow"));
  if (!canUnload) return false;
  HRESULT answer = S_FALSE;
  try {
    answer = canUnload();
  } catch (...) {
    return false;
  }
  if (answer != S_OK) return false;
  ::dlclose(loaded->second);
  handles_.erase(loaded);
  return true;
}

void LibraryTable::Close(const LoadedLibrary& library) {
  std::lock_guard lock(mutex_);
  auto loaded = handles_.find(library.path);
  if (loaded == handles_.end()) return;
  ::dlclose(loaded->second);
  handles_.erase(loaded);
}

void LibraryTable::UnloadAllUnused() {
  std::lock_guard lock(mutex_);
  std::vector<std::string> paths;
  for (const auto& [path, handle] : handles_) paths.push_back(path);
  for (const std::string& path : paths) UnloadIfUnused(LoadedLibrary{path, nullptr, false});
}

size_t LibraryTable::Count() {
  std::lock_guard lock(mutex_);
  return handles_.size();
}

}  // namespace qcom
