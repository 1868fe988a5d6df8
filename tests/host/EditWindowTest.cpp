// tqhost edit as a user runs it on a display: the command runs in this
// process, the component it creates through the registry shows its real
// editor window, and the user (the scripts here) drives that window and its
// dialogs with keys and the mouse while the command waits for it to close.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <regex>
#include <sstream>

#include "host/commands/Commands.h"
#include "support/TempDir.h"
#include "ui/qt/ApplicationInstance.h"
#include "ui/qt/Pixmaps.h"

namespace {

using testing_support::ReadFile;
using Strings = std::vector<std::string>;

struct Ran {
  int code = -1;
  std::string out, err;
};

// Runs a tqhost command in this process, collecting what it prints.
Ran Tqhost(int (*command)(const Strings&), const Strings& args) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  Ran run;
  run.code = command(args);
  run.out = testing::internal::GetCapturedStdout();
  // Less the offscreen platform's notes on what it cannot do with a window.
  std::istringstream lines(testing::internal::GetCapturedStderr());
  for (std::string line; std::getline(lines, line);)
    if (!line.starts_with("This plugin does not support")) run.err += line + "\n";
  return run;
}

// Runs the script once the widget the test names is the active modal one,
// polling, so that it never acts on a window that is not up yet. A script
// that cannot go on closes its menus and window, so nothing hangs.
void When(std::function<QWidget*()> find, std::function<void(QWidget&)> script) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, find, script] {
    QWidget* widget = find();
    if (!widget) return;
    timer->stop();
    timer->deleteLater();
    try {
      script(*widget);
    } catch (const std::exception& e) {
      ADD_FAILURE() << e.what();
      while (QWidget* menu = QApplication::activePopupWidget()) menu->close();
      widget->close();
    }
  });
  timer->start(5);
}

template <class Widget>
Widget* ActiveModal(const char* title = nullptr) {
  auto* widget = qobject_cast<Widget*>(QApplication::activeModalWidget());
  if (!widget || (title && widget->windowTitle() != title)) return nullptr;
  return QApplication::activeWindow() == widget ? widget : nullptr;
}

template <class Widget>
Widget& Child(QWidget& parent, const QString& name) {
  auto* child = parent.findChild<Widget*>(name);
  if (!child) throw std::runtime_error("no " + name.toStdString());
  return *child;
}

QMenu& OpenMenu() {
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (!menu || !QTest::qWaitForWindowExposed(menu)) throw std::runtime_error("no menu open");
  return *menu;
}

// The open menu's entries, "-" before a disabled one.
std::string Entries(QMenu& menu) {
  std::string entries;
  for (QAction* action : menu.actions())
    if (!action->isSeparator())
      entries += (action->isEnabled() ? "" : "-") + action->text().toStdString() + "|";
  return entries;
}

// Walks the open menu down with the arrow key to the entry and presses Enter.
void Pick(const QString& entry) {
  QMenu& menu = OpenMenu();
  for (int step = 0; step < 20 && !(menu.activeAction() && menu.activeAction()->text() == entry);
       ++step)
    QTest::keyClick(&menu, Qt::Key_Down);
  if (!menu.activeAction() || menu.activeAction()->text() != entry)
    throw std::runtime_error("no entry " + entry.toStdString() + " in " + Entries(menu));
  QTest::keyClick(&menu, Qt::Key_Return);
  // The window is active again once the closed menus have given the focus back.
  QApplication::processEvents();
}

std::string Texts(QTreeWidget& list, int column) {
  std::string texts;
  for (int row = 0; row < list.topLevelItemCount(); ++row)
    texts += list.topLevelItem(row)->text(column).toStdString() + "|";
  return texts;
}

std::string StatusOf(QWidget& window) {
  auto* line = window.findChild<QLabel*>("lblStatus");
  return line ? line->text().toStdString() : "(no status line)";
}

std::string Buttons(QWidget& window) {
  std::string texts;
  for (auto* button : window.findChild<QWidget*>("IO_Expansion")->findChildren<QToolButton*>())
    if (button->isVisible() && !button->icon().isNull())
      texts += button->text().toStdString() + "|";
  return texts;
}

