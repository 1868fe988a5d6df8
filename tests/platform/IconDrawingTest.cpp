#include <gtest/gtest.h>

#include <climits>

#include "platform/LabelIcon.h"
#include "platform/PixelFont.h"

namespace {

using platform::Color;
using platform::Raster;
using platform::Rgb;

int CountOf(const Raster& r, Color c) {
  int n = 0;
  for (Color p : r.Pixels()) n += p == c;
  return n;
}

TEST(IconDrawing, TextUsesTheFiveBySevenFont) {
  const Color ink = Rgb(0, 0, 0);
  Raster r(12, 14), big(12, 14), box(5, 7);
  platform::DrawText(r, 0, 0, "1", ink);
  // The "1": a centre column with a foot three wide and a flag at its top.
  for (int y = 0; y < 7; ++y) EXPECT_EQ(r.At(2, y), ink) << y;
  for (auto [x, y] : std::vector<std::pair<int, int>>{{1, 1}, {1, 6}, {3, 6}})
    EXPECT_EQ(r.At(x, y), ink) << x << y;
  EXPECT_EQ(r.At(0, 0), platform::kTransparent);
  EXPECT_EQ(CountOf(r, ink), 10);
  platform::DrawText(big, 0, 0, "1", ink, 2);
  EXPECT_EQ(CountOf(big, ink), 40);
  EXPECT_EQ(big.At(4, 13), ink);
  // A character without a glyph shows as a hollow box, not as nothing.
  platform::DrawText(box, 0, 0, "@", ink);
  EXPECT_EQ(CountOf(box, ink), 2 * 5 + 2 * 5);

  EXPECT_EQ(std::pair(platform::TextWidth("4AI"), platform::TextWidth("TQ", 2)), std::pair(17, 22));
  EXPECT_TRUE(platform::CanDraw("EB 1-2/3.4+Zd"));
  EXPECT_EQ(platform::FindGlyph('d'), platform::FindGlyph('D'));
  EXPECT_FALSE(platform::FindGlyph('\0'));
}

TEST(IconDrawing, LabelIconIsCentredAndReadable) {
  const Color dark = Rgb(0x20, 0x60, 0xc0);
  for (const char* label : {"4AI", "DO", "8DIO", "X"}) {
    SCOPED_TRACE(label);
    Raster r = platform::DrawLabelIcon(dark, label);
    ASSERT_EQ(std::pair(r.Width(), r.Height()), std::pair(32, 32));
    Color frame = r.At(16, 1);  // a darker shade of the tile
    EXPECT_LT(platform::RedOf(frame), platform::RedOf(dark));
    EXPECT_LT(platform::GreenOf(frame), platform::GreenOf(dark));
    EXPECT_LT(platform::BlueOf(frame), platform::BlueOf(dark));
    EXPECT_EQ(r.At(16, 2), dark);
    EXPECT_EQ(r.At(0, 0), platform::kTransparent);
    // White ink on the dark tile, its bounding box centred (a glyph may leave
    // its own edge column blank, hence one pixel of slack either way).
    int left = 32, right = -1, top = 32, bottom = -1;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (r.At(x, y) == Rgb(255, 255, 255)) {
          left = std::min(left, x), right = std::max(right, x);
          top = std::min(top, y), bottom = std::max(bottom, y);
        }
    ASSERT_GE(right, 0);
    EXPECT_LE(std::abs(left - (31 - right)), 2);
    EXPECT_LE(std::abs(top - (31 - bottom)), 1);
  }
  Raster light = platform::DrawLabelIcon(Rgb(0xe0, 0xe0, 0x40), "DI");
  EXPECT_GT(CountOf(light, Rgb(0, 0, 0)), 20);
  EXPECT_EQ(CountOf(light, Rgb(255, 255, 255)), 0);
  // A colour given with transparency still gives an opaque tile.
  EXPECT_EQ(platform::AlphaOf(platform::DrawLabelIcon(0x00336699, "A").At(3, 3)), 255);
}

}  // namespace
