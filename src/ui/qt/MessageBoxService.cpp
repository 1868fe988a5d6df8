#include "ui/qt/MessageBoxService.h"

#include <QApplication>
#include <QMessageBox>

namespace ui::widgets {

namespace {

QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case platform::kMessageCritical:
      return QMessageBox::Critical;
    case platform::kMessageExclamation:
      return QMessageBox::Warning;
    case platform::kMessageInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

class MessageBoxService final : public platform::MessageService {
 public:
  int Show(std::string_view text, int style, std::string_view title) override {
    const QString caption = title.empty() ? QString(kDefaultMessageTitle)
                                          : QString::fromUtf8(title.data(), title.size());
    QMessageBox box(IconOf(style), caption, QString::fromUtf8(text.data(), text.size()),
                    QMessageBox::Ok, QApplication::activeModalWidget());
    box.exec();
    return platform::kIdOk;
  }
};

}  // namespace

std::shared_ptr<platform::MessageService> MessageBoxes() {
  static const auto service = std::make_shared<MessageBoxService>();
  return service;
}

}  // namespace ui::widgets