// A key pressed in the window once it is active again after a menu or a
// dialog; the offscreen platform has no window manager to give it back.
void Press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers keys = {}) {
  window.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, key, keys);
}

void Click(QTreeWidget& list, int row, Qt::MouseButton button, Qt::KeyboardModifiers keys = {}) {
  EXPECT_TRUE(QTest::qWaitForWindowActive(list.window()));
  const QRect where = list.visualItemRect(list.topLevelItem(row));
  QTest::mouseClick(list.viewport(), button, keys, {where.left() + 24, where.center().y()});
}

std::string Matches(const std::string& text, const std::string& pattern) {
  std::string found;
  const std::regex expression(pattern);
  for (std::sregex_iterator it(text.begin(), text.end(), expression), end; it != end; ++it)
    found += (*it)[1].str() + "|";
  return found;
}

class EditWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui::widgets::EnsureApplication());
    // Menus open at once, as keys expect them to, without an animation first.
    for (auto effect : {Qt::UI_AnimateMenu, Qt::UI_FadeMenu, Qt::UI_AnimateCombo})
      QApplication::setEffectEnabled(effect, false);
    ASSERT_EQ(Tqhost(host::RunNew,
                     {"-o", project, "--name", "Boiler room", "--modules", "EB4AI2AO,EB8DIC"})
                  .code,
              0);
  }
  // Whether another command could take the project's lock now.
  bool ProjectFree() const {
    const int fd = ::open(project.c_str(), O_RDONLY);
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
  }
  // Answers each message box with OK, noting "title|icon|text".
  void AnswerMessages(std::string& seen) {
    When([] { return ActiveModal<QMessageBox>(); },
         [&seen](QWidget& box) {
           auto& message = static_cast<QMessageBox&>(box);
           seen += message.windowTitle().toStdString() + "|" + std::to_string(message.icon()) +
                   "|" + message.text().toStdString();
           QTest::keyClick(&message, Qt::Key_Return);
         });
  }

  testing_support::TempDir dir;
  std::string project = dir / "project.xml";
};

