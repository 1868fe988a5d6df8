#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QTreeWidget;

// Which object of a project the editor opens on: a list of the objects by
// number, user name and modules, the first one chosen. Enter or a
// double-click opens the chosen one, Esc cancels.
namespace ui::widgets {

class ObjectChooser : public QDialog {
 public:
  // rows: one per object, its number, user name and modules.
  ObjectChooser(const std::string& title, const std::vector<std::vector<std::string>>& rows);
  // The 0-based row chosen; -1 when cancelled.
  int Choose();

 private:
  QTreeWidget* list_;
};

}  // namespace ui::widgets
