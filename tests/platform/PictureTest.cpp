#include <gtest/gtest.h>

#include "IconBytes.h"
#include "com/Bstr.h"
#include "platform/IcoEncoder.h"
#include "platform/LabelIcon.h"
#include "platform/Picture.h"
#include "platform/ResourceIcons.h"
#include "support/TempDir.h"

namespace {

using testing_support::TempDir;
using testing_support::WriteFile;
using Bytes = std::vector<uint8_t>;

void Put(Bytes& b, uint32_t v, int size, bool bigEndian = false) {
  for (int i = 0; i < size; ++i)
    b.push_back(static_cast<uint8_t>(v >> (8 * (bigEndian ? size - 1 - i : i))));
}

// A PNG of the given size: signature, header, some data and the end (checksums left zero).
Bytes SmallPng(uint32_t width, uint32_t height) {
  Bytes b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  Put(b, width, 4, true);
  Put(b, height, 4, true);
  b.insert(b.end(), {8, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20, 'I', 'D', 'A', 'T'});
  b.resize(b.size() + 24, 0x55);
  b.insert(b.end(), {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0, 0, 0, 0});
  return b;
}

// A 24-bit bitmap with a 40-byte header; negative height means top row first.
Bytes SmallBmp(int32_t width, int32_t height) {
  uint32_t stride = (static_cast<uint32_t>(width) * 24 + 31) / 32 * 4;
  uint32_t pixels = stride * static_cast<uint32_t>(height < 0 ? -height : height);
  Bytes b = {'B', 'M'};
  for (uint32_t field :
       {54 + pixels, 0u, 54u, 40u, static_cast<uint32_t>(width), static_cast<uint32_t>(height)})
    Put(b, field, 4);
  Put(b, 1, 2);
  Put(b, 24, 2);
  b.resize(b.size() + 24 + pixels, 0);
  return b;
}

// Type, width, height and format of a picture, "none" for null.
std::string Describe(IPicture* p) {
  if (!p) return "none";
  SHORT type = 0;
  LONG width = 0, height = 0;
  qcom::Bstr format;
  EXPECT_EQ(p->get_Type(&type) | p->get_Width(&width) | p->get_Height(&height) |
                p->get_Format(format.out()),
            S_OK);
  return std::to_string(type) + " " + std::to_string(width) + "x" + std::to_string(height) + " " +
         format.utf8();
}

// The encoder's pixels and mask are checked below; here the compiled-in drawings.
TEST(ResourcePicture, ThreeDistinctIconsOf32Pixels) {
  std::vector<Bytes> seen;
  // The drawings are pinned by a hash of their pixels: changing an icon is a deliberate act.
  const std::pair<const char*, uint64_t> icons[] = {{"TQEB", 10231065695970123741u},
                                                    {"EBMODULE", 17795350997280717389u},
                                                    {"GENOBJ", 11266260813199569033u}};
  for (auto [name, hash] : icons) {
    qcom::ComPtr<IPicture> picture = platform::LoadResourcePicture(name);
    EXPECT_EQ(Describe(picture.get()), "3 32x32 ico") << name;
    Bytes bytes = platform::PictureBytes(picture.get());
    std::optional<platform::Raster> drawn = platform::DrawResourceIcon(name);
    ASSERT_TRUE(drawn);
    EXPECT_EQ(bytes, platform::EncodeIco(*drawn));
    int opaque = 0;
    for (platform::Color c : drawn->Pixels()) opaque += platform::AlphaOf(c) != 0;
    EXPECT_GT(opaque, 300) << name;  // a real drawing, not an empty square
    uint64_t fnv = 14695981039346656037u;
    for (platform::Color c : drawn->Pixels()) fnv = (fnv ^ c) * 1099511628211u;
    EXPECT_EQ(fnv, hash) << name;
    for (const Bytes& other : seen) EXPECT_NE(bytes, other) << name;
    seen.push_back(bytes);
  }
  EXPECT_TRUE(platform::LoadResourcePicture("ebModule"));
  EXPECT_FALSE(platform::LoadResourcePicture("TQ"));
  EXPECT_FALSE(platform::DrawResourceIcon("GENOBJX"));
}

TEST(Picture, EncodesAnySizeUpTo256) {
  platform::Raster odd(33, 5);
  odd.FillRect(0, 0, 33, 5, platform::Rgb(10, 20, 30, 128));
  odd.Set(0, 0, platform::kTransparent);
  odd.Set(32, 4, platform::kTransparent);
  std::optional<DecodedIcon> decoded = DecodeIco(platform::EncodeIco(odd));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->image.Pixels(), odd.Pixels());
  std::vector<bool> clear(33 * 5, false);  // the mask marks exactly the clear pixels
  clear[0] = clear[4 * 33 + 32] = true;
  EXPECT_EQ(decoded->masked, clear);

