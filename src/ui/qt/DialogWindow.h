#pragma once

#include <QDialog>

#include "ui/ParameterDialog.h"

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
  // Esc and the window's close button are Cancel.
  void reject() override;

 private:
  ParameterDialog& dialog_;
  QVBoxLayout* body_;
  QLabel* lblName_;
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
};

}  // namespace ui::widgets
