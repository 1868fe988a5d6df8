#include "platform/Picture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "com/ComObject.h"
#include "platform/Folders.h"
#include "platform/ImageProbe.h"

namespace platform {
namespace {

// Pictures are icons and small bitmaps; anything larger is not one of ours.
constexpr uintmax_t kMaxPictureBytes = 64u << 20;

class PictureObject final : public qcom::ComObject<IPicture> {
 public:
  PictureObject(std::vector<uint8_t> bytes, ImageInfo info)
      : bytes_(std::move(bytes)), info_(info) {}

  HRESULT get_Type(SHORT* type) override {
    if (!type) return E_POINTER;
    *type = info_.format == ImageFormat::Ico ? kPictureIcon : kPictureBitmap;
    return S_OK;
  }
  HRESULT get_Width(LONG* width) override {
    if (!width) return E_POINTER;
    *width = info_.width;
    return S_OK;
  }
  HRESULT get_Height(LONG* height) override {
    if (!height) return E_POINTER;
    *height = info_.height;
    return S_OK;
  }
  HRESULT get_Format(BSTR* format) override {
    return qcom::ReturnText(FormatName(info_.format), format);
  }
  HRESULT get_Size(LONG* size) override {
    if (!size) return E_POINTER;
    *size = static_cast<LONG>(bytes_.size());
    return S_OK;
  }
  HRESULT CopyBytes(LONG size, BYTE* buffer) override {
    if (!buffer) return E_POINTER;
    if (size < 0 || static_cast<size_t>(size) < bytes_.size()) return E_INVALIDARG;
    std::copy(bytes_.begin(), bytes_.end(), buffer);
    return S_OK;
  }

 private:
  std::vector<uint8_t> bytes_;
  ImageInfo info_;
};

}  // namespace

qcom::ComPtr<IPicture> MakePicture(std::vector<uint8_t> bytes) {
  if (bytes.size() > kMaxPictureBytes) return nullptr;
  std::optional<ImageInfo> info = ProbeImage(bytes);
  if (!info) return nullptr;
  return qcom::Make<PictureObject>(std::move(bytes), *info);
}

qcom::ComPtr<IPicture> LoadPictureFromFile(const std::string& path) {
  std::filesystem::path file = NativePath(path);
  std::error_code ec;
  if (file.empty() || !std::filesystem::is_regular_file(file, ec)) return nullptr;
  uintmax_t size = std::filesystem::file_size(file, ec);
  if (ec || size > kMaxPictureBytes) return nullptr;
  std::ifstream in(file, std::ios::binary);
  if (!in) return nullptr;
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  // A file that shrank while being read keeps only what was read.
  bytes.resize(static_cast<size_t>(in.gcount()));
  return MakePicture(std::move(bytes));
}

std::vector<uint8_t> PictureBytes(IPicture* picture) {
  LONG size = 0;
  if (!picture || FAILED(picture->get_Size(&size)) || size <= 0) return {};
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (FAILED(picture->CopyBytes(size, bytes.data()))) return {};
  return bytes;
}

}  // namespace platform
