#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QString>

#include <string>

#include "ui/CommandBar.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace ui {
class EditorWindowModel;
}

// The window's bands as Qt menus: the menu bar band's tools as the menus of
// the bar, each sub-menu and pop-up band filled from the model's current
// tools every time it opens, and a click on a tool handed to the model with
// the tool's identifier, name and tag.
namespace ui::widgets {

class BandMenus : public QObject {
 public:
  BandMenus(EditorWindowModel& model, QMenuBar& bar);

  // Brings the bar's menus in step with the menu bar band: captions (with
  // their "&" mnemonics) and enabled states. A menu keeps its object while
  // its tool stays, so one that is open or emitting a click is never deleted.
  void RenderMenuBar();
  // Opens the band as a context menu at the position; the menu deletes
  // itself once closed.
  void PopUp(const std::string& band, const QPoint& at);

 private:
  const Band* Find(const std::string& name) const;
  // A menu filled from the band, and again each time it is about to show.
  // depth counts the menus above it, so bands that open each other in a
  // circle end instead of filling forever.
  QMenu* BandMenu(const QString& title, const std::string& band, QWidget* parent, int depth);
  void Fill(QMenu& menu, const std::string& band, int depth);

  EditorWindowModel& model_;
  QMenuBar& bar_;
  // The bar's menu of each menu bar tool, by tool name.
  QHash<QString, QMenu*> barMenus_;
};

}  // namespace ui::widgets
