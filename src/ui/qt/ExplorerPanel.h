#pragma once

#include <QDockWidget>

namespace ui {
class EditorWindowModel;
}

class QVBoxLayout;

// The explorer band as a side panel docked on the left: a column of picture
// buttons, the device first and then one per placed module, each with its
// caption under its icon. A click (or Space on a focused button) hands the
// model the button's identifier, name and tag.
namespace ui::widgets {

class ExplorerPanel : public QDockWidget {
 public:
  explicit ExplorerPanel(EditorWindowModel& model);
  // Shows the model's buttons as they are now.
  void Render();

 private:
  EditorWindowModel& model_;
  QVBoxLayout* buttons_;
};

}  // namespace ui::widgets
