#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Recognises the picture formats the system stores (icon, PNG, BMP) by their
// content and reads the pixel size, checking that the file is complete enough
// to be shown. Internal to the picture code.
namespace platform {

enum class ImageFormat { Ico, Png, Bmp };

struct ImageInfo {
  ImageFormat format;
  int32_t width;
  int32_t height;
};

// Nothing for an unknown, damaged or truncated image.
std::optional<ImageInfo> ProbeImage(std::span<const uint8_t> bytes);

// "ico", "png" or "bmp".
std::string_view FormatName(ImageFormat format);

}  // namespace platform
