#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "com/Api.h"
#include "com/Guid.h"
#include "com/Types.h"
#include "com/Unknown.h"

// Object creation through the registry (Registry at its default path, read on
// every call). A class's library is loaded once and stays loaded while it has
// live objects or locks; CoFreeUnusedLibraries unloads the others.
//
// Each call starts with a cleared error record; every failure leaves one line
// there saying what failed and where: CO_E_CLASSSTRING (unknown ProgID),
// REGDB_E_CLASSNOTREG (unknown class), REGDB_E_READREGDB (corrupt registry),
// CO_E_DLLNOTFOUND (library missing or not loadable), CO_E_ERRORINDLL (library
// without the entry point), or the class factory's own answer.
extern "C" {
QCOM_API HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, void* reserved, REFIID riid,
                                  void** ppv);
QCOM_API HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid,
                                  void** ppv);
// progId is zero-terminated UTF-16.
QCOM_API HRESULT CLSIDFromProgID(const char16_t* progId, CLSID* clsid);
// Unloads every loaded library whose DllCanUnloadNow answers S_OK.
QCOM_API void CoFreeUnusedLibraries();
}

namespace qcom {

QCOM_API HRESULT CreateByProgId(std::string_view progId, REFIID riid, void** ppv);

// Number of libraries the runtime has loaded for creation and not yet unloaded.
QCOM_API size_t LoadedLibraryCount();

// Loads the library and calls its DllRegisterServer (or DllUnregisterServer),
// as a registration tool does. A library loaded only for this is unloaded
// again when its DllCanUnloadNow allows.
QCOM_API HRESULT RegisterServer(const std::string& libraryPath, bool unregister);

}  // namespace qcom
