#include "platform/ImageProbe.h"

#include <cstring>

#include "platform/ByteOrder.h"

namespace platform {
namespace {

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr uint32_t kMaxSide = 0x7FFFFFFF;

bool StartsWith(std::span<const uint8_t> bytes, const uint8_t* prefix, size_t n) {
  return bytes.size() >= n && std::memcmp(bytes.data(), prefix, n) == 0;
}

bool ValidBitDepth(uint32_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Bytes of one row of a device-independent bitmap: padded to 32 bits.
uint64_t RowBytes(uint64_t width, uint64_t bits) {
  return (width * bits + 31) / 32 * 4;
}

// PNG: the header chunk first, then chunks up to the end chunk, each complete.
std::optional<ImageInfo> ProbePng(std::span<const uint8_t> in) {
  uint32_t length = 0, width = 0, height = 0;
  if (!GetBe32(in, 8, length) || length != 13) return std::nullopt;
  if (in.size() < 16 || std::memcmp(in.data() + 12, "IHDR", 4) != 0) return std::nullopt;
  if (!GetBe32(in, 16, width) || !GetBe32(in, 20, height)) return std::nullopt;
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
  size_t at = 8;
  for (;;) {
    if (!GetBe32(in, at, length) || length > kMaxSide) return std::nullopt;
    uint64_t end = uint64_t{at} + 12 + length;
    if (end > in.size()) return std::nullopt;
    bool last = std::memcmp(in.data() + at + 4, "IEND", 4) == 0;
    at = static_cast<size_t>(end);
    if (last) break;
  }
  return ImageInfo{ImageFormat::Png, static_cast<int32_t>(width), static_cast<int32_t>(height)};
}

// One image inside an icon file: a PNG or a bitmap header with its colour
// bitmap (the mask after it is optional for alpha images, so not required).
bool IconImageComplete(std::span<const uint8_t> image) {
  if (StartsWith(image, kPngSignature, sizeof kPngSignature)) return ProbePng(image).has_value();
  uint32_t headerSize = 0, width = 0, doubleHeight = 0, bits = 0, colours = 0;
  if (!GetLe(image, 0, 4, headerSize) || headerSize < 40 || headerSize > image.size()) return false;
  if (!GetLe(image, 4, 4, width) || !GetLe(image, 8, 4, doubleHeight) ||
      !GetLe(image, 14, 2, bits) || !GetLe(image, 32, 4, colours))
    return false;
  if (width == 0 || width > 256 || doubleHeight < 2 || doubleHeight > 512 || !ValidBitDepth(bits))
    return false;
  uint64_t palette = bits <= 8 ? (colours ? colours : 1u << bits) * uint64_t{4} : 0;
  uint64_t needed = headerSize + palette + RowBytes(width, bits) * (doubleHeight / 2);
  return needed <= image.size();
}

// Icon: the directory, then every image it lists, each inside the file. The
// size reported is that of the largest image (a side of 0 means 256).
std::optional<ImageInfo> ProbeIco(std::span<const uint8_t> in) {
  uint32_t reserved = 0, type = 0, count = 0;
  if (!GetLe(in, 0, 2, reserved) || !GetLe(in, 2, 2, type) || !GetLe(in, 4, 2, count))
    return std::nullopt;
  if (reserved != 0 || type != 1 || count == 0) return std::nullopt;
  const uint64_t directoryEnd = 6 + uint64_t{16} * count;
  if (directoryEnd > in.size()) return std::nullopt;
  int32_t bestWidth = 0, bestHeight = 0;
  for (uint32_t i = 0; i < count; ++i) {
    size_t entry = 6 + size_t{16} * i;
    uint32_t size = 0, offset = 0;
    GetLe(in, entry + 8, 4, size);
    GetLe(in, entry + 12, 4, offset);
    if (size == 0 || offset < directoryEnd || uint64_t{offset} + size > in.size())
      return std::nullopt;
    if (!IconImageComplete(in.subspan(offset, size))) return std::nullopt;
    int32_t width = in[entry] ? in[entry] : 256;
    int32_t height = in[entry + 1] ? in[entry + 1] : 256;
    if (int64_t{width} * height > int64_t{bestWidth} * bestHeight) {
      bestWidth = width;
      bestHeight = height;
    }
  }
  return ImageInfo{ImageFormat::Ico, bestWidth, bestHeight};
}

// BMP: file header, then an old (12-byte) or a newer (40 bytes and more)
// bitmap header; uncompressed pixels must all be present.
std::optional<ImageInfo> ProbeBmp(std::span<const uint8_t> in) {
  uint32_t fileSize = 0, pixelOffset = 0, headerSize = 0;
  if (!GetLe(in, 2, 4, fileSize) || !GetLe(in, 10, 4, pixelOffset) || !GetLe(in, 14, 4, headerSize))
    return std::nullopt;
  if (fileSize != 0 && fileSize > in.size()) return std::nullopt;
  if (headerSize != 12 && headerSize < 40) return std::nullopt;
  if (uint64_t{14} + headerSize > in.size()) return std::nullopt;
  int64_t width = 0, height = 0;
  uint32_t bits = 0, compression = 0;
  if (headerSize == 12) {
    uint32_t w = 0, h = 0;
    GetLe(in, 18, 2, w);
    GetLe(in, 20, 2, h);
    GetLe(in, 24, 2, bits);
    width = w;
    height = h;
  } else {
    uint32_t w = 0, h = 0;
    GetLe(in, 18, 4, w);
    GetLe(in, 22, 4, h);
    GetLe(in, 28, 2, bits);
    GetLe(in, 30, 4, compression);
    width = static_cast<int32_t>(w);
    height = static_cast<int32_t>(h);
  }
  if (height < 0) height = -height;  // rows stored top first
  if (width <= 0 || width > kMaxSide || height == 0 || height > kMaxSide || !ValidBitDepth(bits))
    return std::nullopt;
  if (pixelOffset < 14 + headerSize || pixelOffset > in.size()) return std::nullopt;
  constexpr uint32_t kUncompressed = 0, kBitFields = 3;
  if (compression == kUncompressed || compression == kBitFields) {
    uint64_t needed =
        pixelOffset + RowBytes(static_cast<uint64_t>(width), bits) * static_cast<uint64_t>(height);
    if (needed > in.size()) return std::nullopt;
  }
  return ImageInfo{ImageFormat::Bmp, static_cast<int32_t>(width), static_cast<int32_t>(height)};
}

}  // namespace

std::optional<ImageInfo> ProbeImage(std::span<const uint8_t> bytes) {
  if (StartsWith(bytes, kPngSignature, sizeof kPngSignature)) return ProbePng(bytes);
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return ProbeBmp(bytes);
  if (bytes.size() >= 4 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0)
    return ProbeIco(bytes);
  return std::nullopt;
}

std::string_view FormatName(ImageFormat format) {
  switch (format) {
    case ImageFormat::Ico:
      return "ico";
    case ImageFormat::Png:
      return "png";
    case ImageFormat::Bmp:
      return "bmp";
  }
  return "";
}

}  // namespace platform
