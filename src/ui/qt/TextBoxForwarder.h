#pragma once

#include <QObject>

#include "ui/ParameterDialog.h"

class QLineEdit;

// Wires a line edit to a dialog's text box. Every key that would change the
// text goes to the dialog, whose filter decides and answers with the new text
// and caret; the line edit only shows them. Keys that move the caret or copy
// stay the line edit's own. Edits that would pass by the filter (cut, undo,
// drag and drop, the line edit's own menu) are not offered.
namespace ui::widgets {

class TextBoxForwarder : public QObject {
 public:
  TextBoxForwarder(QLineEdit* edit, ParameterDialog& dialog);
  void Render(const TextBox& box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Tells the dialog where the caret and selection are before a key.
  void SyncSelection();
  void PasteClipboard();
  void ShowMenu(const QPoint& at);

  QLineEdit* edit_;
  ParameterDialog& dialog_;
};

}  // namespace ui::widgets
