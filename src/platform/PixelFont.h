#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Raster.h"

// A 5x7 pixel font for icon labels: capital letters, digits, blank and "-+./".
// Small letters draw as capitals.
namespace platform {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

// Seven rows, top first; bit 4 is the leftmost pixel of a row.
using Glyph = std::array<uint8_t, kGlyphHeight>;

QPLATFORM_API std::optional<Glyph> FindGlyph(char c);

// True when every character of text has a glyph.
QPLATFORM_API bool CanDraw(std::string_view text);

// Width in pixels of text drawn at scale (one blank column between glyphs).
QPLATFORM_API int TextWidth(std::string_view text, int scale = 1);

// Draws text with its top-left corner at (x, y), each font pixel as a
// scale x scale square. A character without a glyph draws as a hollow box.
QPLATFORM_API void DrawText(Raster& raster, int x, int y, std::string_view text, Color color,
                            int scale = 1);

}  // namespace platform