TEST_F(EditWindow, AddEditRemoveCloseWritesTheProject) {
  QPointer<QMainWindow> shown;
  bool appeared = false;
  int dialogs = 0;
  std::string messages, opened;
  When([] { return ActiveModal<QMainWindow>(); },
       [&](QWidget& w) {
         shown = static_cast<QMainWindow*>(&w), appeared = true;
         std::string bar;
         for (QAction* menu : shown->menuBar()->actions())
           bar += (menu->isEnabled() ? "" : "-") + menu->text().toStdString() + "|";
         EXPECT_EQ(w.windowTitle().toStdString() + "|" + bar,
                   "Boiler room – project.xml|&File|T&Q|&EB|-Channel|?|");
         EXPECT_EQ(Buttons(w), "TQ4600|EB 4AI/2AO\nSlot 1|EB 8DI Counter\nSlot 2|");
         auto& tabs = Child<QTabWidget>(w, "SSTab1");
         std::string tabTexts;
         for (int tab = 0; tab < tabs.count(); ++tab)
           tabTexts += tabs.tabText(tab).toStdString() + (tabs.isTabEnabled(tab) ? "+|" : "-|");
         EXPECT_EQ(tabTexts, "Analog Input+|Analog Output+|Digital Input+|Digital Output-|");
         EXPECT_EQ(tabs.currentIndex(), 2) << "the last kind listed";
         auto& ai = Child<QTreeWidget>(w, "lwAI");
         EXPECT_EQ(ai.headerItem()->text(1) + ai.headerItem()->text(2) + ai.headerItem()->text(13),
                   "EB Modulesensortypelinear_span");
         EXPECT_EQ(Texts(ai, 0),
                   "EB1/AI/1 · Analog (0)|EB1/AI/2 · Analog (1)|EB1/AI/3 · Analog (2)|"
                   "EB1/AI/4 · Analog (3)|");
         EXPECT_FALSE(ai.topLevelItem(0)->icon(0).isNull());
         // Units in the headers, the definitions' descriptions on pointing at them.
         EXPECT_EQ(ai.headerItem()->text(8).toStdString() + "|" +
                       ai.headerItem()->toolTip(8).toStdString() + "|" +
                       ai.topLevelItem(0)->toolTip(8).toStdString() + "|" +
                       w.findChild<QToolButton*>("EB1")->toolTip().toStdString(),
                   "filter_constant [sec]|Time constant of the input filter|Time constant of the "
                   "input filter\nDefault: 2 sec|EB1: Analog module: 4 universal analog inputs "
                   "and 2 analog outputs");
         EXPECT_EQ(Texts(Child<QTreeWidget>(w, "lvDetails"), 0).substr(0, 14), "Name|Priority|");
         EXPECT_FALSE(ProjectFree()) << "the project stays locked while the window is open";

         // Add a module from the EB menu's Add sub-menu, with the keys.
         Press(w, Qt::Key_E, Qt::AltModifier);
         EXPECT_EQ(Entries(OpenMenu()), "&Add|&Remove|");
         Pick("&Add");
         EXPECT_EQ(Entries(OpenMenu()), "EB 4AO|");
         EXPECT_FALSE(OpenMenu().actions()[0]->icon().isNull());
         Pick("EB 4AO");
         EXPECT_EQ(Buttons(w), "TQ4600|EB 4AI/2AO\nSlot 1|EB 8DI Counter\nSlot 2|EB 4AO\nSlot 3|");
         EXPECT_EQ(Texts(Child<QTreeWidget>(w, "lwAO"), 1), "EB1|EB1|EB3|EB3|EB3|EB3|");
         EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass is gone";

         // Two rows selected, the parameter edited from the right button's menu:
         // its dialog opens once per row.
         QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {}, tabs.tabBar()->tabRect(0).center());
         Click(ai, 0, Qt::LeftButton);
         Click(ai, 1, Qt::LeftButton, Qt::ControlModifier);
         Click(ai, 1, Qt::RightButton);
         EXPECT_EQ(Entries(OpenMenu()), "Edit|");
         Pick("Edit");
         EXPECT_EQ(Entries(OpenMenu()).substr(0, 24), "sensortype|range|suppres");
         std::string statuses;
         auto status = [&] { return StatusOf(w) + "|"; };
         std::function<void(QWidget&)> answer = [&](QWidget& d) {
           statuses += status();
           auto& list = Child<QComboBox>(d, "cboEnum");
           EXPECT_EQ(list.currentText(), "NI1000");
           QTest::keyClick(&list, Qt::Key_Down);
           QTest::keyClick(&d, Qt::Key_Return);
           if (++dialogs < 2) When([] { return ActiveModal<QDialog>("Edit value"); }, answer);
         };
         When([] { return ActiveModal<QDialog>("Edit value"); }, answer);
         Pick("sensortype");
         EXPECT_EQ(dialogs, 2);
         EXPECT_EQ(Texts(ai, 2), "NI1000_EXT *|NI1000_EXT *|NI1000|NI1000|") << "* as changed";
         // A double-click edits the cell's parameter of its channel.
         When([] { return ActiveModal<QDialog>("Edit value"); },
              [&](QWidget& d) { statuses += status(), QTest::keyClick(&d, Qt::Key_Escape); });
         const QPoint cell(ai.columnViewportPosition(2) + 8,
                           ai.visualItemRect(ai.topLevelItem(2)).center().y());
         w.activateWindow();
         EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
         QTest::mousePress(ai.viewport(), Qt::LeftButton, {}, cell);
         QTest::mouseRelease(ai.viewport(), Qt::LeftButton, {}, cell);
         QTest::mouseDClick(ai.viewport(), Qt::LeftButton, {}, cell);
         (void)QTest::qWaitFor(  // the statuses seen are compared below
             [&] {
               return statuses.find("left") != std::string::npos ||
                      (statuses += status()).size() > 400;
             },
             2000);
         EXPECT_EQ(statuses,
                   "Editing sensortype of EB1/AI/1 Analog (0) (1 of 2)|Editing sensortype of "
                   "EB1/AI/2 Analog (1) (2 of 2)|Editing sensortype of EB1/AI/3 Analog (2)|"
                   "sensortype left as it was|");
         ai.activateWindow();
         QTest::keyClick(&ai, Qt::Key_F10, Qt::ShiftModifier);  // the keyboard's context menu
         EXPECT_EQ(Entries(OpenMenu()), "Edit|");
         QTest::keyClick(&OpenMenu(), Qt::Key_Escape);

         // Remove the last module, from the EB menu.
         Press(w, Qt::Key_E, Qt::AltModifier);
         Pick("&Remove");
         EXPECT_EQ(Buttons(w), "TQ4600|EB 4AI/2AO\nSlot 1|EB 8DI Counter\nSlot 2|");
         EXPECT_EQ(Texts(Child<QTreeWidget>(w, "lwAO"), 1), "EB1|EB1|");

         // The help menu, which has no mnemonic: F10 opens the bar, Left wraps to it.
         Press(w, Qt::Key_F10);
         QTest::keyClick(&OpenMenu(), Qt::Key_Left);
         EXPECT_EQ(Entries(OpenMenu()), " View Data Sheet|About...|");
         When([] { return ActiveModal<QDialog>("About TQ4600 Plug-In"); },
              [](QWidget& about) {
                EXPECT_EQ(Child<QLabel>(about, "lblTitle").text() + "|" +
                              Child<QLabel>(about, "lblVersion").text(),
                          "TQ 4600 Plug-In|Version 1.0.0");
                EXPECT_FALSE(Child<QLabel>(about, "ImgLogo").pixmap().isNull());
                QTest::keyClick(&about, Qt::Key_Return);
              });
         Pick("About...");

         // The data sheet: first without a viewer (a message box over the window),
         // then with the desktop's opener.
         const std::string bin = dir / "bin", savedPath = std::getenv("PATH");
         std::filesystem::create_directory(bin);
         setenv("PATH", bin.c_str(), 1);
         AnswerMessages(messages);
         Press(w, Qt::Key_F10);
         QTest::keyClick(&OpenMenu(), Qt::Key_Left);
         Pick(" View Data Sheet");
         EXPECT_EQ(Matches(status(),
                           "^(The data sheet .*/DataSheets/pb_4600_TQ4600.pdf did not "
                           "open: Viewer not Available)"),
                   "The data sheet " + std::string(TQ_PLUGINS_DIR) +
                       "/O_TQ4600/../DataSheets/pb_4600_TQ4600.pdf did not open: Viewer not "
                       "Available|");
         testing_support::WriteFile(bin + "/xdg-open",
                                    "#!/bin/sh\necho \"$1\" >> " + (dir / "opened") + "\n");
         ::chmod((bin + "/xdg-open").c_str(), 0755);
         Press(w, Qt::Key_F10);
         QTest::keyClick(&OpenMenu(), Qt::Key_Left);
         Pick(" View Data Sheet");
         // The report, made by the document component, saved in the user's
         // documents folder and opened with the same viewer.
         const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
         setenv("HOME", dir.path().c_str(), 1);
         Press(w, Qt::Key_F, Qt::AltModifier);
         EXPECT_EQ(Entries(OpenMenu()), "&Show Documentation|&Save and Export|E&xit|");
         Pick("&Show Documentation");
         EXPECT_EQ(Matches(status(), "^Report written to (" + dir / "Documents/)Boiler room"),
                   dir / "Documents/|");
         EXPECT_TRUE(Child<QPushButton>(w, "cmdStatusAction").isVisible());
         setenv("HOME", home.c_str(), 1);
         setenv("PATH", savedPath.c_str(), 1);
         opened = ReadFile(dir / "opened");

         Press(w, Qt::Key_F, Qt::AltModifier);
         Pick("E&xit");
       });
  const std::string before = ReadFile(project);
  const Ran edit = Tqhost(host::RunEdit, {project});
  ASSERT_TRUE(appeared) << "no editor window\n" << edit.err;
  EXPECT_TRUE(shown.isNull()) << "the window goes once it is closed";
  EXPECT_EQ(edit.code, 0) << edit.err;
  EXPECT_EQ(messages,
            "O_TQ4600|0|Viewer not Available. Please install the viewer to see the documentation");
  const std::string report = Matches(opened, "(" + dir / "Documents/Boiler room [^\n]*\\.pdf)");
  EXPECT_NE(opened.find("/DataSheets/pb_4600_TQ4600.pdf\n"), std::string::npos) << opened;
  EXPECT_EQ(ReadFile(report.substr(0, report.size() - 1)).substr(0, 5), "%PDF-") << opened;

  // The module added and removed again, the two edited rows' sensor type.
  const std::string written = ReadFile(project);
  EXPECT_NE(written, before);
  EXPECT_EQ(Matches(written, "<(EB[0-9A-Z]+)>"), "EB4AI2AO|EB8DIC|");
  EXPECT_EQ(Matches(written, "<sensortype>([0-9])</sensortype>"), "2|2|1|1|");
  const Ran stream = Tqhost(host::RunStream, {project});
  EXPECT_EQ(edit.out, stream.out);
  EXPECT_EQ(edit.out.size(), 219u) << "one line of the stream";
  EXPECT_TRUE(ProjectFree());
}

