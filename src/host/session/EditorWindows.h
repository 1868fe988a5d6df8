#pragma once

#include <optional>
#include <string>
#include <vector>

// The windows tqhost edit opens of its own, before any object shows its
// editor: the choice of the object to edit and the messages a user started
// from a file manager must see, having no terminal. They come from the
// component's editor library in the plug-in folder, which the object's
// window loads anyway, so tqhost itself never links a toolkit.
namespace host {

class EditorWindows {
 public:
  explicit EditorWindows(std::string pluginsFolder);

  // Whether messages go to a message box as well as to standard error: there
  // is a display, and standard error is no terminal the user watches.
  static bool MessagesNeedBoxes();
  // Shows one line as a message box; false when none can be shown.
  bool Message(const std::string& text) const;
  // The object the user picks from rows of number, user name and modules:
  // its 0-based row, -1 when the user cancels; nullopt when no window can
  // be shown.
  std::optional<int> ChooseObject(const std::string& title,
                                  const std::vector<std::vector<std::string>>& rows) const;

 private:
  void* Function(const char* name) const;
  std::string library_;
};

}  // namespace host
