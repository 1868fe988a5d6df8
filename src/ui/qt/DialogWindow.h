#pragma once

#include <QDialog>

#include <vector>

#include "ui/ParameterDialog.h"

class QKeyEvent;
class QLabel;
class QPushButton;
class QVBoxLayout;

// What the four edit dialogs' windows share: the caption, the parameter's
// name on top, OK and Cancel below, and the modal round. Each window adds its
// own controls in between and renders them from its dialog's state.
namespace ui::widgets {

// Runs one of the dialog's handlers; an error inside a handler ends it
// without a message, and what it had done before stays.
template <class Handler>
void Safely(Handler&& handler) {
  try {
    handler();
  } catch (...) {
  }
}

class DialogWindow : public QDialog, public DialogView {
 public:
  explicit DialogWindow(ParameterDialog& dialog);

  // While the window is shown, the system's messages are message boxes over it
  // and the message pump holds the user's input back.
  void ShowModal() override;
  void Close() override;
  void ControlsChanged() override;

 protected:
  // Where a window puts its own controls, between the name and the buttons.
  QVBoxLayout* Body() const { return body_; }
  ParameterDialog& Dialog() const { return dialog_; }
  // Shows the dialog's state in the window's own controls.
  virtual void RenderControls() = 0;
  // The window's own controls in tab order, before OK and Cancel. The first
  // one shown holds the focus when the window opens, so that what the user
  // types goes to the value at once.
  virtual std::vector<QWidget*> ValueControls() const = 0;
  // Esc and the window's close button are Cancel.
  void reject() override;
  // Enter is OK wherever the focus is, except on Cancel, which it presses.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ParameterDialog& dialog_;
  QVBoxLayout* body_;
  QLabel* lblName_;
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
};

}  // namespace ui::widgets
