#include "ui/qt/BandMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/EditorWindowModel.h"
#include "ui/qt/Pixmaps.h"

namespace ui::widgets {

namespace {
// Deeper than any band of the window opens.
constexpr int kMaxMenuDepth = 8;

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}
}  // namespace

BandMenus::BandMenus(EditorWindowModel& model, QMenuBar& bar)
    : QObject(&bar), model_(model), bar_(bar) {}

const Band* BandMenus::Find(const std::string& name) const {
  for (const Band& band : model_.CommandBands())
    if (band.name == name) return &band;
  return nullptr;
}

void BandMenus::RenderMenuBar() {
  for (const Band& band : model_.CommandBands()) {
    if (band.kind != BandKind::MenuBar) continue;
    for (const Tool& tool : band.tools) {
      QMenu*& menu = barMenus_[Text(tool.name)];
      if (!menu) {
        menu = BandMenu(Text(tool.caption), tool.subBand, &bar_, 0);
        bar_.addMenu(menu);
      }
      menu->setTitle(Text(tool.caption));
      menu->menuAction()->setEnabled(tool.enabled);
      menu->menuAction()->setVisible(tool.visible && !tool.separator);
    }
  }
}

void BandMenus::PopUp(const std::string& band, const QPoint& at) {
  QMenu* menu = BandMenu({}, band, bar_.window(), 0);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(at);
}

QMenu* BandMenus::BandMenu(const QString& title, const std::string& band, QWidget* parent,
                           int depth) {
  auto* menu = new QMenu(title, parent);
  menu->setObjectName(Text(band));
  menu->setToolTipsVisible(true);
  Fill(*menu, band, depth);
  connect(menu, &QMenu::aboutToShow, this, [this, menu, band, depth] { Fill(*menu, band, depth); });
  return menu;
}

void BandMenus::Fill(QMenu& menu, const std::string& band, int depth) {
  // Sub-menus of the last filling go once the event that opened this one is
  // over; none of them is open while its parent is about to open.
  for (QMenu* sub : menu.findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) sub->deleteLater();
  menu.clear();
  const Band* found = depth <= kMaxMenuDepth ? Find(band) : nullptr;
  if (!found) return;
  for (const Tool& tool : found->tools) {
    if (!tool.visible) continue;
    if (tool.separator) {
      menu.addSeparator();
      continue;
    }
    QAction* action = nullptr;
    if (!tool.subBand.empty()) {
      action = menu.addMenu(BandMenu(Text(tool.caption), tool.subBand, &menu, depth + 1));
    } else {
      action = menu.addAction(Text(tool.caption));
      // The command runs once the menu has closed and its own event is over:
      // a command may run the event loop (its dialogs, the saving after it),
      // which lets go of closed menus, and this one must not be among them
      // while it still handles the key or click.
      connect(action, &QAction::triggered, this,
              [this, id = tool.id, name = tool.name, tag = tool.tag] {
                QMetaObject::invokeMethod(
                    this, [this, id, name, tag] { model_.ToolClick(id, name, tag); },
                    Qt::QueuedConnection);
              });
    }
    action->setObjectName(Text(tool.name));
    action->setIcon(IconOf(tool.picture));
    // A parameter's description shows on pointing at it, in the menu and in
    // the status line.
    action->setStatusTip(Text(tool.tooltip.empty() ? tool.description : tool.tooltip));
    if (!tool.tooltip.empty()) action->setToolTip(Text(tool.tooltip));
    action->setEnabled(tool.enabled);
  }
}

}  // namespace ui::widgets
