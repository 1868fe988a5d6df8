#include "ui/EditorLibrary.h"

#include <dlfcn.h>

#include <cstdlib>
#include <string>

#include "modules/ComponentLocation.h"
#include "platform/MessageBox.h"

namespace ui {

namespace {

using MakeView = DialogView* (*)(ParameterDialog*);

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// Loaded once per process and kept: the windows it made may outlive any one
// use, and the toolkit cannot be unloaded once it has run.
MakeView LoadedLibrary() {
  static const MakeView make = []() -> MakeView {
    const std::string path = modules::ComponentFolder() + kEditorLibraryFile;
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    void* symbol = library ? dlsym(library, kDialogViewSymbol) : nullptr;
    if (!symbol) {
      const char* why = dlerror();
      platform::ShowMessage("The editor library " + path + " cannot be loaded" +
                                (why ? std::string(": ") + why : std::string()),
                            platform::kMessageCritical, "");
      return nullptr;
    }
    return reinterpret_cast<MakeView>(symbol);
  }();
  return make;
}

}  // namespace

bool DisplayAvailable() {
  return Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM");
}

std::unique_ptr<DialogView> EditorLibraryView(ParameterDialog& dialog) {
  if (!DisplayAvailable()) return nullptr;
  MakeView make = LoadedLibrary();
  return std::unique_ptr<DialogView>(make ? make(&dialog) : nullptr);
}

}  // namespace ui
