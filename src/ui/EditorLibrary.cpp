#include "ui/EditorLibrary.h"

#include <dlfcn.h>

#include <string>

#include "modules/ComponentLocation.h"
#include "platform/MessageBox.h"

namespace ui {

namespace {

using MakeView = DialogView* (*)(ParameterDialog*);
using MakeWindow = MainWindowView* (*)(EditorWindowModel*);

// Loaded once per process and kept: the windows it made may outlive any one
// use, and the toolkit cannot be unloaded once it has run. Null when the
// library cannot be loaded or makes no dialogs, which is said once.
void* LoadedLibrary() {
  static void* const library = []() -> void* {
    const std::string path = modules::ComponentFolder() + kEditorLibraryFile;
    void* loaded = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!loaded || !dlsym(loaded, kDialogViewSymbol)) {
      const char* why = dlerror();
      platform::ShowMessage("The editor library " + path + " cannot be loaded" +
                                (why ? std::string(": ") + why : std::string()),
                            platform::kMessageCritical, "");
      return nullptr;
    }
    return loaded;
  }();
  return library;
}

// The library's function of that name; null without a display or library.
void* LibraryFunction(const char* name) {
  if (!DisplayAvailable()) return nullptr;
  void* library = LoadedLibrary();
  return library ? dlsym(library, name) : nullptr;
}

}  // namespace

std::unique_ptr<DialogView> EditorLibraryView(ParameterDialog& dialog) {
  auto make = reinterpret_cast<MakeView>(LibraryFunction(kDialogViewSymbol));
  return std::unique_ptr<DialogView>(make ? make(&dialog) : nullptr);
}

std::unique_ptr<MainWindowView> EditorLibraryWindow(EditorWindowModel& window) {
  auto make = reinterpret_cast<MakeWindow>(LibraryFunction(kMainWindowViewSymbol));
  return std::unique_ptr<MainWindowView>(make ? make(&window) : nullptr);
}

}  // namespace ui
