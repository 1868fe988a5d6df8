#include "ui/qt/ChannelListView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <vector>

#include "ui/EditorWindowModel.h"
#include "ui/qt/Pixmaps.h"

namespace ui::widgets {

namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// The model's code of a mouse button; 0 for a button it does not know.
int ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kLeftButton;
    case Qt::RightButton:
      return kRightButton;
    case Qt::MiddleButton:
      return 4;  // the third button's code, after left 1 and right 2
    default:
      return 0;
  }
}

// Keeps a flag set for the lifetime of the guard.
struct FlagGuard {
  explicit FlagGuard(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
  ~FlagGuard() { flag_ = before_; }
  bool& flag_;
  bool before_;
};

}  // namespace

ChannelListView::ChannelListView(EditorWindowModel& model, ports::ChannelKind kind,
                                 ImageList& images, std::function<void(const QPoint&)> popUp)
    : model_(model), kind_(kind), images_(images), popUp_(std::move(popUp)) {
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setIconSize(QSize(16, 16));
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (!rendering_) ForwardSelection();
  });
  connect(this, &QTreeWidget::itemPressed, this,
          [this](QTreeWidgetItem* item) { ForwardRowClick(item); });
  connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int column) {
    if (item && column >= 0)
      model_.CellDoubleClick(kind_, KeyOf(item).toStdString(), static_cast<size_t>(column));
  });
  // A row made current with the keys is clicked as a pressed one is.
  connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (!rendering_ && !pressing_) ForwardRowClick(item);
  });
  RenderColumns();
}

QString ChannelListView::KeyOf(const QTreeWidgetItem* item) {
  return item ? item->data(0, Qt::UserRole).toString() : QString();
}

void ChannelListView::RenderColumns() {
  FlagGuard rendering(rendering_);
  const auto& columns = model_.ChannelRows(kind_).Columns();
  const int before = columnCount();
  QStringList texts;
  for (const ListColumn& column : columns)
    texts << Text(column.unit.empty() ? column.text : column.text + " [" + column.unit + "]");
  setColumnCount(static_cast<int>(texts.size()));
  setHeaderLabels(texts);
  for (int column = 0; column < texts.size(); ++column)
    headerItem()->setToolTip(column, Text(columns[static_cast<size_t>(column)].description));
  // A new column is as wide as its title, and never narrower than a number.
  const QFontMetrics metrics(header()->font());
  for (int column = before; column < texts.size(); ++column)
    setColumnWidth(column,
                   std::max(metrics.horizontalAdvance(texts[column]) + 24, column == 0 ? 120 : 72));
}

void ChannelListView::RenderRows(const std::string& key) {
  FlagGuard rendering(rendering_);
  const std::vector<ListRow>& rows = model_.ChannelRows(kind_).Rows();
  if (key.empty()) {
    clear();
    items_.clear();
    for (int position = 0; position < static_cast<int>(rows.size()); ++position)
      RenderRow(position, Text(rows[static_cast<size_t>(position)].key));
    return;
  }
  const QString wanted = Text(key);
  for (int position = 0; position < static_cast<int>(rows.size()); ++position)
    if (Text(rows[static_cast<size_t>(position)].key) == wanted) return RenderRow(position, wanted);
  delete items_.take(wanted);  // the model has no such row any more
}

void ChannelListView::RenderRow(int position, const QString& key) {
  const ListRow& row = model_.ChannelRows(kind_).Rows()[static_cast<size_t>(position)];
  QTreeWidgetItem*& item = items_[key];
  if (!item) {
    item = new QTreeWidgetItem;
    item->setData(0, Qt::UserRole, key);
    insertTopLevelItem(std::min(position, topLevelItemCount()), item);
  }
  item->setIcon(0, images_.Icon(row.image));
  const QFontMetrics metrics(font());
  const auto& columns = model_.ChannelRows(kind_).Columns();
  for (int column = 0; column < columnCount(); ++column) {
    const auto at = static_cast<size_t>(column);
    QString text = at < row.cells.size() ? Text(row.cells[at]) : QString();
    // The channel as commands and the report name it, beside its own name;
    // a value that differs from its default marked as tqhost get marks it.
    if (column == 0) text = Text(row.path) + QString::fromUtf8(" \u00b7 ") + text;
    const CellNote note = at < row.notes.size() ? row.notes[at] : CellNote{};
    if (note.changed && !text.isEmpty()) text += " *";
    item->setText(column, text);
    if (column >= 2 && at < columns.size() && !text.isEmpty())
      item->setToolTip(
          column, Text(columns[at].description + (columns[at].description.empty() ? "" : "\n") +
                       "Default: " + note.defaultValue));
    // A column grows to show its values whole; the user may narrow it again.
    const int wanted = metrics.horizontalAdvance(text) + (column == 0 ? 40 : 16);
    if (wanted > columnWidth(column)) setColumnWidth(column, wanted);
  }
}

void ChannelListView::RenderSwitch() {
  setFocusPolicy(model_.ChannelRows(kind_).SwitchedOn() ? Qt::StrongFocus : Qt::NoFocus);
}

void ChannelListView::ForwardSelection() {
  std::vector<std::string> keys;
  for (int position = 0; position < topLevelItemCount(); ++position)
    if (QTreeWidgetItem* item = topLevelItem(position); item->isSelected())
      keys.push_back(KeyOf(item).toStdString());
  model_.SelectionChanged(kind_, keys);
}

void ChannelListView::ForwardRowClick(QTreeWidgetItem* item) {
  if (item) model_.RowClick(kind_, KeyOf(item).toStdString());
}

void ChannelListView::mousePressEvent(QMouseEvent* event) {
  model_.ListMouseDown(kind_, ButtonCode(event->button()));
  FlagGuard pressing(pressing_);
  QTreeWidget::mousePressEvent(event);
}

void ChannelListView::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  model_.ListMouseUp(kind_, ButtonCode(event->button()));
}

void ChannelListView::contextMenuEvent(QContextMenuEvent* event) {
  // The mouse's context menu comes with the right button's release, the
  // keyboard's with the key itself.
  event->accept();
}

void ChannelListView::keyPressEvent(QKeyEvent* event) {
  const bool menuKey = event->key() == Qt::Key_Menu ||
                       (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
  QTreeWidgetItem* item = currentItem();
  if (!menuKey || !item) return QTreeWidget::keyPressEvent(event);
  ForwardRowClick(item);
  popUp_(viewport()->mapToGlobal(visualItemRect(item).bottomLeft()));
}

}  // namespace ui::widgets
