// What the editor library exports: the component finds the first two by name
// after loading the library, the first time it shows a window; a host that
// opens the editor on a file of its own (tqhost edit) finds the last two.
#include "ui/EditorLibrary.h"
#include "ui/qt/ApplicationInstance.h"
#include "ui/qt/DialogWindows.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/MessageBoxService.h"
#include "ui/qt/ObjectChooser.h"

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

extern "C" __attribute__((visibility("default"))) int TQ4600EditorHostMessage(const char* text,
                                                                              int style,
                                                                              const char* title) {
  try {
    if (!text || !ui::widgets::EnsureApplication()) return 0;
    return ui::widgets::MessageBoxes()->Show(text, style, title ? title : "");
  } catch (...) {
    return 0;
  }
}

extern "C" __attribute__((visibility("default"))) int TQ4600EditorChooseObject(
    const char* title, const char* const* cells, int rows) {
  try {
    if (!cells || rows < 0 || !ui::widgets::EnsureApplication()) return -2;
    std::vector<std::vector<std::string>> table;
    for (int row = 0; row < rows; ++row)
      table.push_back({cells[3 * row], cells[3 * row + 1], cells[3 * row + 2]});
    ui::widgets::ObjectChooser chooser(title ? title : "", table);
    return chooser.Choose();
  } catch (...) {
    return -2;
  }
}
