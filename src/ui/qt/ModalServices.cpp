#include "ui/qt/ModalServices.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "ui/qt/MessageBoxService.h"

namespace ui::widgets {

ModalServices::ModalServices()
    : messages_(MessageBoxes()), previousPump_(platform::SetMessagePump([] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      })) {}

ModalServices::~ModalServices() {
  platform::SetMessagePump(std::move(previousPump_));
}

}  // namespace ui::widgets
