#pragma once

#include "ui/frmCPModif1.h"
#include "ui/qt/DialogWindow.h"

class QLabel;
class QLineEdit;

namespace ui::widgets {

class TextBoxForwarder;

// The numeric dialog: the value with its unit on the right, and the limits.
class NumericDialogWindow final : public DialogWindow {
 public:
  explicit NumericDialogWindow(frmCPModif1& dialog);

 private:
  void RenderControls() override;
  std::vector<QWidget*> ValueControls() const override;
  const frmCPModif1::Controls& State() const;

  QLineEdit* txtNewCPValue_;
  TextBoxForwarder* forwarder_;
  QLabel* lblUnits_;
  QLabel* lblMin_;
  QLabel* lblMax_;
};

}  // namespace ui::widgets
