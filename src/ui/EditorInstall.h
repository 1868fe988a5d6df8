#pragma once

// Makes the component's objects open this editor: installs the factory the
// application object asks when it needs its window.
namespace ui {
void InstallEditorFactory();
}
