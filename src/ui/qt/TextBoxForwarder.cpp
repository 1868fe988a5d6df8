#include "ui/qt/TextBoxForwarder.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include "ui/qt/DialogWindow.h"

namespace ui::widgets {

TextBoxForwarder::TextBoxForwarder(QLineEdit* edit, ParameterDialog& dialog)
    : QObject(edit), edit_(edit), dialog_(dialog) {
  edit->installEventFilter(this);
  edit->setDragEnabled(false);
  edit->setAcceptDrops(false);
  edit->setAttribute(Qt::WA_InputMethodEnabled, false);
  edit->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(edit, &QLineEdit::customContextMenuRequested, this,
          [this](const QPoint& at) { ShowMenu(at); });
}

void TextBoxForwarder::Render(const TextBox& box) {
  const QString text = QString::fromStdString(box.text);
  if (edit_->text() != text) edit_->setText(text);
  if (box.selLength > 0)
    edit_->setSelection(static_cast<int>(box.selStart), static_cast<int>(box.selLength));
  else
    edit_->setCursorPosition(static_cast<int>(box.selStart));
  edit_->setEnabled(box.enabled);
  edit_->setVisible(box.visible);
  if (box.focused) edit_->setFocus();
}

void TextBoxForwarder::SyncSelection() {
  if (edit_->hasSelectedText())
    dialog_.Select(static_cast<size_t>(edit_->selectionStart()),
                   static_cast<size_t>(edit_->selectedText().size()));
  else
    dialog_.Select(static_cast<size_t>(edit_->cursorPosition()), 0);
}

void TextBoxForwarder::PasteClipboard() {
  const std::string text = QApplication::clipboard()->text().toStdString();
  SyncSelection();
  Safely([&] { dialog_.Paste(text); });
}

void TextBoxForwarder::ShowMenu(const QPoint& at) {
  QMenu menu;
  QAction* copy = menu.addAction(tr("&Copy"), edit_, &QLineEdit::copy);
  copy->setEnabled(edit_->hasSelectedText());
  menu.addAction(tr("&Paste"), this, [this] { PasteClipboard(); });
  menu.addSeparator();
  menu.addAction(tr("Select &All"), edit_, &QLineEdit::selectAll);
  menu.exec(edit_->mapToGlobal(at));
}

bool TextBoxForwarder::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_ || event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->matches(QKeySequence::Paste)) {
    PasteClipboard();
    return true;
  }
  if (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Undo) ||
      key->matches(QKeySequence::Redo))
    return true;
  char32_t typed = 0;
  switch (key->key()) {
    case Qt::Key_Delete:
      SyncSelection();
      Safely([&] { dialog_.KeyDown(kKeyCodeDelete); });
      return true;
    case Qt::Key_Escape:
      typed = kKeyEscape;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      typed = kKeyEnter;
      break;
    case Qt::Key_Backspace:
      typed = kKeyBackspace;
      break;
    default:
      break;
  }
  if (typed) {
    SyncSelection();
    Safely([&] { dialog_.KeyPress(typed); });
    return true;
  }
  const QString text = key->text();
  if (text.isEmpty() || !text.front().isPrint()) return false;  // caret moves, copy, Tab
  for (char32_t character : text.toUcs4()) {
    SyncSelection();
    Safely([&] { dialog_.KeyPress(character); });
  }
  return true;
}

}  // namespace ui::widgets
