#include "com/TestComponent.h"

#include <stdexcept>

#include "com/ClassFactory.h"
#include "com/ServerRegistration.h"

#define TEST_COMPONENT_API extern "C" __attribute__((visibility("default")))

namespace {

class Counter final : public qcom::ComObject<ITestCounter> {
 public:
  HRESULT Add(LONG amount, LONG* total) override {
    if (!total) return E_POINTER;
    total_ += amount;
    *total = total_;
    return S_OK;
  }

 private:
  LONG total_ = 0;
};

constexpr qcom::ServerClass kClasses[] = {
    {testcomponent::kCounterClass, testcomponent::kCounterProgId, "Counter"},
    {testcomponent::kThrowingClass, testcomponent::kThrowingProgId, "Throwing"},
};

const char kAnchor = 0;

}  // namespace

TEST_COMPONENT_API HRESULT DllGetClassObject(REFCLSID clsid, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (clsid == testcomponent::kThrowingClass) throw std::runtime_error("broken on purpose");
  if (!(clsid == testcomponent::kCounterClass)) return CLASS_E_CLASSNOTAVAILABLE;
  return qcom::Make<qcom::ClassFactory<Counter>>()->QueryInterface(riid, ppv);
}

TEST_COMPONENT_API HRESULT DllCanUnloadNow() {
  return qcom::CanUnloadModule();
}

TEST_COMPONENT_API HRESULT DllRegisterServer() {
  qcom::TypeLibRegistration typeLib{testcomponent::kTypeLib, "QcomTestLib", "1.0", ""};
  return qcom::RegisterServerClasses(kClasses, qcom::ModulePath(&kAnchor), &typeLib);
}

TEST_COMPONENT_API HRESULT DllUnregisterServer() {
  return qcom::UnregisterServerClasses(kClasses, &testcomponent::kTypeLib);
}
