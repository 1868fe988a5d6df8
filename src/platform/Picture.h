#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "com/Bstr.h"
#include "com/ComPtr.h"
#include "platform/Api.h"

namespace qcom {

// A picture as the system hands it around: the bytes of an image file (icon,
// PNG or BMP) with its kind and size. Whoever shows it decodes the bytes.
struct IPicture : IDispatch {
  QCOM_IDENTITY(IDispatch, "1BFB204B-D4A3-4E52-80B8-88F1E3DA65E5");
  // kPictureIcon or kPictureBitmap.
  virtual HRESULT get_Type(SHORT* type) = 0;
  // Pixels; for an icon file those of its largest image.
  virtual HRESULT get_Width(LONG* width) = 0;
  virtual HRESULT get_Height(LONG* height) = 0;
  // "ico", "png" or "bmp".
  virtual HRESULT get_Format(BSTR* format) = 0;
  // Bytes of the image file.
  virtual HRESULT get_Size(LONG* size) = 0;
  // Copies all bytes into buffer; E_INVALIDARG when size is smaller than Size.
  virtual HRESULT CopyBytes(LONG size, BYTE* buffer) = 0;

 protected:
  ~IPicture() = default;
};

}  // namespace qcom

namespace platform {
using ::qcom::BSTR;
using ::qcom::Bstr;
using ::qcom::BYTE;
using ::qcom::ComPtr;
using ::qcom::HRESULT;
using ::qcom::IDispatch;
using ::qcom::IPicture;
using ::qcom::LONG;
using ::qcom::SHORT;

constexpr SHORT kPictureBitmap = 1;
constexpr SHORT kPictureIcon = 3;

// A picture over the bytes of an image file, recognised by content; null for
// an unknown, damaged or truncated image.
QPLATFORM_API qcom::ComPtr<IPicture> MakePicture(std::vector<uint8_t> bytes);

// The picture in a file ("\" counts as "/"); null for a missing, unreadable or
// unrecognised file.
QPLATFORM_API qcom::ComPtr<IPicture> LoadPictureFromFile(const std::string& path);

// The bytes of a picture (empty for null).
QPLATFORM_API std::vector<uint8_t> PictureBytes(IPicture* picture);

}  // namespace platform
