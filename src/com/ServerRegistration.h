#pragma once

#include <span>
#include <string>
#include <string_view>

#include "com/Api.h"
#include "com/Registry.h"

namespace qcom {

// What a component's DllRegisterServer and DllUnregisterServer need: where the
// component's own shared object lives, and one registry update for its table of
// classes.

// Absolute path of the shared object (or program) containing the address;
// empty when the address belongs to none.
QCOM_API std::string ModulePath(const void* addressInModule);

// One row of a component's class table.
struct ServerClass {
  CLSID clsid;
  std::string_view progId;
  std::string_view name;
};

// Registers every class as served by libraryPath, with the Apartment threading
// model and the type library (may be null; its library defaults to
// libraryPath), in one update of the default registry.
QCOM_API HRESULT RegisterServerClasses(std::span<const ServerClass> classes,
                                       const std::string& libraryPath,
                                       const TypeLibRegistration* typeLib);
// Removes the classes and the type library (may be null) in one update.
QCOM_API HRESULT UnregisterServerClasses(std::span<const ServerClass> classes, const GUID* libid);

}  // namespace qcom
