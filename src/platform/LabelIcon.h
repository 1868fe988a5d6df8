#pragma once

#include <string_view>

#include "platform/Raster.h"

namespace platform {

// Longest label that fits a 32x32 icon.
constexpr size_t kMaxIconLabel = 4;

// A 32x32 icon for a template: a tile in the background colour with a darker
// frame and the label centred on it, in black or white, whichever reads better
// on the colour. One or two characters are drawn twice as large.
QPLATFORM_API Raster DrawLabelIcon(Color background, std::string_view label);

}  // namespace platform