  // The file layout: directory, one entry of 32 bits, image after it.
  Bytes bytes = platform::EncodeIco(odd);
  ASSERT_EQ(bytes.size(), 22u + 40 + 33 * 5 * 4 + 8 * 5);
  EXPECT_EQ(std::vector<uint32_t>({bytes[6], bytes[7], Le(bytes, 10, 2), Le(bytes, 12, 2),
                                   Le(bytes, 14, 4), Le(bytes, 18, 4), Le(bytes, 30, 4)}),
            std::vector<uint32_t>({33, 5, 1, 32, uint32_t(bytes.size() - 22), 22, 10}));
  Bytes big = platform::EncodeIco(platform::Raster(256, 256));
  EXPECT_EQ(big[6], 0);  // 256 is written as 0
  EXPECT_EQ(Describe(platform::MakePicture(big).get()), "3 256x256 ico");
  for (platform::Raster refused :
       {platform::Raster(257, 1), platform::Raster(0, 0), platform::Raster(-3, 8)})
    EXPECT_TRUE(platform::EncodeIco(refused).empty());
}

TEST(Picture, LoadsIconPngAndBmpByContent) {
  TempDir dir;
  Bytes icon = platform::EncodeIco(platform::DrawLabelIcon(platform::Rgb(0x20, 0x60, 0xc0), "4AI"));
  WriteFile(dir / "named.png", icon);  // the name does not decide
  WriteFile(dir / "pic.dat", SmallPng(7, 3));
  WriteFile(dir / "pic.ico", SmallBmp(5, -4));
  WriteFile(dir / "empty.ico", "");
  WriteFile(dir / "text.ico", "<?xml version=\"1.0\"?><Template/>");
  auto loaded = [&](const std::string& path) {
    return Describe(platform::LoadPictureFromFile(path).get());
  };
  EXPECT_EQ(loaded(dir / "named.png"), "3 32x32 ico");
  EXPECT_EQ(platform::PictureBytes(platform::LoadPictureFromFile(dir / "named.png").get()), icon);
  EXPECT_EQ(loaded(dir / "pic.dat"), "1 7x3 png");
  EXPECT_EQ(loaded(dir.path() + "\\pic.ico"), "1 5x4 bmp");
  for (std::string bad :
       {dir / "missing.ico", dir.path(), std::string(), dir / "empty.ico", dir / "text.ico"})
    EXPECT_EQ(loaded(bad), "none") << bad;
}

TEST(Picture, TruncatedOrDamagedImagesAreRefused) {
  const Bytes icon = platform::PictureBytes(platform::LoadResourcePicture("GENOBJ").get());
  const Bytes png = SmallPng(4, 4), bmp = SmallBmp(3, 2);
  for (const Bytes& whole : {icon, png, bmp}) {
    ASSERT_TRUE(platform::MakePicture(whole));
    for (size_t n = 0; n < whole.size(); ++n)
      EXPECT_FALSE(platform::MakePicture(Bytes(whole.begin(), whole.begin() + n))) << n;
  }
  // The image, where and what is written (little-endian, size bytes), and what that damages.
  const std::tuple<const Bytes&, size_t, uint32_t, int, const char*> cases[] = {
      {icon, 4, 0xFFFF, 2, "more images than the file holds"},
      {icon, 4, 0, 2, "no image"},
      {icon, 2, 2, 2, "a cursor, not an icon"},
      {icon, 18, 0xFFFFFFF0, 4, "image offset past the end"},
      {icon, 18, 2, 4, "image inside the directory"},
      {icon, 14, 0xFFFFFFFF, 4, "image size past the end"},
      {icon, 22 + 14, 7, 2, "no such bit depth"},
      {icon, 22 + 8, 200, 4, "colour bitmap larger than the image"},
      {png, 16, 0, 4, "width 0"},
      {png, 33, 0xFFFFFFFF, 4, "chunk longer than the file"},
      {png, 12, 0x54414449, 4, "first chunk is not the header"},
      {bmp, 18, 0, 4, "width 0"},
      {bmp, 22, 0x80000000, 4, "height that cannot be negated"},
      {bmp, 28, 5, 2, "no such bit depth"},
      {bmp, 10, 0xFFFF, 4, "pixels past the end"},
      {bmp, 14, 20, 4, "unknown header size"},
      {bmp, 2, 0x10000, 4, "file claims more bytes than it has"},
  };
  for (const auto& [image, at, value, size, damage] : cases) {
    Bytes b = image;
    for (int i = 0; i < size; ++i) b[at + i] = static_cast<uint8_t>(value >> (8 * i));
    EXPECT_FALSE(platform::MakePicture(std::move(b))) << damage;
  }
}

TEST(Picture, CopyBytesRefusesASmallBufferAndWritesNoFurther) {
  qcom::ComPtr<IPicture> p = platform::LoadResourcePicture("TQEB");
  LONG size = 0;
  ASSERT_EQ(p->get_Size(&size), S_OK);
  Bytes buffer(static_cast<size_t>(size) + 4, 0xAB);
  EXPECT_EQ(p->CopyBytes(size - 1, buffer.data()), E_INVALIDARG);
  EXPECT_EQ(buffer[0], 0xAB);  // nothing copied on refusal
  EXPECT_EQ(p->CopyBytes(size + 4, buffer.data()), S_OK);
  EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + size), platform::PictureBytes(p.get()));
  EXPECT_EQ(buffer[size], 0xAB);
  EXPECT_EQ(p->CopyBytes(size, nullptr), E_POINTER);
}

}  // namespace
