#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "com/Api.h"
#include "com/Guid.h"
#include "com/Types.h"
#include "com/Unknown.h"

namespace qcom {

// Object creation through the registry (Registry at its default path, read on
// every call). A class's library is loaded once and stays loaded while it has
// live objects or locks; CoFreeUnusedLibraries unloads the others.
//
// Each call starts with a cleared error record; every failure leaves one line
// there saying what failed and where: CO_E_CLASSSTRING (unknown ProgID),
// REGDB_E_CLASSNOTREG (unknown class), REGDB_E_READREGDB (corrupt registry),
// CO_E_DLLNOTFOUND (library missing or not loadable), CO_E_ERRORINDLL (library
// without the entry point), or the class factory's own answer.
QCOM_API HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, void* reserved, REFIID riid,
                                  void** ppv);
QCOM_API HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid,
                                  void** ppv);
// progId is zero-terminated UTF-16.
QCOM_API HRESULT CLSIDFromProgID(const char16_t* progId, CLSID* clsid);
// Unloads every loaded library whose DllCanUnloadNow answers S_OK.
QCOM_API void CoFreeUnusedLibraries();

// Class objects a process offers to itself. Creation looks here before the
// registry, by CLSID and by the ProgID given with the class object, so a host
// can serve a class of its own (or stand in for another component, such as the
// unit service or the document component) without writing it into the
// registry that other processes share. The offer holds a reference to the
// class object until it is revoked.
// Offers classObject for clsid until revoked; cookie identifies the offer.
QCOM_API HRESULT CoRegisterClassObject(REFCLSID clsid, IUnknown* classObject, DWORD context,
                                       DWORD flags, DWORD* cookie);
// Withdraws an offer; CO_E_OBJNOTREG for a cookie not (or no longer) offered.
QCOM_API HRESULT CoRevokeClassObject(DWORD cookie);

QCOM_API HRESULT CreateByProgId(std::string_view progId, REFIID riid, void** ppv);

// CoRegisterClassObject with a ProgID that names the class in this process, so
// CreateByProgId finds it too.
QCOM_API HRESULT RegisterClassObject(REFCLSID clsid, std::string_view progId, IUnknown* classObject,
                                     DWORD* cookie);
QCOM_API HRESULT RevokeClassObject(DWORD cookie);

// Number of libraries the runtime has loaded for creation and not yet unloaded.
QCOM_API size_t LoadedLibraryCount();

// Loads the library and calls its DllRegisterServer (or DllUnregisterServer),
// as a registration tool does. A library loaded only for this is unloaded
// again when its DllCanUnloadNow allows.
QCOM_API HRESULT RegisterServer(const std::string& libraryPath, bool unregister);

}  // namespace qcom
