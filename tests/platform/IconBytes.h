#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Raster.h"

// Reads an icon file as the encoder writes it (one 32-bit image) back into a
// raster, independently of the library's own code, so tests can compare
// pixels. Nothing when the layout is not that one.
inline uint32_t Le(const std::vector<uint8_t>& b, size_t at, int size) {
  uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | b.at(at + i);
  return v;
}

struct DecodedIcon {
  platform::Raster image;
  std::vector<bool> masked;  // AND mask bit per pixel, row-major, top row first
};

inline std::optional<DecodedIcon> DecodeIco(const std::vector<uint8_t>& b) {
  if (b.size() < 22 || Le(b, 0, 2) != 0 || Le(b, 2, 2) != 1 || Le(b, 4, 2) != 1) return {};
  uint32_t offset = Le(b, 18, 4);
  int w = static_cast<int>(Le(b, offset + 4, 4)), h = static_cast<int>(Le(b, offset + 8, 4)) / 2;
  if (Le(b, offset, 4) != 40 || Le(b, offset + 14, 2) != 32) return {};
  size_t andStride = (w + 31) / 32 * 4;
  if (b.size() != offset + 40 + size_t(w) * h * 4 + andStride * h) return {};
  DecodedIcon out{platform::Raster(w, h), std::vector<bool>(size_t(w) * h)};
  size_t xorAt = offset + 40, andAt = xorAt + size_t(w) * h * 4;
  for (int y = 0; y < h; ++y) {
    size_t row = size_t(h - 1 - y);
    for (int x = 0; x < w; ++x) {
      size_t p = xorAt + (row * w + x) * 4;
      out.image.Set(x, y, platform::Rgb(b[p + 2], b[p + 1], b[p], b[p + 3]));
      out.masked[size_t(y) * w + x] = b[andAt + row * andStride + x / 8] & (0x80 >> (x % 8));
    }
  }
  return out;
}
