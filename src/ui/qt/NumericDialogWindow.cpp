#include "ui/qt/NumericDialogWindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/qt/TextBoxForwarder.h"

namespace ui::widgets {

namespace {
QLabel* PlainLabel(const char* name) {
  auto* label = new QLabel;
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}
}  // namespace

NumericDialogWindow::NumericDialogWindow(frmCPModif1& dialog)
    : DialogWindow(dialog),
      txtNewCPValue_(new QLineEdit),
      forwarder_(new TextBoxForwarder(txtNewCPValue_, dialog)),
      lblUnits_(PlainLabel("lblUnits")),
      lblMin_(PlainLabel("lblMin")),
      lblMax_(PlainLabel("lblMax")) {
  txtNewCPValue_->setObjectName("txtNewCPValue");
  txtNewCPValue_->setMinimumWidth(160);
  auto* value = new QHBoxLayout;
  value->addWidget(txtNewCPValue_, 1);
  value->addWidget(lblUnits_);
  Body()->addLayout(value);
  auto* limits = new QFormLayout;
  limits->addRow(tr("Min Value:"), lblMin_);
  limits->addRow(tr("Max Value:"), lblMax_);
  Body()->addLayout(limits);
}

const frmCPModif1::Controls& NumericDialogWindow::State() const {
  return static_cast<const frmCPModif1&>(Dialog()).State();
}

void NumericDialogWindow::RenderControls() {
  const frmCPModif1::Controls& state = State();
  forwarder_->Render(state.txtNewCPValue);
  lblUnits_->setText(QString::fromStdString(state.lblUnits.text));
  lblMin_->setText(QString::fromStdString(state.lblMin.text));
  lblMax_->setText(QString::fromStdString(state.lblMax.text));
}

std::vector<QWidget*> NumericDialogWindow::ValueControls() const {
  return {txtNewCPValue_};
}

}  // namespace ui::widgets
