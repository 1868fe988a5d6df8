#pragma once

#include <optional>
#include <string_view>

#include "com/Api.h"
#include "com/Guid.h"
#include "com/Types.h"
#include "com/Unknown.h"

// Class objects a process offers to itself. Creation looks here before the
// registry, by CLSID and by the ProgID given with the class object, so a host
// can serve a class of its own (or stand in for another component) without
// writing it into the registry that other processes share.
extern "C" {
// Offers classObject for clsid until revoked; cookie identifies the offer.
QCOM_API HRESULT CoRegisterClassObject(REFCLSID clsid, IUnknown* classObject, DWORD context,
                                       DWORD flags, DWORD* cookie);
// Withdraws an offer; CO_E_OBJNOTREG for a cookie not (or no longer) offered.
QCOM_API HRESULT CoRevokeClassObject(DWORD cookie);
}

namespace qcom {

// CoRegisterClassObject with a ProgID that names the class in this process.
QCOM_API HRESULT RegisterClassObject(REFCLSID clsid, std::string_view progId, IUnknown* classObject,
                                     DWORD* cookie);

QCOM_API HRESULT RevokeClassObject(DWORD cookie);

// The class object offered for clsid, AddRef'd; null when none is.
IUnknown* OfferedClassObject(REFCLSID clsid);
// The CLSID a ProgID names in this process (letter case aside), if any.
std::optional<CLSID> OfferedProgId(std::string_view progId);

}  // namespace qcom