// Which rows of a channel list show the window's image of that key: "1|0|".
std::string RowsShowing(QTreeWidget& list, const char* key) {
  ui::widgets::ImageList images;
  const QImage wanted = images.Icon(key).pixmap(16).toImage();
  std::string rows;
  for (int row = 0; row < list.topLevelItemCount(); ++row)
    rows += list.topLevelItem(row)->icon(0).pixmap(16).toImage() == wanted ? "1|" : "0|";
  return rows;
}

TEST_F(EditWindow, BoundPointsShowConnectedAndTheirModuleStays) {
  const std::string plant = dir / "plant.xml";
  ASSERT_EQ(Tqhost(host::RunNew, {"-o", plant, "--modules", "EB8DI,EB8DO"}).code, 0);
  ASSERT_EQ(Tqhost(host::RunAddObject, {plant, "--modules", "EB4DI4DO"}).code, 0);
  ASSERT_EQ(Tqhost(host::RunConnect, {plant, "2:Binary (0) Value", "1:Binary (9) Value"}).code, 0);
  ASSERT_EQ(Tqhost(host::RunConnect, {plant, "1:Binary (2) Value", "2:Binary (4) Value"}).code, 0);
  const std::string before = ReadFile(plant);
  std::string messages;
  bool shown = false;
  When([] { return ActiveModal<QMainWindow>(); },
       [&](QWidget& w) {
         shown = true;
         // The bound input's channel and the bound output's, and no other.
         auto& outputs = Child<QTreeWidget>(w, "lwDO");
         EXPECT_EQ(RowsShowing(outputs, "doconn"), "0|1|0|0|0|0|0|0|");
         EXPECT_EQ(RowsShowing(outputs, "do"), "1|0|1|1|1|1|1|1|");
         EXPECT_EQ(RowsShowing(Child<QTreeWidget>(w, "lwDI"), "diconn"), "0|0|1|0|0|0|0|0|");
         AnswerMessages(messages);
         Press(w, Qt::Key_E, Qt::AltModifier);
         Pick("&Remove");
         EXPECT_EQ(Buttons(w), "TQ4600|EB 8DI\nSlot 1|EB 8DO\nSlot 2|") << "the module stays";
         Press(w, Qt::Key_F, Qt::AltModifier);
         Pick("E&xit");
       });
  const Ran edit = Tqhost(host::RunEdit, {plant, "--object", "1"});
  EXPECT_TRUE(shown);
  EXPECT_EQ(edit.code, 0) << edit.err;
  EXPECT_EQ(messages, "O_TQ4600|1|EB 8DO cannot be removed because it is connected");
  EXPECT_EQ(ReadFile(plant), before);
}

