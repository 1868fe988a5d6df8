#include "ui/qt/TextDialogWindow.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/qt/TextBoxForwarder.h"

namespace ui::widgets {

TextDialogWindow::TextDialogWindow(frmCPModif2& dialog)
    : DialogWindow(dialog),
      txtNewCPValue_(new QLineEdit),
      forwarder_(new TextBoxForwarder(txtNewCPValue_, dialog)) {
  txtNewCPValue_->setObjectName("txtNewCPValue");
  txtNewCPValue_->setMinimumWidth(240);
  Body()->addWidget(txtNewCPValue_);
}

void TextDialogWindow::RenderControls() {
  forwarder_->Render(static_cast<const frmCPModif2&>(Dialog()).State().txtNewCPValue);
}

std::vector<QWidget*> TextDialogWindow::ValueControls() const {
  return {txtNewCPValue_};
}

}  // namespace ui::widgets
