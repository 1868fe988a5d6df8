#include "ui/qt/BitDialogWindow.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace ui::widgets {

namespace {
QLabel* Label(const std::string& text) {
  auto* label = new QLabel(QString::fromStdString(text));
  label->setTextFormat(Qt::PlainText);
  return label;
}
}  // namespace

BitDialogWindow::BitDialogWindow(frmCPModif5& dialog)
    : DialogWindow(dialog), lblHighByte_(Label(dialog.State().lblHighByte.text)) {
  const frmCPModif5::Controls& state = dialog.State();
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(2);
  grid->addWidget(lblHighByte_, 0, 0);
  grid->addWidget(Label(state.lblLowByte.text), 1, 0);
  for (int i = 0; i < 16; ++i) {
    QLabel* cell = Label("0");
    cell->setObjectName(QString("bit%1").arg(i));
    cell->setAlignment(Qt::AlignCenter);
    cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    cell->setMinimumSize(24, 24);
    cell->setFocusPolicy(Qt::StrongFocus);
    cell->setStyleSheet("QLabel:focus { border: 2px solid palette(highlight); }");
    cell->installEventFilter(this);
    // Bits 15 to 8 across the upper row, 7 to 0 across the lower one.
    grid->addWidget(cell, i >= 8 ? 0 : 1, 8 - i % 8);
    bit_[i] = cell;
  }
  grid->addWidget(Label(state.lblMSB.text), 2, 1, Qt::AlignLeft);
  grid->addWidget(Label(state.lblLSB.text), 2, 8, Qt::AlignRight);
  Body()->addLayout(grid);
}

std::vector<QWidget*> BitDialogWindow::ValueControls() const {
  return {bit_.rbegin(), bit_.rend()};
}

QLabel* BitDialogWindow::Neighbour(int i, int key) const {
  int next = -1;
  if (key == Qt::Key_Left && i % 8 != 7) next = i + 1;
  if (key == Qt::Key_Right && i % 8 != 0) next = i - 1;
  if (key == Qt::Key_Up && i < 8) next = i + 8;
  if (key == Qt::Key_Down && i >= 8) next = i - 8;
  return next >= 0 && !bit_[next]->isHidden() ? bit_[next] : nullptr;
}

const frmCPModif5::Controls& BitDialogWindow::State() const {
  return static_cast<const frmCPModif5&>(Dialog()).State();
}

bool BitDialogWindow::eventFilter(QObject* watched, QEvent* event) {
  for (int i = 0; i < 16; ++i) {
    if (watched != bit_[i]) continue;
    const int key =
        event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : Qt::Key_unknown;
    if (QLabel* next = Neighbour(i, key)) {
      next->setFocus(Qt::TabFocusReason);
      return true;
    }
    const bool toggle = event->type() == QEvent::MouseButtonDblClick || key == Qt::Key_Space;
    if (!toggle) return false;
    Safely([&] { Dialog().bit_DblClick(i); });
    return true;
  }
  return DialogWindow::eventFilter(watched, event);
}

void BitDialogWindow::RenderControls() {
  const frmCPModif5::Controls& state = State();
  for (int i = 0; i < 16; ++i) {
    bit_[i]->setText(QString::fromStdString(state.bit[i].text));
    bit_[i]->setVisible(state.bit[i].visible);
  }
  lblHighByte_->setVisible(state.lblHighByte.visible);
}

}  // namespace ui::widgets