TEST_F(EditWindow, ClosedUnchangedLeavesTheProjectAndRefusesWithoutDisplay) {
  struct stat before {};
  ::stat(project.c_str(), &before);
  const std::string text = ReadFile(project);
  bool shown = false;
  // The window's own close button.
  When([] { return ActiveModal<QMainWindow>(); }, [&](QWidget& w) { shown = true, w.close(); });
  const Ran edit = Tqhost(host::RunEdit, {project, "--object", "1"});
  EXPECT_TRUE(shown);
  EXPECT_EQ(edit.code, 0) << edit.err;
  EXPECT_EQ(edit.out, Tqhost(host::RunStream, {project}).out);
  struct stat after {};
  ::stat(project.c_str(), &after);
  EXPECT_EQ(after.st_ino, before.st_ino) << "not written again";
  EXPECT_EQ(ReadFile(project), text);

  // Started without a terminal, as from a file manager, the user sees the error in a box too.
  std::string box;
  AnswerMessages(box);
  const Ran missing = Tqhost(host::RunEdit, {project, "--object", "2"});
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(missing.err, "tqhost edit: " + project + " holds 1 object; there is no object 2\n");
  EXPECT_EQ(box, "tqhost edit|2|" + project + " holds 1 object; there is no object 2");
  // No display and no platform chosen (the suite's is offscreen), as on a server.
  std::vector<std::pair<const char*, std::string>> saved;
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* value = std::getenv(name)) saved.emplace_back(name, value), unsetenv(name);
  const Ran headless = Tqhost(host::RunEdit, {project});
  for (const auto& [name, value] : saved) setenv(name, value.c_str(), 1);
  EXPECT_EQ(headless.code, 1);
  EXPECT_EQ(headless.out + headless.err,
            "tqhost edit: no display to show the editor window on (set DISPLAY or "
            "WAYLAND_DISPLAY, or QT_QPA_PLATFORM)\n");
  EXPECT_EQ(ReadFile(project), text);
}

