#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "com/ComPtr.h"
#include "platform/Picture.h"
#include "platform/Raster.h"

// The icons compiled into the system, drawn in code at 32x32: "TQEB" (the
// controller), "EBMODULE" (an expansion module without an icon of its own) and
// "GENOBJ" (a generic object).
namespace platform {

constexpr int kIconSide = 32;

// The names of the compiled-in icons.
QPLATFORM_API std::vector<std::string> ResourceIconNames();

// The drawing of a compiled-in icon (name compared ignoring letter case);
// nothing for any other name.
QPLATFORM_API std::optional<Raster> DrawResourceIcon(std::string_view name);

// The compiled-in icon as an icon-file picture; null for any other name.
QPLATFORM_API qcom::ComPtr<IPicture> LoadResourcePicture(std::string_view name);

}  // namespace platform
