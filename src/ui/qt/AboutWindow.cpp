#include "ui/qt/AboutWindow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/qt/Pixmaps.h"

namespace ui::widgets {

namespace {
QLabel* Label(const std::string& text, const char* name) {
  auto* label = new QLabel(QString::fromStdString(text));
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}
}  // namespace

AboutWindow::AboutWindow(const AboutBox& about, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromStdString(about.caption));
  setModal(true);
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* logo = new QLabel;
  logo->setObjectName("ImgLogo");
  logo->setPixmap(PixmapOf(about.logo));
  logo->setAlignment(Qt::AlignTop);
  QLabel* title = Label(about.title, "lblTitle");
  QFont bold = title->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.25);
  title->setFont(bold);
  auto* buttons = new QDialogButtonBox;
  QPushButton* ok =
      buttons->addButton(QString::fromStdString(about.okCaption), QDialogButtonBox::AcceptRole);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setHorizontalSpacing(16);
  layout->setContentsMargins(16, 16, 16, 12);
  layout->setColumnMinimumWidth(1, 200);
  layout->addWidget(logo, 0, 0, 2, 1);
  layout->addWidget(title, 0, 1);
  layout->addWidget(Label(about.version, "lblVersion"), 1, 1);
  layout->addWidget(buttons, 2, 0, 1, 2);
}

}  // namespace ui::widgets