// Root may write anywhere: while a script runs, the edit is an unprivileged
// user's, and the test's own files (its captured output) are root's again
// however the script ends.
struct Unprivileged {
  explicit Unprivileged(bool root) : root_(root) {
    if (root_ && ::seteuid(65534) != 0) ADD_FAILURE() << "cannot act as nobody";
  }
  ~Unprivileged() {
    if (root_ && ::seteuid(0) != 0) ADD_FAILURE() << "cannot act as root again";
  }
  bool root_;
};

// Answers the next question about changes not saved with that button.
void WhenNotSaved(const char* button, std::string& seen) {
  When([] { return ActiveModal<QMessageBox>("Not saved"); },
       [button, &seen](QWidget& box) {
         seen += static_cast<QMessageBox&>(box).text().toStdString() + "|";
         QTest::mouseClick(&Child<QPushButton>(box, button), Qt::LeftButton);
       });
}

// Changes Behaviour_OnCommFailure to its next member through the T&Q menu.
void ChangeBehaviour(QWidget& w) {
  When([] { return ActiveModal<QDialog>("Edit value"); },
       [](QWidget& d) {
         QTest::keyClick(&Child<QComboBox>(d, "cboEnum"), Qt::Key_Down);
         QTest::keyClick(&d, Qt::Key_Return);
       });
  Press(w, Qt::Key_Q, Qt::AltModifier);
  Pick("Edit");
  Pick("Behaviour_OnCommFailure");
}

