#pragma once

#include <cstdint>
#include <vector>

#include "platform/Api.h"

// A small true-colour image to draw the system's icons on in code: filled and
// outlined rectangles are all the icons need, text comes from PixelFont.h.
namespace platform {

// 0xAARRGGBB; alpha 0 is fully transparent.
using Color = uint32_t;

constexpr Color Rgb(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
  return static_cast<Color>(a) << 24 | static_cast<Color>(r) << 16 | static_cast<Color>(g) << 8 | b;
}
constexpr uint8_t AlphaOf(Color c) {
  return static_cast<uint8_t>(c >> 24);
}
constexpr uint8_t RedOf(Color c) {
  return static_cast<uint8_t>(c >> 16);
}
constexpr uint8_t GreenOf(Color c) {
  return static_cast<uint8_t>(c >> 8);
}
constexpr uint8_t BlueOf(Color c) {
  return static_cast<uint8_t>(c);
}

constexpr Color kTransparent = 0;

class QPLATFORM_API Raster {
 public:
  // Negative sizes count as 0.
  Raster(int width, int height, Color fill = kTransparent);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Row by row, top row first.
  const std::vector<Color>& Pixels() const { return pixels_; }

  // Reads outside the image give kTransparent; drawing outside is clipped.
  Color At(int x, int y) const;
  void Set(int x, int y, Color color);
  void FillRect(int x, int y, int width, int height, Color color);
  // A frame of the given thickness drawn inside the rectangle.
  void OutlineRect(int x, int y, int width, int height, Color color, int thickness = 1);

 private:
  int width_;
  int height_;
  std::vector<Color> pixels_;
};

}  // namespace platform
