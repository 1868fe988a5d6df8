#include "ui/qt/Pixmaps.h"

#include <QImage>

#include <algorithm>
#include <iterator>

#include "platform/LabelIcon.h"
#include "platform/ResourceIcons.h"

namespace ui::widgets {

namespace {

QPixmap PixmapOf(const platform::Raster& raster) {
  // A raster's pixels are 0xAARRGGBB words, the image format's own layout.
  const QImage image(reinterpret_cast<const uchar*>(raster.Pixels().data()), raster.Width(),
                     raster.Height(), raster.Width() * 4, QImage::Format_ARGB32);
  return QPixmap::fromImage(image.copy());
}

QIcon DrawImage(std::string_view key) {
  if (key == "tq") {
    auto device = platform::DrawResourceIcon("TQEB");
    return device ? QIcon(PixmapOf(*device)) : QIcon();
  }
  // A channel's kind on a tile: grey while unconnected, green once connected.
  constexpr std::string_view kKinds[] = {"ai", "ao", "di", "do"};
  const bool connected = key.size() == 6 && key.substr(2) == "conn";
  if (std::find(std::begin(kKinds), std::end(kKinds), key.substr(0, 2)) == std::end(kKinds) ||
      (key.size() != 2 && !connected))
    return {};
  const std::string label = {static_cast<char>(key[0] - 'a' + 'A'),
                             static_cast<char>(key[1] - 'a' + 'A')};
  const platform::Color tile =
      connected ? platform::Rgb(0x3c, 0xb0, 0x4c) : platform::Rgb(0xd4, 0xd8, 0xde);
  return QIcon(PixmapOf(platform::DrawLabelIcon(tile, label)));
}

}  // namespace

QPixmap PixmapOf(const std::vector<uint8_t>& bytes) {
  QPixmap pixmap;
  if (!bytes.empty()) pixmap.loadFromData(bytes.data(), static_cast<uint>(bytes.size()));
  return pixmap;
}

QIcon IconOf(const std::vector<uint8_t>& bytes) {
  const QPixmap pixmap = PixmapOf(bytes);
  return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

QIcon ImageList::Icon(std::string_view key) {
  const QString name = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
  auto found = images_.constFind(name);
  if (found != images_.constEnd()) return *found;
  return images_.insert(name, DrawImage(key)).value();
}

}  // namespace ui::widgets
