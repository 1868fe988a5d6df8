#pragma once

#include "ui/frmCPModif3.h"
#include "ui/qt/DialogWindow.h"

class QComboBox;

namespace ui::widgets {

// The enumeration dialog: a drop-down list of the members.
class EnumDialogWindow final : public DialogWindow {
 public:
  explicit EnumDialogWindow(frmCPModif3& dialog);

 private:
  void RenderControls() override;
  std::vector<QWidget*> ValueControls() const override;

  QComboBox* cboEnum_;
};

}  // namespace ui::widgets
