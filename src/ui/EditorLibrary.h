#pragma once

#include "ui/DialogControls.h"
#include "ui/Display.h"
#include "ui/MainWindowView.h"

// The editor's windows live in a library of their own, TQ4600Editor.so beside
// the component, which links the widget toolkit. It is loaded the first time
// a window is to be shown on a display, so a host without a display never
// loads the toolkit at all.
namespace ui {

// The library's file name, beside the component's module.
constexpr const char* kEditorLibraryFile = "TQ4600Editor.so";
// The function the library exports to make a dialog's window:
// ui::DialogView* (ui::ParameterDialog*), null when it cannot show one.
constexpr const char* kDialogViewSymbol = "TQ4600EditorDialogView";
// The function the library exports to make the editor window's view:
// ui::MainWindowView* (ui::EditorWindowModel*), null when it cannot show one.
constexpr const char* kMainWindowViewSymbol = "TQ4600EditorMainWindowView";

// Views made by the editor library; no view (the dialog behaves as cancelled)
// without a display or when the library cannot be loaded, which is said once.
std::unique_ptr<DialogView> EditorLibraryView(ParameterDialog& dialog);
// The editor window's view made by the library; none (the window stays open
// without being drawn) without a display or when the library has no window.
std::unique_ptr<MainWindowView> EditorLibraryWindow(EditorWindowModel& window);

}  // namespace ui
