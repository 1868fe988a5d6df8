#pragma once

#include <span>
#include <string>

#include "com/ClassFactory.h"

// The component's creatable classes, as the registry and DllGetClassObject see them.
namespace component {

struct ClassInfo {
  const char* name;
  const CLSID& clsid;
  qcom::ComPtr<IClassFactory> (*makeFactory)();
};

std::span<const ClassInfo> Classes();
// "O_TQ4600." + class name; the application object is known by its ProgrammaticId.
std::string ProgIdOf(const ClassInfo& info);

}  // namespace component
