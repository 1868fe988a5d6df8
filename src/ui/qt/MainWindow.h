#pragma once

#include <QAbstractNativeEventFilter>
#include <QMainWindow>

#include <array>

#include "ui/ChannelKindView.h"
#include "ui/MainWindowView.h"
#include "ui/qt/Pixmaps.h"

class QEventLoop;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;

// The editor window on Qt: the menu bar of the model's bands, the explorer
// panel docked on the left, the four channel lists on their tabs and the
// details list beside them. It renders what the model holds, redrawing only
// the part a change names, and hands every click and key to the model.
namespace ui::widgets {

class BandMenus;
class ChannelListView;
class ExplorerPanel;

class MainWindow final : public QMainWindow,
                         public MainWindowView,
                         private QAbstractNativeEventFilter {
 public:
  explicit MainWindow(EditorWindowModel& model);
  ~MainWindow() override;

  // The modal show: the model is told the window is active, which lists the
  // channels the first time; then the window runs its own event loop until
  // the model hides or closes it. Works under a host's running event loop as
  // well as without one.
  void ShowModal(IUnknown* owner) override;
  void Hide() override;
  void Close() override;
  void Changed(const ViewChange& change) override;
  void PopUp(const std::string& band) override;
  void ShowAbout(const AboutBox& about) override;
  int32_t Handle() const override;
  SaveChoice AskAfterFailedSave(const std::string& question, bool closing) override;
  std::string ChooseFileToSave(const std::string& suggested) override;

 protected:
  // The window's close button asks the model, which answers with Hide or Close.
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The display server's own events: the window destroyed from outside (a
  // window manager's or a tool's doing) ends the show, as closing it would,
  // instead of leaving the command waiting for a window that is gone.
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
  void RenderAll();
  void RenderTabs();
  void RenderDetails();
  void RenderPointer();
  void RenderStatus();
  void EndShow();
  ChannelListView& List(ports::ChannelKind kind) const;

  EditorWindowModel& model_;
  ImageList images_;
  BandMenus* menus_;
  ExplorerPanel* explorer_;
  QTabWidget* tabs_;
  std::array<ChannelListView*, kChannelTabCount> lists_{};
  QTreeWidget* details_;
  QLabel* status_;
  QPushButton* statusAction_;
  // The running modal show's loop; null outside it.
  QEventLoop* loop_ = nullptr;
  bool ended_ = false;
  bool hourglass_ = false;
  bool gone_ = false;  // the native window was destroyed from outside
};

}  // namespace ui::widgets
