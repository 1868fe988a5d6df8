#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "com/Registry.h"

namespace qcom {

// The registry file's contents in memory, and their XML form:
//
//   <registry>
//     <class clsid="{...}" progid="Vendor.Class" name="Class" library="/abs/lib.so"
//            threading="Apartment" typelib="{...}"/>
//     <typelib libid="{...}" name="Lib" version="1.0" library="/abs/lib.so"/>
//   </registry>
//
// No CLSID, ProgID (ignoring letter case) or LIBID appears twice.
struct RegistryDocument {
  std::vector<ClassRegistration> classes;
  std::vector<TypeLibRegistration> typeLibs;

  const ClassRegistration* FindClass(REFCLSID clsid) const;
  const ClassRegistration* FindProgId(std::string_view progId) const;
  const TypeLibRegistration* FindTypeLib(const GUID& libid) const;

  void Add(const std::vector<ClassRegistration>& added, const TypeLibRegistration* typeLib);
  void Remove(const std::vector<CLSID>& clsids, const GUID* libid);

  // Reads a registry document; false with "line N: reason" in problem when the
  // text is not XML or not laid out as above.
  static bool Parse(std::string_view xml, RegistryDocument& out, std::string& problem);
  std::string Serialize() const;
};

}  // namespace qcom
