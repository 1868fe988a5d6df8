#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "com/Api.h"

namespace qcom {

// A COM GUID with the Windows memory layout.
struct GUID {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];

  constexpr bool operator==(const GUID& o) const {
    if (Data1 != o.Data1 || Data2 != o.Data2 || Data3 != o.Data3) return false;
    for (int i = 0; i < 8; ++i)
      if (Data4[i] != o.Data4[i]) return false;
    return true;
  }
};
using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

constexpr GUID GUID_NULL{0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case, as the registry stores it.
QCOM_API std::string GuidToString(const GUID& g);
// Accepts the braced and the bare form, any letter case; nullopt for anything else.
QCOM_API std::optional<GUID> GuidFromString(std::string_view text);

struct GuidLess {
  bool operator()(const GUID& a, const GUID& b) const { return GuidToString(a) < GuidToString(b); }
};

}  // namespace qcom
