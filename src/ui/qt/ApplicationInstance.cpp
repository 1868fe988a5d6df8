#include "ui/qt/ApplicationInstance.h"

#include <QApplication>

namespace ui::widgets {

bool EnsureApplication() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) return true;
  if (QCoreApplication::instance()) return false;
  static int argc = 1;
  static char name[] = "O_TQ4600";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives as long as the process
  return true;
}

}  // namespace ui::widgets