TEST_F(EditWindow, AnEditTheProjectCannotTakeIsKeptUntilSavedElsewhereOrKnowinglyDropped) {
  // The project in a folder the user may not write; as root, the edit is the
  // unprivileged user's while the window is open, for root may write anywhere.
  namespace fs = std::filesystem;
  const std::string locked = dir / "ro", open = dir / "rw", moved = open + "/moved.xml";
  fs::create_directories(locked), fs::create_directories(open);
  fs::rename(project, locked + "/project.xml");
  project = locked + "/project.xml";
  fs::permissions(dir.path(), fs::perms(0755)), fs::permissions(open, fs::perms(0777));
  fs::permissions(locked, fs::perms(0555));
  const std::string original = ReadFile(project);
  const bool root = ::geteuid() == 0;
  std::string asked, titles;
  When([] { return ActiveModal<QMainWindow>(); },
       [&](QWidget& w) {
         Unprivileged user(root);
         WhenNotSaved("cmdKeepEditing", asked);
         ChangeBehaviour(w);
         titles += w.windowTitle().toStdString() + "|" + StatusOf(w) + "|";
         // Closing asks again: first the user stays, then saves elsewhere.
         WhenNotSaved("cmdKeepEditing", asked);
         w.close();
         titles += (w.isVisible() ? "open|" : "closed|");
         WhenNotSaved("cmdSaveAs", asked);
         When([] { return ActiveModal<QFileDialog>(); },
              [&](QWidget& chooser) {
                auto& name = Child<QLineEdit>(chooser, "fileNameEdit");
                name.setText(QString::fromStdString(moved));
                QTest::keyClick(&name, Qt::Key_Return);
              });
         w.close();
       });
  const Ran edit = Tqhost(host::RunEdit, {project});
  const std::string kept = "The changes are not saved: cannot write " + project +
                           ": access denied.\n\nThey are kept in this window until they are saved";
  EXPECT_EQ(asked, kept + ". Try again, or save elsewhere.|" + kept +
                       ", or until you close it without them.|" + kept +
                       ", or until you close it without them.|");
  EXPECT_EQ(titles,
            "*Boiler room – project.xml|Behaviour_OnCommFailure changed to OUTPUT_HOLD; "
            "not saved: cannot write " +
                project +
                ": access denied; the changes are "
                "kept in this window|open|");
  EXPECT_EQ(edit.code, 0) << edit.err;
  EXPECT_EQ(ReadFile(project), original) << "left as it was";
  // The edit went whole to the other file: its CDB is the stream of what it holds.
  const std::string written = ReadFile(moved);
  EXPECT_EQ(Matches(written, "<Behaviour_OnCommFailure>([0-9])<"), "1|");
  EXPECT_EQ(Matches(written, "<CDB>([0-9A-F]+)</CDB>"),
            edit.out.substr(0, edit.out.size() - 1) + "|");
  EXPECT_EQ(Tqhost(host::RunStream, {moved}).out, edit.out);

  // Closing without the change is the user's own choice, and nothing is written.
  std::string dropped;
  When([] { return ActiveModal<QMainWindow>(); },
       [&](QWidget& w) {
         Unprivileged user(root);
         WhenNotSaved("cmdKeepEditing", dropped);
         ChangeBehaviour(w);
         WhenNotSaved("cmdDiscard", dropped);
         w.close();
       });
  const Ran discarded = Tqhost(host::RunEdit, {project});
  EXPECT_EQ(discarded.code, 0) << discarded.err;
  EXPECT_EQ(discarded.out + discarded.err,
            "tqhost edit: closed without the changes " + project + " could not take\n");
  EXPECT_EQ(Matches(dropped, "(Try again|close it without)"), "Try again|close it without|");
  EXPECT_EQ(ReadFile(project), original);
}

