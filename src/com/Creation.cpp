#include "com/Creation.h"

#include <mutex>
#include <new>

#include "com/Boundary.h"
#include "com/ClassFactory.h"
#include "com/ClassObjectTable.h"
#include "com/ErrorRecord.h"
#include "com/LibraryTable.h"
#include "com/Registry.h"
#include "com/Utf.h"

namespace qcom {

namespace {

constexpr const char* kSource = "qcom";

HRESULT Fail(HRESULT hr, std::string_view line) {
  return RecordError(hr, kSource, line);
}

// Keeps a record the failing call left itself; otherwise leaves ours.
HRESULT FailUnlessRecorded(HRESULT hr, std::string_view line) {
  return PeekErrorRecord() ? hr : Fail(hr, line);
}

HRESULT GetClassObject(REFCLSID clsid, DWORD context, REFIID riid, void** ppv,
                       std::string& library) {
  if (!ppv) return Fail(E_POINTER, "class " + GuidToString(clsid) + ": no out pointer");
  *ppv = nullptr;
  if (!(context & CLSCTX_INPROC_SERVER))
    return Fail(REGDB_E_CLASSNOTREG, "class " + GuidToString(clsid) +
                                         ": only in-process servers exist, context " +
                                         HresultText(static_cast<HRESULT>(context)));
  if (ComPtr<IUnknown> offered = ComPtr<IUnknown>::Attach(OfferedClassObject(clsid)))
    return offered->QueryInterface(riid, ppv);
  ClassRegistration registration;
  HRESULT hr = Registry().FindClass(clsid, registration);
  if (FAILED(hr)) return hr;

  LibraryTable& table = LibraryTable::Instance();
  // Held until the class object exists: it pins the library against unloading.
  std::lock_guard lock(table.mutex());
  LoadedLibrary loaded;
  hr = table.Open(registration.library, loaded);
  if (FAILED(hr)) return hr;
  library = loaded.path;
  DllGetClassObjectFn getClassObject = nullptr;
  hr = table.Entry(loaded, "DllGetClassObject", getClassObject);
  if (FAILED(hr)) {
    if (loaded.fresh) table.Close(loaded);
    return hr;
  }
  hr = qcom::Guarded(kSource, ("library " + loaded.path + ", DllGetClassObject"),
                     [&] { return getClassObject(clsid, riid, ppv); });
  if (FAILED(hr)) {
    *ppv = nullptr;
    FailUnlessRecorded(hr, "library " + loaded.path + " gives no class object for class " +
                               GuidToString(clsid) + " (" + HresultText(hr) + ")");
    if (loaded.fresh) table.UnloadIfUnused(loaded);
  }
  return hr;
}

HRESULT CreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid, void** ppv) {
  if (!ppv) return Fail(E_POINTER, "class " + GuidToString(clsid) + ": no out pointer");
  *ppv = nullptr;
  ComPtr<IClassFactory> factory;
  std::string library;
  HRESULT hr = GetClassObject(clsid, context, IClassFactory::iid, factory.put_void(), library);
  if (FAILED(hr)) return hr;
  std::string where = "class " + GuidToString(clsid) + " in " + library;
  hr = qcom::Guarded(kSource, where, [&] { return factory->CreateInstance(outer, riid, ppv); });
  if (SUCCEEDED(hr)) return hr;
  *ppv = nullptr;
  if (hr == E_NOINTERFACE)
    return FailUnlessRecorded(hr, where + " has no interface " + GuidToString(riid));
  if (hr == CLASS_E_NOAGGREGATION) return FailUnlessRecorded(hr, where + " cannot be aggregated");
  return FailUnlessRecorded(hr, where + " could not create an object (" + HresultText(hr) + ")");
}

}  // namespace

HRESULT CreateByProgId(std::string_view progId, REFIID riid, void** ppv) {
  ClearErrorRecord();
  return qcom::Guarded(kSource, "CreateByProgId", [&] {
    if (!ppv) return Fail(E_POINTER, "ProgID '" + std::string(progId) + "': no out pointer");
    *ppv = nullptr;
    CLSID clsid;
    if (auto offered = OfferedProgId(progId))
      clsid = *offered;
    else if (HRESULT hr = Registry().FindProgId(progId, clsid); FAILED(hr))
      return hr;
    return CreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, riid, ppv);
  });
}

size_t LoadedLibraryCount() {
  return LibraryTable::Instance().Count();
}

HRESULT RegisterServer(const std::string& libraryPath, bool unregister) {
  ClearErrorRecord();
  return qcom::Guarded(kSource, "RegisterServer", [&] {
    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    LibraryTable& table = LibraryTable::Instance();
    std::lock_guard lock(table.mutex());
    LoadedLibrary loaded;
    HRESULT hr = table.Open(libraryPath, loaded);
    if (FAILED(hr)) return hr;
    DllRegisterServerFn call = nullptr;
    hr = table.Entry(loaded, entry, call);
    if (FAILED(hr)) {
      if (loaded.fresh) table.Close(loaded);
      return hr;
    }
    hr = qcom::Guarded(kSource, ("library " + loaded.path + ", " + entry), [&] { return call(); });
    if (FAILED(hr))
      FailUnlessRecorded(
          hr, "library " + loaded.path + ": " + entry + " failed (" + HresultText(hr) + ")");
    if (loaded.fresh) table.UnloadIfUnused(loaded);
    return hr;
  });
}

}  // namespace qcom

namespace qcom {

HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, void*, REFIID riid, void** ppv) {
  qcom::ClearErrorRecord();
  std::string library;
  return qcom::Guarded(qcom::kSource, "CoGetClassObject",
                       [&] { return qcom::GetClassObject(clsid, context, riid, ppv, library); });
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid, void** ppv) {
  qcom::ClearErrorRecord();
  return qcom::Guarded(qcom::kSource, "CoCreateInstance",
                       [&] { return qcom::CreateInstance(clsid, outer, context, riid, ppv); });
}

HRESULT CLSIDFromProgID(const char16_t* progId, CLSID* clsid) {
  qcom::ClearErrorRecord();
  return qcom::Guarded(qcom::kSource, "CLSIDFromProgID", [&] {
    if (!progId || !clsid)
      return qcom::Fail(E_INVALIDARG, "CLSIDFromProgID: no ProgID or no out pointer");
    *clsid = GUID_NULL;
    if (auto offered = qcom::OfferedProgId(qcom::ToUtf8(std::u16string_view(progId))))
      return *clsid = *offered, S_OK;
    return qcom::Registry().FindProgId(qcom::ToUtf8(std::u16string_view(progId)), *clsid);
  });
}

void CoFreeUnusedLibraries() {
  // A failure unloads nothing that should stay; the next call tries again.
  qcom::Guarded([] { qcom::LibraryTable::Instance().UnloadAllUnused(); });
}
}  // namespace qcom
