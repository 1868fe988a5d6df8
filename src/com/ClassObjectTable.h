#pragma once

#include <optional>
#include <string_view>

#include "com/Api.h"
#include "com/Creation.h"
#include "com/Guid.h"
#include "com/Types.h"
#include "com/Unknown.h"

// The table behind CoRegisterClassObject and CoRevokeClassObject (declared,
// for hosts, in Creation.h): what creation looks up before the registry.
namespace qcom {

// The class object offered for clsid, AddRef'd; null when none is.
IUnknown* OfferedClassObject(REFCLSID clsid);
// The CLSID a ProgID names in this process (letter case aside), if any.
std::optional<CLSID> OfferedProgId(std::string_view progId);

}  // namespace qcom
