#include "ui/qt/ObjectChooser.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ui::widgets {

ObjectChooser::ObjectChooser(const std::string& title,
                             const std::vector<std::vector<std::string>>& rows)
    : list_(new QTreeWidget) {
  setObjectName("ObjectChooser");
  setWindowTitle(QString::fromStdString(title));
  setModal(true);
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* label = new QLabel(tr("Choose the object to edit:"));
  list_->setObjectName("lwObjects");
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({tr("Object"), tr("Name"), tr("Modules")});
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list_->setMinimumWidth(420);
  for (const std::vector<std::string>& row : rows) {
    QStringList cells;
    for (const std::string& cell : row) cells << QString::fromStdString(cell);
    list_->addTopLevelItem(new QTreeWidgetItem(cells));
  }
  if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Open)->setObjectName("cmdOK");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdCancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemActivated, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  list_->setFocus();
}

int ObjectChooser::Choose() {
  if (exec() != QDialog::Accepted || !list_->currentItem()) return -1;
  return list_->indexOfTopLevelItem(list_->currentItem());
}

}  // namespace ui::widgets
