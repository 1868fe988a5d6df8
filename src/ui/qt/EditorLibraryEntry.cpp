// What the editor library exports: the component finds it by name after
// loading the library, the first time it shows a window.
#include "ui/EditorLibrary.h"
#include "ui/qt/ApplicationInstance.h"
#include "ui/qt/DialogWindows.h"
#include "ui/qt/MainWindow.h"

extern "C" __attribute__((visibility("default"))) ui::DialogView* TQ4600EditorDialogView(
    ui::ParameterDialog* dialog) {
  try {
    if (!dialog || !ui::widgets::EnsureApplication()) return nullptr;
    return ui::widgets::MakeDialogWindow(*dialog).release();
  } catch (...) {
    return nullptr;
  }
}

extern "C" __attribute__((visibility("default"))) ui::MainWindowView* TQ4600EditorMainWindowView(
    ui::EditorWindowModel* model) {
  try {
    if (!model || !ui::widgets::EnsureApplication()) return nullptr;
    return new ui::widgets::MainWindow(*model);
  } catch (...) {
    return nullptr;
  }
}
