#pragma once

#include "ui/frmCPModif2.h"
#include "ui/qt/DialogWindow.h"

class QLineEdit;

namespace ui::widgets {

class TextBoxForwarder;

// The text dialog: one line of text.
class TextDialogWindow final : public DialogWindow {
 public:
  explicit TextDialogWindow(frmCPModif2& dialog);

 private:
  void RenderControls() override;
  std::vector<QWidget*> ValueControls() const override;

  QLineEdit* txtNewCPValue_;
  TextBoxForwarder* forwarder_;
};

}  // namespace ui::widgets
