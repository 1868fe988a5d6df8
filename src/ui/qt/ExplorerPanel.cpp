#include "ui/qt/ExplorerPanel.h"

#include <QToolButton>
#include <QVBoxLayout>

#include "ui/EditorWindowModel.h"
#include "ui/ExplorerBand.h"
#include "ui/qt/Pixmaps.h"

namespace ui::widgets {

ExplorerPanel::ExplorerPanel(EditorWindowModel& model) : model_(model), buttons_(new QVBoxLayout) {
  setObjectName(ExplorerBand::kBandName);
  // A fixed part of the window: the panel cannot be closed, moved or floated.
  setFeatures(QDockWidget::NoDockWidgetFeatures);
  setTitleBarWidget(new QWidget(this));
  auto* panel = new QWidget;
  auto* layout = new QVBoxLayout(panel);
  buttons_->setSpacing(2);
  layout->addLayout(buttons_);
  layout->addStretch(1);
  panel->setMinimumWidth(128);
  setWidget(panel);
}

void ExplorerPanel::Render() {
  // The button that was clicked may be the one asking for this, so the old
  // buttons go once its event is over.
  while (QLayoutItem* item = buttons_->takeAt(0)) {
    if (QWidget* button = item->widget()) button->hide(), button->deleteLater();
    delete item;
  }
  for (const Tool& tool : model_.ExplorerButtons()) {
    auto* button = new QToolButton;
    button->setObjectName(QString::fromStdString(tool.name));
    // A module button names its slot under its caption.
    button->setText(
        QString::fromStdString(tool.note.empty() ? tool.caption : tool.caption + "\n" + tool.note));
    button->setToolTip(QString::fromStdString(tool.tooltip));
    button->setIcon(IconOf(tool.picture));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setEnabled(tool.enabled);
    connect(button, &QToolButton::clicked, this,
            [this, id = tool.id, name = tool.name, tag = tool.tag] {
              model_.ToolClick(id, name, tag);
            });
    buttons_->addWidget(button);
    // A child added to a shown panel stays hidden until told otherwise.
    button->setVisible(tool.visible);
  }
}

}  // namespace ui::widgets
