// The four in-process server entry points of the unit service library.
#include "com/ClassFactory.h"
#include "com/ServerRegistration.h"
#include "hostkit/UnitConverter.h"
#include "hostkit/UnitManagerIds.h"

#define UNIT_MANAGER_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
constexpr qcom::ServerClass kClasses[] = {
    {hostkit::ids::kConverter, hostkit::ids::kConverterProgId, "Converter"},
};
// An address inside this library, to find its file.
const char kAnchor = 0;
}  // namespace

UNIT_MANAGER_EXPORT HRESULT DllGetClassObject(REFCLSID clsid, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (!(clsid == hostkit::ids::kConverter)) return CLASS_E_CLASSNOTAVAILABLE;
  return qcom::Guarded([&] {
    return qcom::Make<qcom::ClassFactory<hostkit::UnitConverter>>()->QueryInterface(riid, ppv);
  });
}

UNIT_MANAGER_EXPORT HRESULT DllCanUnloadNow() {
  return qcom::CanUnloadModule();
}

UNIT_MANAGER_EXPORT HRESULT DllRegisterServer() {
  return qcom::Guarded(
      [] { return qcom::RegisterServerClasses(kClasses, qcom::ModulePath(&kAnchor), nullptr); });
}

UNIT_MANAGER_EXPORT HRESULT DllUnregisterServer() {
  return qcom::Guarded([] { return qcom::UnregisterServerClasses(kClasses, nullptr); });
}