TEST_F(EditWindow, AWindowGoneFromOutsideEndsTheEditAndALockedProjectNamesItsHolder) {
  bool ended = true;
  std::string others;
  // Closes a window the edit still waits for, so that the test ends either way.
  QTimer fallback;
  fallback.setSingleShot(true);
  QPointer<QWidget> window;
  QObject::connect(&fallback, &QTimer::timeout, [&] {
    if (window) ended = false, window->close();
  });
  When([] { return ActiveModal<QMainWindow>(); },
       [&](QWidget& w) {
         // Another command finds the project locked by this one and gives up in time.
         const std::string command = std::string(TQ_BUILD_DIR) + "/bin/tqhost set " + project +
                                     " Priority=2 --wait 0.3 2>&1";
         FILE* pipe = ::popen(command.c_str(), "r");
         char buffer[512];
         while (pipe && std::fgets(buffer, sizeof buffer, pipe)) others += buffer;
         others += "exit " + std::to_string(pipe ? WEXITSTATUS(::pclose(pipe)) : -1);
         ChangeBehaviour(w);
         // The display server destroys the window, as a window manager or xdotool does.
         struct {
           uint8_t type = 17, pad = 0;
           uint16_t sequence = 0;
           uint32_t event, window;
         } destroyed{.event = uint32_t(w.winId()), .window = uint32_t(w.winId())};
         qintptr result = 0;
         QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &destroyed,
                                                                 &result);
         window = &w;
         fallback.start(2000);
       });
  const Ran edit = Tqhost(host::RunEdit, {project});
  EXPECT_TRUE(ended) << "the edit waits for a window that is gone";
  EXPECT_EQ(edit.code, 0) << edit.err;
  const std::string holder = "process " + std::to_string(::getpid()) + " (edit_tests";
  EXPECT_EQ(Matches(others, "^(tqhost set: waiting for [^,]+, held by process [0-9]+ )"),
            "tqhost set: waiting for " + project + ", held by process " +
                std::to_string(::getpid()) + " |");
  EXPECT_NE(others.find(project + " is in use by " + holder), std::string::npos) << others;
  EXPECT_NE(others.find("gave up after 0.3 s (--wait SECONDS waits longer)\nexit 1"),
            std::string::npos)
      << others;
  EXPECT_EQ(Matches(ReadFile(project), "<Behaviour_OnCommFailure>([0-9])<"), "1|");
  EXPECT_EQ(edit.out, Tqhost(host::RunStream, {project}).out);
  EXPECT_TRUE(ProjectFree());
}

TEST_F(EditWindow, APickedObjectOrANewProjectOpens) {
  const std::string two =
      dir.Write("two.xml",
                "<QorProject version=\"1\"><Object userName=\"Boiler room\"><TQ4600><Modules>"
                "<EB4AI2AO/><EB8DI/></Modules></TQ4600></Object><Object><TQ4600/></Object>"
                "</QorProject>");
  const std::string text = ReadFile(two);
  std::string rows, title;
  auto choose = [&](Qt::Key key) {
    When([] { return ActiveModal<QDialog>(); },
         [&, key](QWidget& chooser) {
           auto& list = Child<QTreeWidget>(chooser, "lwObjects");
           rows = Texts(list, 0) + Texts(list, 1) + Texts(list, 2);
           if (key == Qt::Key_Escape) return QTest::keyClick(&list, key);
           When([] { return ActiveModal<QMainWindow>(); },
                [&](QWidget& w) { title = w.windowTitle().toStdString(), w.close(); });
           QTest::keyClick(&list, Qt::Key_Down), QTest::keyClick(&list, key);
         });
  };
  choose(Qt::Key_Escape);
  const Ran cancelled = Tqhost(host::RunEdit, {two});
  EXPECT_EQ(rows, "1|2|Boiler room|TQ4600_2|EB4AI2AO, EB8DI|no modules|");
  EXPECT_EQ(cancelled.code, 1);
  EXPECT_EQ(cancelled.err, "tqhost edit: no object chosen; " + two + " is left as it was\n");
  choose(Qt::Key_Return);
  const Ran second = Tqhost(host::RunEdit, {two});
  EXPECT_EQ(second.code, 0) << second.err;
  EXPECT_EQ(title, "TQ4600_2 – two.xml");
  EXPECT_EQ(ReadFile(two), text);

  const std::string made = dir / "new.xml";
  When([] { return ActiveModal<QMainWindow>(); },
       [&](QWidget& w) { title = w.windowTitle().toStdString(), w.close(); });
  const Ran fresh = Tqhost(host::RunEdit, {made});
  EXPECT_EQ(fresh.code, 0) << fresh.err;
  EXPECT_EQ(fresh.err,
            "tqhost edit: " + made + " did not exist: made a new project of one TQ4600 object\n");
  EXPECT_EQ(title, "TQ4600_1 – new.xml");
  EXPECT_EQ(fresh.out, Tqhost(host::RunStream, {made}).out);
}

}  // namespace
