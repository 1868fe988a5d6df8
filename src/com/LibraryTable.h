#pragma once

#include <map>
#include <mutex>
#include <string>

#include "com/Types.h"

namespace qcom {

// One library as the table holds it.
struct LoadedLibrary {
  std::string path;  // canonical
  void* handle = nullptr;
  bool fresh = false;  // loaded by the Open call that returned it
};

// The in-process server libraries the runtime loaded, one handle per canonical
// path. Callers hold mutex() from Open until a library is pinned by an object
// it handed out (or has been given back), so no other thread unloads it while
// its code runs without an object that keeps it alive.
class LibraryTable {
 public:
  static LibraryTable& Instance();

  std::recursive_mutex& mutex() { return mutex_; }

  // Loads the library or finds it loaded. CO_E_DLLNOTFOUND with the error
  // record when the file is missing or not loadable.
  HRESULT Open(const std::string& path, LoadedLibrary& out);

  // Resolves an entry point; CO_E_ERRORINDLL with the error record when missing.
  template <class Fn>
  HRESULT Entry(const LoadedLibrary& library, const char* name, Fn& fn) {
    void* symbol = nullptr;
    HRESULT hr = Symbol(library, name, symbol);
    fn = reinterpret_cast<Fn>(symbol);
    return hr;
  }

  // Unloads the library when its DllCanUnloadNow answers S_OK; true if unloaded.
  bool UnloadIfUnused(const LoadedLibrary& library);
  // Unloads a library that never handed out anything.
  void Close(const LoadedLibrary& library);
  void UnloadAllUnused();
  size_t Count();

 private:
  HRESULT Symbol(const LoadedLibrary& library, const char* name, void*& symbol);

  std::recursive_mutex mutex_;
  std::map<std::string, void*> handles_;
};

}  // namespace qcom
