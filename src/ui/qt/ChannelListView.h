#pragma once

#include <QHash>
#include <QString>
#include <QTreeWidget>

#include <functional>
#include <string>

#include "ports/ChannelLink.h"

namespace ui {
class EditorWindowModel;
}

// One channel list of the window in report view: a row per channel with its
// image, the columns the model's list has, several rows selectable at once.
// Mouse presses, row clicks, releases and selections go to the model in the
// order a user makes them; the context-menu key pops the channel menu up over
// the current row.
namespace ui::widgets {

class ImageList;

class ChannelListView : public QTreeWidget {
 public:
  // popUp opens the channel menu at a screen position.
  ChannelListView(EditorWindowModel& model, ports::ChannelKind kind, ImageList& images,
                  std::function<void(const QPoint&)> popUp);

  // Brings the header in step with the model list's columns.
  void RenderColumns();
  // The row of that key as the model has it now (added, changed or gone);
  // every row for an empty key.
  void RenderRows(const std::string& key);
  // Whether the list takes the focus, as the model switches it on and off.
  void RenderSwitch();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  // The menu key and Shift+F10 pop the channel menu up over the current row.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void RenderRow(int position, const QString& key);
  void ForwardSelection();
  void ForwardRowClick(QTreeWidgetItem* item);
  static QString KeyOf(const QTreeWidgetItem* item);

  EditorWindowModel& model_;
  ports::ChannelKind kind_;
  ImageList& images_;
  std::function<void(const QPoint&)> popUp_;
  QHash<QString, QTreeWidgetItem*> items_;
  // Set while the list shows the model's state, whose own changes are not
  // the user's; and while a mouse press is handled, whose row click the
  // press reports itself.
  bool rendering_ = false;
  bool pressing_ = false;
};

}  // namespace ui::widgets
