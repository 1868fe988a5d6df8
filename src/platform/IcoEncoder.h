#pragma once

#include <cstdint>
#include <vector>

#include "platform/Raster.h"

namespace platform {

// The bytes of an icon file holding the raster as its only image: 32 bits per
// pixel with alpha, plus the AND mask (set where a pixel is fully transparent)
// for viewers that ignore alpha. Empty when a side is not within 1..256.
QPLATFORM_API std::vector<uint8_t> EncodeIco(const Raster& image);

}  // namespace platform
