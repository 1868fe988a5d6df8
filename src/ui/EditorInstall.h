#pragma once

// Makes the component's objects open this editor: installs the factory the
// application object asks when it needs its window.
namespace ui {
void InstallEditorFactory();
// Gives every parameter created afterwards the edit dialog of its kind.
void InstallEditDialogFactory();
// Shows the dialogs and the editor window in the windows of the editor library
// (when a display is there).
void InstallEditorLibrary();
}  // namespace ui
