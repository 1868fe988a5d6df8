#pragma once

#include "com/Boundary.h"
#include "com/ComObject.h"

namespace qcom {

struct IClassFactory : IUnknown {
  QCOM_IDENTITY(IUnknown, "00000001-0000-0000-C000-000000000046");
  virtual HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** ppv) = 0;
  virtual HRESULT LockServer(int32_t lock) = 0;

 protected:
  ~IClassFactory() = default;
};

// The in-process server entry points every component exports.
extern "C" {
using DllGetClassObjectFn = HRESULT (*)(REFCLSID clsid, REFIID riid, void** ppv);
using DllCanUnloadNowFn = HRESULT (*)();
using DllRegisterServerFn = HRESULT (*)();
using DllUnregisterServerFn = HRESULT (*)();
}

// Class factory for a class that is default-constructible; no aggregation.
template <class T>
class ClassFactory final : public ComObject<IClassFactory> {
 public:
  HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    // A constructor that throws must not unwind through the caller's interface.
    return Guarded([&] { return Make<T>()->QueryInterface(riid, ppv); });
  }
  HRESULT LockServer(int32_t lock) override {
    if (lock)
      ThisModule().locks.fetch_add(1);
    else
      ThisModule().locks.fetch_sub(1);
    return S_OK;
  }
};

// DllCanUnloadNow for the calling module: no live object and no lock.
inline HRESULT CanUnloadModule() {
  return ThisModule().objects.load() == 0 && ThisModule().locks.load() == 0 ? S_OK : S_FALSE;
}

}  // namespace qcom
