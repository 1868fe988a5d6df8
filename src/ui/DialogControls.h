#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// The state of the edit dialogs' controls, without any toolkit: a widget layer
// renders these and forwards the user's keys and clicks to the dialog.
namespace ui {

// Key codes and characters the dialogs filter.
constexpr char32_t kKeyBackspace = 8;
constexpr char32_t kKeyEnter = 13;
constexpr char32_t kKeyEscape = 27;
constexpr int kKeyCodeDelete = 46;

struct Control {
  std::string text;
  bool enabled = true;
  bool visible = true;
};

// A one-line text box. Positions count UTF-16 code units, as the text rules do
// and as a widget reports its caret.
struct TextBox : Control {
  size_t selStart = 0;
  size_t selLength = 0;
  bool focused = false;

  size_t Length() const;
  // The whole text is selected; an empty text always is.
  bool WholeSelected() const { return selLength == Length(); }
  bool CaretAtEnd() const { return selStart == Length(); }
  void SelectAll();
  void Select(size_t start, size_t length) {
    selStart = start;
    selLength = length;
  }
  void CaretToEnd();
  // Replaces the selection by the text and puts the caret after it.
  void ReplaceSelection(std::string_view with);
  // Removes the selection, else the character before the caret.
  void DeleteBack();
  // Removes the selection, else the character after the caret.
  void DeleteForward();
};

// What a key did: whether the box took the character, and the text after it.
struct KeyAnswer {
  bool accepted = false;
  std::string text;
};

// The text of one typed character.
std::string CharacterText(char32_t key);

class ParameterDialog;

// The window of a dialog, as a toolkit implements it.
class DialogView {
 public:
  virtual ~DialogView() = default;
  // Shows the window modally; returns when it is closed.
  virtual void ShowModal() = 0;
  // Closes the window (OK and Cancel).
  virtual void Close() = 0;
  // The dialog's controls changed: render them again.
  virtual void ControlsChanged() = 0;
};

using DialogViewFactory = std::function<std::unique_ptr<DialogView>(ParameterDialog& dialog)>;

}  // namespace ui
