#include "platform/IcoEncoder.h"

#include "platform/ByteOrder.h"

namespace platform {

std::vector<uint8_t> EncodeIco(const Raster& image) {
  const int w = image.Width(), h = image.Height();
  if (w < 1 || w > 256 || h < 1 || h > 256) return {};

  constexpr uint32_t kDirSize = 6 + 16, kHeaderSize = 40;
  const uint32_t xorStride = static_cast<uint32_t>(w) * 4;
  const uint32_t andStride = (static_cast<uint32_t>(w) + 31) / 32 * 4;
  const uint32_t imageSize = kHeaderSize + (xorStride + andStride) * static_cast<uint32_t>(h);

  std::vector<uint8_t> out;
  out.reserve(kDirSize + imageSize);
  // Directory: one icon; a side of 256 is written as 0.
  PutLe16(out, 0);
  PutLe16(out, 1);
  PutLe16(out, 1);
  out.push_back(static_cast<uint8_t>(w == 256 ? 0 : w));
  out.push_back(static_cast<uint8_t>(h == 256 ? 0 : h));
  out.push_back(0);  // no palette
  out.push_back(0);
  PutLe16(out, 1);   // planes
  PutLe16(out, 32);  // bits per pixel
  PutLe32(out, imageSize);
  PutLe32(out, kDirSize);

  // The image header counts the XOR and AND bitmaps together: twice the height.
  PutLe32(out, kHeaderSize);
  PutLe32(out, static_cast<uint32_t>(w));
  PutLe32(out, static_cast<uint32_t>(h) * 2);
  PutLe16(out, 1);
  PutLe16(out, 32);
  PutLe32(out, 0);  // uncompressed
  PutLe32(out, (xorStride + andStride) * static_cast<uint32_t>(h));
  PutLe32(out, 0);
  PutLe32(out, 0);
  PutLe32(out, 0);
  PutLe32(out, 0);

  // Bitmaps are stored bottom row first.
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) {
      Color c = image.At(x, y);
      out.push_back(BlueOf(c));
      out.push_back(GreenOf(c));
      out.push_back(RedOf(c));
      out.push_back(AlphaOf(c));
    }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(andStride, 0);
    for (int x = 0; x < w; ++x)
      if (AlphaOf(image.At(x, y)) == 0) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace platform
