#include "platform/LabelIcon.h"

#include "platform/PixelFont.h"
#include "platform/ResourceIcons.h"

namespace platform {
namespace {

Color Darker(Color c) {
  auto dim = [](uint8_t v) { return static_cast<uint8_t>(v * 11 / 20); };
  return Rgb(dim(RedOf(c)), dim(GreenOf(c)), dim(BlueOf(c)));
}

// Perceived brightness 0..255 (ITU-R BT.601 weights).
int Brightness(Color c) {
  return (RedOf(c) * 299 + GreenOf(c) * 587 + BlueOf(c) * 114) / 1000;
}

}  // namespace

Raster DrawLabelIcon(Color background, std::string_view label) {
  background = Rgb(RedOf(background), GreenOf(background), BlueOf(background));  // opaque
  Raster r(kIconSide, kIconSide);
  r.FillRect(1, 1, kIconSide - 2, kIconSide - 2, background);
  r.OutlineRect(1, 1, kIconSide - 2, kIconSide - 2, Darker(background));
  const int inner = kIconSide - 4;
  int scale = TextWidth(label, 2) <= inner ? 2 : 1;
  int x = (kIconSide - TextWidth(label, scale)) / 2;
  int y = (kIconSide - kGlyphHeight * scale) / 2;
  Color ink = Brightness(background) >= 140 ? Rgb(0, 0, 0) : Rgb(0xff, 0xff, 0xff);
  DrawText(r, x, y, label, ink, scale);
  return r;
}

}  // namespace platform
