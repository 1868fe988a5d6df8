#include "ui/qt/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <cstdint>

#include "ui/EditorWindowModel.h"
#include "ui/ToolIds.h"
#include "ui/qt/AboutWindow.h"
#include "ui/qt/BandMenus.h"
#include "ui/qt/ChannelListView.h"
#include "ui/qt/ExplorerPanel.h"
#include "ui/qt/ModalServices.h"

namespace ui::widgets {

namespace {

constexpr ports::ChannelKind kKinds[kChannelTabCount] = {
    ports::ChannelKind::AI, ports::ChannelKind::AO, ports::ChannelKind::DI, ports::ChannelKind::DO};

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// The head of an X11 event as the display server sends it, and the code and
// layout of the one that says a window was destroyed.
constexpr uint8_t kX11DestroyNotify = 17;
struct X11DestroyNotify {
  uint8_t responseType;
  uint8_t pad;
  uint16_t sequence;
  uint32_t event;
  uint32_t window;
};

}  // namespace

MainWindow::MainWindow(EditorWindowModel& model)
    : model_(model),
      menus_(new BandMenus(model, *menuBar())),
      explorer_(new ExplorerPanel(model)),
      tabs_(new QTabWidget),
      details_(new QTreeWidget),
      status_(new QLabel),
      statusAction_(new QPushButton) {
  setObjectName("frmMain");
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowModality(Qt::ApplicationModal);
  setContextMenuPolicy(Qt::NoContextMenu);
  resize(960, 560);
  addDockWidget(Qt::LeftDockWidgetArea, explorer_);

  tabs_->setObjectName("SSTab1");
  for (int tab = 0; tab < kChannelTabCount; ++tab) {
    const ports::ChannelKind kind = kKinds[tab];
    lists_[static_cast<size_t>(tab)] = new ChannelListView(
        model, kind, images_, [this](const QPoint& at) { menus_->PopUp(tools::kChannelBand, at); });
    const std::string_view kindText = KindText(kind);
    lists_[static_cast<size_t>(tab)]->setObjectName(
        "lw" + QString::fromUtf8(kindText.data(), static_cast<qsizetype>(kindText.size())));
    tabs_->addTab(lists_[static_cast<size_t>(tab)], QString(kTabCaptions[tab].data()));
  }
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) { model_.TabClick(tab); });

  details_->setObjectName("lvDetails");
  details_->setHeaderLabels({"Property", "Value"});
  details_->setRootIsDecorated(false);
  details_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  details_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  details_->viewport()->installEventFilter(this);

  auto* split = new QSplitter(Qt::Horizontal);
  split->addWidget(tabs_);
  split->addWidget(details_);
  split->setStretchFactor(0, 2);
  split->setStretchFactor(1, 1);
  split->setSizes({560, 280});
  split->setChildrenCollapsible(false);
  setCentralWidget(split);

  status_->setObjectName("lblStatus");
  status_->setTextFormat(Qt::PlainText);
  // A long path is cut at the window's edge rather than widening the window.
  status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusAction_->setObjectName("cmdStatusAction");
  statusAction_->setFlat(true);
  statusAction_->hide();
  connect(statusAction_, &QPushButton::clicked, this, [this] { model_.StatusAction(); });
  statusBar()->addWidget(status_, 1);
  statusBar()->addPermanentWidget(statusAction_);

  // F10 opens the menu bar, from where the arrows reach every menu, also
  // those whose caption has no mnemonic.
  auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(menuKey, &QShortcut::activated, this, [this] {
    for (QAction* action : menuBar()->actions())
      if (action->isEnabled() && action->isVisible()) return menuBar()->setActiveAction(action);
  });
  RenderAll();
}

MainWindow::~MainWindow() {
  if (hourglass_) QApplication::restoreOverrideCursor();
}

ChannelListView& MainWindow::List(ports::ChannelKind kind) const {
  return *lists_[static_cast<size_t>(TabOf(kind))];
}

void MainWindow::RenderAll() {
  menus_->RenderMenuBar();
  explorer_->Render();
  for (ports::ChannelKind kind : kKinds) {
    List(kind).RenderColumns();
    List(kind).RenderRows({});
  }
  RenderTabs();
  RenderDetails();
  setWindowTitle(Text(model_.WindowCaption()));
  RenderPointer();
  RenderStatus();
}

void MainWindow::RenderStatus() {
  const StatusLine& line = model_.Status();
  status_->setText(Text(line.text));
  status_->setToolTip(Text(line.text));
  statusAction_->setText(Text(line.action));
  statusAction_->setVisible(!line.action.empty());
}

void MainWindow::RenderTabs() {
  const ChannelTabs& state = model_.TabState();
  const QSignalBlocker quiet(tabs_);  // the model's own choice is no tab click
  tabs_->setEnabled(state.SwitchedOn());
  for (int tab = 0; tab < kChannelTabCount; ++tab) tabs_->setTabEnabled(tab, state.Enabled(tab));
  tabs_->setCurrentIndex(state.Current());
  for (ports::ChannelKind kind : kKinds) List(kind).RenderSwitch();
}

