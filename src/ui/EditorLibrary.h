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

// What the library offers a host that opens the editor on a file of its own
// before any object shows its window, in plain C terms so that the host needs
// none of the editor's code: a message box, and the choice of the object.
// int (const char* text, int style, const char* title): the box's answer, 0
// when no box can be shown.
constexpr const char* kHostMessageSymbol = "TQ4600EditorHostMessage";
using HostMessageFunction = int (*)(const char*, int, const char*);
// int (const char* title, const char* const* cells, int rows): the 0-based
// row chosen, -1 when cancelled, -2 when no window can be shown; cells holds
// three texts per row (number, user name, modules).
constexpr const char* kObjectChooserSymbol = "TQ4600EditorChooseObject";
using ObjectChooserFunction = int (*)(const char*, const char* const*, int);

// Views made by the editor library; no view (the dialog behaves as cancelled)
// without a display or when the library cannot be loaded, which is said once.
std::unique_ptr<DialogView> EditorLibraryView(ParameterDialog& dialog);
// The editor window's view made by the library; none (the window stays open
// without being drawn) without a display or when the library has no window.
std::unique_ptr<MainWindowView> EditorLibraryWindow(EditorWindowModel& window);

}  // namespace ui
