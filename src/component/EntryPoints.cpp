// The four in-process server entry points of the component.
#include <string>
#include <vector>

#include "com/Boundary.h"
#include "com/ClassFactory.h"
#include "com/ServerRegistration.h"
#include "component/ClassIds.h"
#include "component/ClassTable.h"
#include "modules/ComponentLocation.h"

#include "ui/EditorInstall.h"

#define TQ_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
// Objects of the loaded component open the component's own editor and dialogs.
const bool kEditorInstalled =
    (ui::InstallEditorFactory(), ui::InstallEditDialogFactory(), ui::InstallEditorLibrary(), true);
}  // namespace

TQ_EXPORT HRESULT DllGetClassObject(REFCLSID clsid, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  return qcom::Guarded([&] {
    for (const component::ClassInfo& info : component::Classes())
      if (info.clsid == clsid) return info.makeFactory()->QueryInterface(riid, ppv);
    return CLASS_E_CLASSNOTAVAILABLE;
  });
}

TQ_EXPORT HRESULT DllCanUnloadNow() {
  return qcom::CanUnloadModule();
}

namespace {
// The class table as the registry helpers take it; the ProgID texts live in progIds.
std::vector<qcom::ServerClass> ServerClasses(std::vector<std::string>& progIds) {
  std::vector<qcom::ServerClass> classes;
  for (const component::ClassInfo& info : component::Classes())
    progIds.push_back(component::ProgIdOf(info));
  size_t i = 0;
  for (const component::ClassInfo& info : component::Classes())
    classes.push_back({info.clsid, progIds[i++], info.name});
  return classes;
}
}  // namespace

TQ_EXPORT HRESULT DllRegisterServer() {
  return qcom::Guarded([] {
    std::vector<std::string> progIds;
    const std::string library = modules::ComponentModulePath();
    qcom::TypeLibRegistration typeLib{component::ids::kTypeLib, component::ids::kTypeLibName,
                                      component::ids::kTypeLibVersion, library};
    return qcom::RegisterServerClasses(ServerClasses(progIds), library, &typeLib);
  });
}

TQ_EXPORT HRESULT DllUnregisterServer() {
  return qcom::Guarded([] {
    std::vector<std::string> progIds;
    return qcom::UnregisterServerClasses(ServerClasses(progIds), &component::ids::kTypeLib);
  });
}
