#include "ui/qt/DialogWindow.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/ModalServices.h"

namespace ui::widgets {

namespace {
QString Text(const std::string& text) {
  return QString::fromStdString(text);
}
}  // namespace

DialogWindow::DialogWindow(ParameterDialog& dialog)
    : dialog_(dialog),
      body_(new QVBoxLayout),
      lblName_(new QLabel),
      cmdOK_(new QPushButton),
      cmdCancel_(new QPushButton) {
  setWindowTitle(dialog.Caption());
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  lblName_->setObjectName("lblName");
  layout->addWidget(lblName_);
  layout->addLayout(body_);
  auto* buttons = new QDialogButtonBox;
  cmdOK_->setObjectName("cmdOK");
  cmdCancel_->setObjectName("cmdCancel");
  cmdOK_->setDefault(true);
  buttons->addButton(cmdOK_, QDialogButtonBox::AcceptRole);
  buttons->addButton(cmdCancel_, QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(cmdOK_, &QPushButton::clicked, this,
          [this] { Safely([this] { dialog_.cmdOK_Click(); }); });
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { reject(); });
}

void DialogWindow::ShowModal() {
  ModalServices services;
  ControlsChanged();
  std::vector<QWidget*> order = ValueControls();
  order.insert(order.end(), {cmdOK_, cmdCancel_});
  for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  for (QWidget* control : order)
    if (!control->isHidden() && control->isEnabled()) {
      control->setFocus(Qt::OtherFocusReason);
      break;
    }
  exec();
}

void DialogWindow::Close() {
  done(QDialog::Rejected);
}

void DialogWindow::ControlsChanged() {
  if (!dialog_.Loaded()) return;
  lblName_->setText(Text(dialog_.lblName().text));
  cmdOK_->setText(Text(dialog_.cmdOK().text));
  cmdOK_->setEnabled(dialog_.cmdOK().enabled);
  cmdCancel_->setText(Text(dialog_.cmdCancel().text));
  RenderControls();
}

void DialogWindow::reject() {
  Safely([this] { dialog_.cmdCancel_Click(); });
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
    return QDialog::keyPressEvent(event);
  if (focusWidget() == cmdCancel_)
    reject();
  else if (cmdOK_->isEnabled())
    cmdOK_->click();
}

}  // namespace ui::widgets
