#include "ui/qt/EnumDialogWindow.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ui::widgets {

EnumDialogWindow::EnumDialogWindow(frmCPModif3& dialog)
    : DialogWindow(dialog), cboEnum_(new QComboBox) {
  cboEnum_->setObjectName("cboEnum");
  cboEnum_->setMinimumWidth(200);
  Body()->addWidget(cboEnum_);
  connect(cboEnum_, &QComboBox::activated, this, [this](int index) {
    if (index >= 0) Safely([&] { Dialog().cboEnum_Click(static_cast<size_t>(index)); });
  });
}

void EnumDialogWindow::RenderControls() {
  const frmCPModif3::Controls& state = static_cast<const frmCPModif3&>(Dialog()).State();
  QSignalBlocker quiet(cboEnum_);
  if (cboEnum_->count() != static_cast<int>(state.cboEnum.size())) {
    cboEnum_->clear();
    for (const EnumEntry& entry : state.cboEnum)
      cboEnum_->addItem(QString::fromStdString(entry.text), entry.code);
  }
  // Showing a text picks the first entry that has it, as a drop-down list does.
  cboEnum_->setCurrentIndex(cboEnum_->findText(QString::fromStdString(state.cboEnumShown.text),
                                               Qt::MatchExactly | Qt::MatchCaseSensitive));
}

std::vector<QWidget*> EnumDialogWindow::ValueControls() const {
  return {cboEnum_};
}

}  // namespace ui::widgets
