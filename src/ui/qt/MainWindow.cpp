#include "ui/qt/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QHeaderView>
#include <QMenuBar>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>

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

}  // namespace

MainWindow::MainWindow(EditorWindowModel& model)
    : model_(model),
      menus_(new BandMenus(model, *menuBar())),
      explorer_(new ExplorerPanel(model)),
      tabs_(new QTabWidget),
      details_(new QTreeWidget) {
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
  for (const DetailRow& row : model_.DetailRows())
    details_->addTopLevelItem(new QTreeWidgetItem({Text(row.property), Text(row.value)}));
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
    loop.exec();
  }
  loop_ = nullptr;
  hide();
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
