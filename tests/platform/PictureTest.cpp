#include <gtest/gtest.h>

#include <random>

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

void Put(Bytes& b, uint32_t v, int size) {
  for (int i = 0; i < size; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void PutBe(Bytes& b, uint32_t v) {
  for (int i = 3; i >= 0; --i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void PngChunk(Bytes& b, const char* type, const Bytes& data) {
  PutBe(b, static_cast<uint32_t>(data.size()));
  b.insert(b.end(), type, type + 4);
  b.insert(b.end(), data.begin(), data.end());
  PutBe(b, 0);  // checksum: not what recognition looks at
}

Bytes SmallPng(uint32_t width, uint32_t height) {
  Bytes b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  Bytes header;
  PutBe(header, width);
  PutBe(header, height);
  header.insert(header.end(), {8, 6, 0, 0, 0});
  PngChunk(b, "IHDR", header);
  PngChunk(b, "IDAT", Bytes(20, 0x55));
  PngChunk(b, "IEND", {});
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
  for (int i = 0; i < 6; ++i) Put(b, 0, 4);
  b.resize(b.size() + pixels, 0x7F);
  return b;
}

struct Described {
  SHORT type = 0;
  LONG width = 0, height = 0;
  std::string format;
  bool operator==(const Described&) const = default;
};

Described Describe(IPicture* p) {
  Described d;
  qcom::Bstr format;
  EXPECT_EQ(p->get_Type(&d.type), S_OK);
  EXPECT_EQ(p->get_Width(&d.width), S_OK);
  EXPECT_EQ(p->get_Height(&d.height), S_OK);
  EXPECT_EQ(p->get_Format(format.out()), S_OK);
  d.format = format.utf8();
  return d;
}

TEST(ResourcePicture, ThreeDistinctIconsOf32Pixels) {
  std::vector<Bytes> seen;
  for (const char* name : {"TQEB", "EBMODULE", "GENOBJ"}) {
    SCOPED_TRACE(name);
    qcom::ComPtr<IPicture> picture = platform::LoadResourcePicture(name);
    ASSERT_TRUE(picture);
    EXPECT_EQ(Describe(picture.get()), (Described{platform::kPictureIcon, 32, 32, "ico"}));

    // The file layout: directory, one 32x32 entry of 32 bits, image after it.
    Bytes bytes = platform::PictureBytes(picture.get());
    ASSERT_EQ(bytes.size(), 22u + 40 + 32 * 32 * 4 + 32 * 4);
    EXPECT_EQ(bytes[6], 32);
    EXPECT_EQ(bytes[7], 32);
    EXPECT_EQ(Le(bytes, 10, 2), 1u);
    EXPECT_EQ(Le(bytes, 12, 2), 32u);
    EXPECT_EQ(Le(bytes, 14, 4), bytes.size() - 22);
    EXPECT_EQ(Le(bytes, 18, 4), 22u);
    EXPECT_EQ(Le(bytes, 22 + 8, 4), 64u);  // colour and mask heights together

    // Pixels and mask read back as drawn; the mask marks exactly the clear pixels.
    std::optional<DecodedIcon> decoded = DecodeIco(bytes);
    ASSERT_TRUE(decoded);
    std::optional<platform::Raster> drawn = platform::DrawResourceIcon(name);
    ASSERT_TRUE(drawn);
    EXPECT_EQ(decoded->image.Pixels(), drawn->Pixels());
    int opaque = 0;
    for (size_t i = 0; i < drawn->Pixels().size(); ++i) {
      bool clear = platform::AlphaOf(drawn->Pixels()[i]) == 0;
      EXPECT_EQ(decoded->masked[i], clear) << i;
      opaque += !clear;
    }
    EXPECT_GT(opaque, 300);  // a real drawing, not an empty square
    for (const Bytes& other : seen) EXPECT_NE(bytes, other);
    seen.push_back(bytes);
  }
  EXPECT_TRUE(platform::LoadResourcePicture("ebModule"));
  EXPECT_FALSE(platform::LoadResourcePicture("TQ"));
  EXPECT_FALSE(platform::LoadResourcePicture(""));
  EXPECT_FALSE(platform::DrawResourceIcon("GENOBJX"));
}

TEST(Picture, EncodesAnySizeUpTo256) {
  platform::Raster odd(33, 5);
  odd.FillRect(0, 0, 33, 5, platform::Rgb(10, 20, 30, 128));
  odd.Set(0, 0, platform::kTransparent);
  odd.Set(32, 4, platform::kTransparent);
  Bytes bytes = platform::EncodeIco(odd);
  std::optional<DecodedIcon> decoded = DecodeIco(bytes);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->image.Pixels(), odd.Pixels());
  EXPECT_TRUE(decoded->masked[0]);
  EXPECT_TRUE(decoded->masked[4 * 33 + 32]);
  EXPECT_FALSE(decoded->masked[1]);

  Bytes big = platform::EncodeIco(platform::Raster(256, 256));
  EXPECT_EQ(big[6], 0);  // 256 is written as 0
  qcom::ComPtr<IPicture> picture = platform::MakePicture(big);
  ASSERT_TRUE(picture);
  EXPECT_EQ(Describe(picture.get()).width, 256);

  EXPECT_TRUE(platform::EncodeIco(platform::Raster(257, 1)).empty());
  EXPECT_TRUE(platform::EncodeIco(platform::Raster(0, 0)).empty());
  EXPECT_TRUE(platform::EncodeIco(platform::Raster(-3, 8)).empty());
}

TEST(Picture, LoadsIconPngAndBmpByContent) {
  TempDir dir;
  Bytes icon = platform::EncodeIco(platform::DrawLabelIcon(platform::Rgb(0x20, 0x60, 0xc0), "4AI"));
  WriteFile(dir / "4AI.ico", icon);
  WriteFile(dir / "named.png", icon);  // the name does not decide
  WriteFile(dir / "pic.dat", SmallPng(7, 3));
  WriteFile(dir / "pic.ico", SmallBmp(5, -4));

  auto loaded = [&](const std::string& path) {
    qcom::ComPtr<IPicture> p = platform::LoadPictureFromFile(path);
    return p ? Describe(p.get()) : Described{};
  };
  const Described ico{platform::kPictureIcon, 32, 32, "ico"};
  EXPECT_EQ(loaded(dir / "4AI.ico"), ico);
  EXPECT_EQ(platform::PictureBytes(platform::LoadPictureFromFile(dir / "4AI.ico").get()), icon);
  EXPECT_EQ(loaded(dir / "named.png"), ico);
  EXPECT_EQ(loaded(dir / "pic.dat"), (Described{platform::kPictureBitmap, 7, 3, "png"}));
  EXPECT_EQ(loaded(dir.path() + "\\pic.ico"), (Described{platform::kPictureBitmap, 5, 4, "bmp"}));

  EXPECT_FALSE(platform::LoadPictureFromFile(dir / "missing.ico"));
  EXPECT_FALSE(platform::LoadPictureFromFile(dir.path()));
  EXPECT_FALSE(platform::LoadPictureFromFile(""));
  WriteFile(dir / "empty.ico", "");
  EXPECT_FALSE(platform::LoadPictureFromFile(dir / "empty.ico"));
  WriteFile(dir / "text.ico", "<?xml version=\"1.0\"?><Template/>");
  EXPECT_FALSE(platform::LoadPictureFromFile(dir / "text.ico"));
}

TEST(Picture, TruncatedOrDamagedImagesAreRefused) {
  const Bytes icon = platform::PictureBytes(platform::LoadResourcePicture("GENOBJ").get());
  for (const Bytes& whole : {icon, SmallPng(2, 2), SmallBmp(3, 2)}) {
    ASSERT_TRUE(platform::MakePicture(whole));
    for (size_t n = 0; n < whole.size(); ++n)
      EXPECT_FALSE(platform::MakePicture(Bytes(whole.begin(), whole.begin() + n))) << n;
  }
  TempDir dir;
  WriteFile(dir / "cut.ico", Bytes(icon.begin(), icon.begin() + 100));
  EXPECT_FALSE(platform::LoadPictureFromFile(dir / "cut.ico"));

  // Damaged headers.
  auto patched = [](Bytes b, size_t at, uint32_t v, int size) {
    for (int i = 0; i < size; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
    return platform::MakePicture(std::move(b));
  };
  EXPECT_FALSE(patched(icon, 4, 0xFFFF, 2));       // more images than the file holds
  EXPECT_FALSE(patched(icon, 4, 0, 2));            // no image
  EXPECT_FALSE(patched(icon, 2, 2, 2));            // a cursor, not an icon
  EXPECT_FALSE(patched(icon, 18, 0xFFFFFFF0, 4));  // image offset past the end
  EXPECT_FALSE(patched(icon, 18, 2, 4));           // image inside the directory
  EXPECT_FALSE(patched(icon, 14, 0xFFFFFFFF, 4));  // image size past the end
  EXPECT_FALSE(patched(icon, 22 + 14, 7, 2));      // no such bit depth
  EXPECT_FALSE(patched(icon, 22 + 8, 200, 4));     // colour bitmap larger than the image

  const Bytes png = SmallPng(4, 4);
  EXPECT_FALSE(patched(png, 16, 0, 4));           // width 0 (big-endian field, zeroed)
  EXPECT_FALSE(patched(png, 33, 0xFFFFFFFF, 4));  // chunk longer than the file
  EXPECT_FALSE(patched(png, 12, 0x54414449, 4));  // first chunk is not the header

  const Bytes bmp = SmallBmp(3, 2);
  EXPECT_FALSE(patched(bmp, 18, 0, 4));           // width 0
  EXPECT_FALSE(patched(bmp, 22, 0x80000000, 4));  // height that cannot be negated
  EXPECT_FALSE(patched(bmp, 28, 5, 2));           // no such bit depth
  EXPECT_FALSE(patched(bmp, 10, 0xFFFF, 4));      // pixels past the end
  EXPECT_FALSE(patched(bmp, 14, 20, 4));          // unknown header size
  EXPECT_FALSE(patched(bmp, 2, 0x10000, 4));      // file claims more bytes than it has

  EXPECT_FALSE(platform::MakePicture({}));
  EXPECT_FALSE(platform::MakePicture({'B', 'M'}));
  EXPECT_FALSE(platform::MakePicture({0, 0, 1, 0}));
}

TEST(Picture, RandomDamageNeverCrashes) {
  std::mt19937 random(4600);
  const Bytes samples[] = {platform::PictureBytes(platform::LoadResourcePicture("TQEB").get()),
                           SmallPng(3, 3), SmallBmp(2, 2)};
  for (const Bytes& sample : samples)
    for (int round = 0; round < 2000; ++round) {
      Bytes b = sample;
      int flips = 1 + static_cast<int>(random() % 4);
      for (int i = 0; i < flips; ++i) {
        // Mostly the headers, where the sizes and offsets are.
        size_t at = random() % std::min<size_t>(b.size(), random() % 2 ? 70 : b.size());
        b[at] = static_cast<uint8_t>(random());
      }
      if (random() % 3 == 0) b.resize(random() % b.size());
      qcom::ComPtr<IPicture> p = platform::MakePicture(b);
      if (!p) continue;
      Described d = Describe(p.get());
      EXPECT_GT(d.width, 0);
      EXPECT_GT(d.height, 0);
      EXPECT_EQ(platform::PictureBytes(p.get()), b);
    }
}

TEST(Picture, InterfaceContract) {
  qcom::ComPtr<IPicture> p = platform::LoadResourcePicture("TQEB");
  ASSERT_TRUE(p);
  LONG size = 0;
  ASSERT_EQ(p->get_Size(&size), S_OK);
  Bytes buffer(static_cast<size_t>(size) + 4, 0xAB);
  EXPECT_EQ(p->CopyBytes(size - 1, buffer.data()), E_INVALIDARG);
  EXPECT_EQ(buffer[0], 0xAB);  // nothing copied on refusal
  EXPECT_EQ(p->CopyBytes(size + 4, buffer.data()), S_OK);
  EXPECT_EQ(buffer[size], 0xAB);  // not written past the picture
  EXPECT_EQ(p->CopyBytes(size, nullptr), E_POINTER);
  EXPECT_EQ(p->get_Width(nullptr), E_POINTER);
  EXPECT_EQ(p->get_Format(nullptr), E_POINTER);

  EXPECT_TRUE(qcom::QueryAs<IDispatch>(p.get()));
  EXPECT_TRUE(qcom::QueryAs<IUnknown>(p.get()));
  EXPECT_EQ(qcom::QueryAs<IPicture>(qcom::QueryAs<IUnknown>(p.get()).get()), p);
  EXPECT_TRUE(platform::PictureBytes(nullptr).empty());
}

}  // namespace
