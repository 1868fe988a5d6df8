#pragma once

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include <cstdint>
#include <string_view>
#include <vector>

// The pictures of the editor's windows: image files handed over as bytes by
// the model (icons of the object, modules and templates), and the window's
// own image list of row images, keyed as the model names them.
namespace ui::widgets {

// The picture in the bytes of an image file (icon, PNG or BMP); null when
// there are none or they are not an image.
QPixmap PixmapOf(const std::vector<uint8_t>& bytes);
QIcon IconOf(const std::vector<uint8_t>& bytes);

// The window's image list: "tq" for the device; "ai", "ao", "di", "do" for
// an unconnected channel of that kind and "aiconn" ... "doconn" for a
// connected one. An unknown key has no image. Each image is drawn once, when
// first asked for, and kept with the window.
class ImageList {
 public:
  QIcon Icon(std::string_view key);

 private:
  QHash<QString, QIcon> images_;
};

}  // namespace ui::widgets
