#include "platform/ResourceIcons.h"

#include <map>

#include "com/TextRules.h"
#include "platform/IcoEncoder.h"
#include "platform/PixelFont.h"

namespace platform {
namespace {

Raster DrawController() {
  Raster r(kIconSide, kIconSide);
  r.FillRect(2, 4, 28, 24, Rgb(0x98, 0x9c, 0xa2));
  r.FillRect(3, 5, 26, 3, Rgb(0xc8, 0xcc, 0xd0));  // front panel strip
  r.OutlineRect(2, 4, 28, 24, Rgb(0x3c, 0x40, 0x46));
  DrawText(r, 5, 11, "TQ", Rgb(0x18, 0x1c, 0x22), 2);
  r.FillRect(24, 5, 4, 3, Rgb(0x10, 0x80, 0x20));  // status LED with a lit core
  r.FillRect(25, 5, 2, 2, Rgb(0x40, 0xf0, 0x60));
  return r;
}

Raster DrawModule() {
  Raster r(kIconSide, kIconSide);
  r.FillRect(3, 2, 26, 22, Rgb(0x24, 0x64, 0xc8));
  r.OutlineRect(3, 2, 26, 22, Rgb(0x10, 0x2c, 0x6c));
  DrawText(r, 5, 6, "EB", Rgb(0xff, 0xff, 0xff), 2);
  // Edge connector: a row of gold terminal pins below the card.
  for (int x = 5; x <= 25; x += 3) r.FillRect(x, 24, 2, 6, Rgb(0xd8, 0xa8, 0x20));
  return r;
}

Raster DrawGenericObject() {
  Raster r(kIconSide, kIconSide);
  r.FillRect(5, 3, 22, 26, Rgb(0xff, 0xff, 0xff));
  r.OutlineRect(5, 3, 22, 26, Rgb(0x30, 0x30, 0x34));
  const Color line = Rgb(0x78, 0x78, 0x80);
  r.FillRect(9, 8, 14, 2, line);
  r.FillRect(9, 12, 14, 2, line);
  r.FillRect(9, 16, 14, 2, line);
  r.FillRect(9, 20, 9, 2, line);
  return r;
}

struct ResourceIcon {
  const char* name;
  Raster (*draw)();
};

constexpr ResourceIcon kIcons[] = {
    {"TQEB", DrawController},
    {"EBMODULE", DrawModule},
    {"GENOBJ", DrawGenericObject},
};

const ResourceIcon* Find(std::string_view name) {
  for (const ResourceIcon& icon : kIcons)
    if (qcom::text::EqualsNoCase(icon.name, name)) return &icon;
  return nullptr;
}

// Each icon is drawn and encoded once, on first use.
const std::vector<uint8_t>& EncodedIcon(const ResourceIcon& icon) {
  static const std::map<const ResourceIcon*, std::vector<uint8_t>> encoded = [] {
    std::map<const ResourceIcon*, std::vector<uint8_t>> all;
    for (const ResourceIcon& i : kIcons) all[&i] = EncodeIco(i.draw());
    return all;
  }();
  return encoded.at(&icon);
}

}  // namespace

std::vector<std::string> ResourceIconNames() {
  std::vector<std::string> names;
  for (const ResourceIcon& icon : kIcons) names.emplace_back(icon.name);
  return names;
}

std::optional<Raster> DrawResourceIcon(std::string_view name) {
  const ResourceIcon* icon = Find(name);
  if (!icon) return std::nullopt;
  return icon->draw();
}

qcom::ComPtr<IPicture> LoadResourcePicture(std::string_view name) {
  const ResourceIcon* icon = Find(name);
  if (!icon) return nullptr;
  return MakePicture(EncodedIcon(*icon));
}

}  // namespace platform
