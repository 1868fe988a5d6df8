#pragma once

#include <array>

#include "ui/frmCPModif5.h"
#include "ui/qt/DialogWindow.h"

class QLabel;

namespace ui::widgets {

// The bit-field dialog: "High Byte" above "Low Byte", eight cells each, the
// most significant bit on the left. A double-click toggles a cell; so does
// Space on the cell that has the keyboard focus, and the arrow keys move the
// focus from cell to cell.
class BitDialogWindow final : public DialogWindow {
 public:
  explicit BitDialogWindow(frmCPModif5& dialog);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RenderControls() override;
  // The bits from the most significant one on.
  std::vector<QWidget*> ValueControls() const override;
  // The bit cell an arrow key moves to from bit i, if it is shown.
  QLabel* Neighbour(int i, int key) const;
  const frmCPModif5::Controls& State() const;

  std::array<QLabel*, 16> bit_{};
  QLabel* lblHighByte_;
};

}  // namespace ui::widgets
