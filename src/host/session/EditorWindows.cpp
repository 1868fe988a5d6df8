#include "host/session/EditorWindows.h"

#include <dlfcn.h>
#include <unistd.h>

#include "platform/MessageBox.h"
#include "ui/Display.h"
#include "ui/EditorLibrary.h"

namespace host {

EditorWindows::EditorWindows(std::string pluginsFolder)
    : library_(std::move(pluginsFolder) + "/O_TQ4600/" + ui::kEditorLibraryFile) {}

bool EditorWindows::MessagesNeedBoxes() {
  return ui::DisplayAvailable() && !::isatty(STDERR_FILENO);
}

void* EditorWindows::Function(const char* name) const {
  if (!ui::DisplayAvailable()) return nullptr;
  // Kept loaded, as the component keeps it: its windows and the toolkit's
  // application outlive this call.
  void* library = dlopen(library_.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  return library ? dlsym(library, name) : nullptr;
}

bool EditorWindows::Message(const std::string& text) const {
  auto show = reinterpret_cast<ui::HostMessageFunction>(Function(ui::kHostMessageSymbol));
  return show && show(text.c_str(), platform::kMessageExclamation, "tqhost edit") != 0;
}

std::optional<int> EditorWindows::ChooseObject(
    const std::string& title, const std::vector<std::vector<std::string>>& rows) const {
  auto choose = reinterpret_cast<ui::ObjectChooserFunction>(Function(ui::kObjectChooserSymbol));
  if (!choose) return std::nullopt;
  std::vector<const char*> cells;
  for (const std::vector<std::string>& row : rows)
    for (size_t column = 0; column < 3; ++column)
      cells.push_back(column < row.size() ? row[column].c_str() : "");
  const int chosen = choose(title.c_str(), cells.data(), static_cast<int>(rows.size()));
  if (chosen < -1) return std::nullopt;
  return chosen;
}

}  // namespace host