void MainWindow::RenderDetails() {
  details_->clear();
  for (const DetailRow& row : model_.DetailRows()) {
    auto* item = new QTreeWidgetItem({Text(row.property), Text(row.value)});
    // The value whole, which the column may cut, and what the property is.
    item->setToolTip(0, Text(row.tooltip));
    item->setToolTip(
        1, Text(row.tooltip.empty() || row.tooltip == row.value ? row.value
                                                                : row.value + "\n" + row.tooltip));
    details_->addTopLevelItem(item);
  }
}

void MainWindow::RenderPointer() {
  const bool busy = model_.MousePointer() == Pointer::Hourglass;
  if (busy == hourglass_) return;
  hourglass_ = busy;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void MainWindow::Changed(const ViewChange& change) {
  switch (change.part) {
    case ViewPart::Bands:
      return menus_->RenderMenuBar();
    case ViewPart::Explorer:
      return explorer_->Render();
    case ViewPart::Columns:
      return List(change.list).RenderColumns();
    case ViewPart::Rows:
      return List(change.list).RenderRows(change.row);
    case ViewPart::Tabs:
      return RenderTabs();
    case ViewPart::Details:
      return RenderDetails();
    case ViewPart::Caption:
      return setWindowTitle(Text(model_.WindowCaption()));
    case ViewPart::Pointer:
      return RenderPointer();
    case ViewPart::Status:
      return RenderStatus();
  }
}

void MainWindow::ShowModal(IUnknown*) {
  // The host's owner window is an object of its own kind, not a widget; the
  // window is modal to the whole application instead.
  if (loop_) return;
  ModalServices services;
  QEventLoop loop;
  loop_ = &loop;
  ended_ = false;
  model_.Activated();
  if (!ended_) {
    show();
    raise();
    activateWindow();
    QCoreApplication::instance()->installNativeEventFilter(this);
    loop.exec();
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
  loop_ = nullptr;
  // A destroyed window is not there to hide.
  if (!gone_) hide();
}

bool MainWindow::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (gone_ || eventType != "xcb_generic_event_t" || !message) return false;
  const auto* event = static_cast<const X11DestroyNotify*>(message);
  if ((event->responseType & 0x7f) != kX11DestroyNotify || event->window != winId()) return false;
  gone_ = true;
  // Once the display server's event is handled: the model may end the show.
  QTimer::singleShot(0, this, [this] { model_.WindowGone(); });
  return false;
}

SaveChoice MainWindow::AskAfterFailedSave(const std::string& question, bool closing) {
  QMessageBox box(QMessageBox::Warning, tr("Not saved"), Text(question), QMessageBox::NoButton,
                  this);
  QPushButton* retry = box.addButton(tr("&Retry"), QMessageBox::AcceptRole);
  QPushButton* elsewhere = box.addButton(tr("Save &As..."), QMessageBox::ActionRole);
  QPushButton* discard =
      closing ? box.addButton(tr("Close &Without Saving"), QMessageBox::DestructiveRole) : nullptr;
  QPushButton* keep =
      box.addButton(closing ? tr("&Cancel") : tr("&Keep Editing"), QMessageBox::RejectRole);
  retry->setObjectName("cmdRetry");
  elsewhere->setObjectName("cmdSaveAs");
  if (discard) discard->setObjectName("cmdDiscard");
  keep->setObjectName("cmdKeepEditing");
  box.setDefaultButton(retry);
  box.setEscapeButton(keep);
  box.exec();
  if (box.clickedButton() == retry) return SaveChoice::Retry;
  if (box.clickedButton() == elsewhere) return SaveChoice::SaveElsewhere;
  if (discard && box.clickedButton() == discard) return SaveChoice::Discard;
  return SaveChoice::KeepEditing;
}

std::string MainWindow::ChooseFileToSave(const std::string& suggested) {
  QFileDialog dialog(this, tr("Save the project as"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({tr("Projects (*.xml)"), tr("All files (*)")});
  dialog.setDefaultSuffix("xml");
  dialog.selectFile(Text(suggested));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}

void MainWindow::EndShow() {
  ended_ = true;
  if (loop_) loop_->exit();
}

void MainWindow::Hide() {
  EndShow();
}

void MainWindow::Close() {
  EndShow();
}

void MainWindow::PopUp(const std::string& band) {
  menus_->PopUp(band, QCursor::pos());
}

void MainWindow::ShowAbout(const AboutBox& about) {
  AboutWindow box(about, this);
  box.exec();
}

int32_t MainWindow::Handle() const {
  return static_cast<int32_t>(winId());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  model_.CloseRequested();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Only while the window is shown and no dialog of its own is up over it.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && loop_ &&
      QApplication::activeModalWidget() == this)
    model_.Activated();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == details_->viewport() && event->type() == QEvent::MouseButtonPress)
    model_.DetailsClick();
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace ui::widgets
