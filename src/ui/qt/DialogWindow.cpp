#include "ui/qt/DialogWindow.h"

#include <QDialogButtonBox>
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

}  // namespace ui::widgets
