#include "hostkit/GuiApplication.h"

#include <cstdlib>

#include <QApplication>

namespace hostkit {

namespace {
bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

QtMessageHandler outerHandler = nullptr;

void QuietStart(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if ((type == QtCriticalMsg || type == QtFatalMsg) && outerHandler)
    outerHandler(type, context, text);
}
}  // namespace

bool EnsureGuiApplication() {
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return true;
  if (QCoreApplication::instance()) return false;
  // Documents are only laid out and painted, never shown: without a display
  // the offscreen platform serves, where Qt would otherwise give up.
  if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY") && !IsSet("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "HZDoc";
  static char* argv[] = {name, nullptr};
  // What Qt says while it starts in a headless session (no runtime folder, no
  // display) is no business of the host's, whose standard error is its own.
  outerHandler = qInstallMessageHandler(QuietStart);
  // A widget application, though documents need no widget: the process has
  // one application for good, and the editor's windows may open in it later.
  new QApplication(argc, argv);  // lives as long as the process
  qInstallMessageHandler(outerHandler);
  return true;
}

}  // namespace hostkit
