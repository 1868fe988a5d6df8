#include "platform/Raster.h"

#include <algorithm>

namespace platform {

Raster::Raster(int width, int height, Color fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill) {}

Color Raster::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kTransparent;
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Raster::Set(int x, int y, Color color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = color;
}

void Raster::FillRect(int x, int y, int width, int height, Color color) {
  // Clip in 64 bits so huge sizes cannot overflow.
  int64_t left = std::max<int64_t>(x, 0), top = std::max<int64_t>(y, 0);
  int64_t right = std::min<int64_t>(int64_t{x} + width, width_);
  int64_t bottom = std::min<int64_t>(int64_t{y} + height, height_);
  for (int64_t row = top; row < bottom; ++row)
    for (int64_t col = left; col < right; ++col)
      pixels_[static_cast<size_t>(row * width_ + col)] = color;
}

void Raster::OutlineRect(int x, int y, int width, int height, Color color, int thickness) {
  if (width <= 0 || height <= 0 || thickness <= 0) return;
  int t = std::min({thickness, (width + 1) / 2, (height + 1) / 2});
  FillRect(x, y, width, t, color);
  FillRect(x, y + height - t, width, t, color);
  FillRect(x, y, t, height, color);
  FillRect(x + width - t, y, t, height, color);
}

}  // namespace platform
