// The dialogs' real windows, driven offscreen with keys and mouse as a user does.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "modules/ComponentLocation.h"
#include "support/Process.h"
#include "ui/EditDialogFixture.h"
#include "ui/EditorLibrary.h"
#include "ui/qt/ApplicationInstance.h"
#include "ui/qt/DialogWindows.h"

namespace {

class DialogWindows : public EditDialogs {
 protected:
  void SetUp() override {
    EditDialogs::SetUp();
    ASSERT_TRUE(ui::widgets::EnsureApplication());
    ui::SetDialogViewFactory(
        [this](auto& d) { return shown = &d, ui::widgets::MakeDialogWindow(d); });
  }
  // Opens the parameter's dialog and runs the script on its window once it is
  // shown; a window the script leaves open is closed, so a failure never hangs.
  void Show(CDBAttribute* p, const std::function<void(QDialog&)>& script) {
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!window) return ADD_FAILURE() << "no dialog window";
      script(*window);
      if (window->isVisible()) window->done(QDialog::Rejected), ADD_FAILURE() << "left open";
    });
    timer.start(0);
    p->Edit();
    EXPECT_FALSE(timer.isActive()) << "the dialog did not open";
  }
  // Answers the next message box, noting its title, icon and text.
  void AnswerNextMessage(QTimer& timer, Text& seen) {
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen = box->windowTitle().toStdString() + "|" + std::to_string(box->icon()) + "|" +
             box->text().toStdString();
      box->accept();
    });
    timer.start(0);
  }
  template <class Widget>
  static Widget& Child(QDialog& window, const char* name) {
    auto* widget = window.findChild<Widget*>(name);
    if (!widget) throw std::runtime_error(std::string("no control ") + name);
    return *widget;
  }
};

TEST_F(DialogWindows, KeysAndClicksReachTheDialogsAndTheirAnswersShow) {
  auto number = Parameter("1", "21.5");
  Show(number.get(), [&](QDialog& w) {
    auto& box = Child<QLineEdit>(w, "txtNewCPValue");
    EXPECT_EQ(w.windowTitle() + Child<QLabel>(w, "lblName").text() +
                  Child<QLabel>(w, "lblUnits").text() + Child<QLabel>(w, "lblMax").text(),
              "Edit valueP1[degC]---");
    QTest::keyClicks(&box, "7x.");  // the whole value was selected: 7 replaces it, x is dropped
    EXPECT_EQ(box.text() + (Child<QPushButton>(w, "cmdOK").isEnabled() ? "+" : "-"), "7.-");
    QTest::keyClick(&box, Qt::Key_Escape);  // the value as loaded, caret at its end
    QTest::keyClicks(&box, "9");
    EXPECT_EQ(box.text(), "21.59");
    QTest::keyClick(&box, Qt::Key_Return);
  });
  EXPECT_EQ(number->StoredValue(), "21.59");

  auto text = Parameter("2", "ab");
  Text message;
  Show(text.get(), [&](QDialog& w) {
    auto& box = Child<QLineEdit>(w, "txtNewCPValue");
    QApplication::clipboard()->setText("ABCDEF");
    QTimer answer;
    AnswerNextMessage(answer, message);
    QTest::keySequence(&box, QKeySequence::Paste);
    EXPECT_EQ(box.text(), "ABCD");
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_EQ(box.text(), "ab");
    QTest::keyClicks(&box, " z");
    QTest::mouseClick(&Child<QPushButton>(w, "cmdCancel"), Qt::LeftButton);
  });
  EXPECT_EQ(message, "Name too long|2|The text cannot exceed 4 characters");
  EXPECT_EQ(text->StoredValue(), "ab");

  auto choice = Parameter("3", "1");
  Show(choice.get(), [&](QDialog& w) {
    auto& list = Child<QComboBox>(w, "cboEnum");
    EXPECT_EQ(list.currentText().toStdString() + std::to_string(list.count()), "On3");
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&w, Qt::Key_Escape);  // Esc is Cancel
  });
  EXPECT_EQ(choice->StoredValue(), "1");
  Show(choice.get(), [&](QDialog& w) {
    QTest::keyClick(&Child<QComboBox>(w, "cboEnum"), Qt::Key_Down);
    QTest::keyClick(&w, Qt::Key_Return);  // Enter is OK
  });
  EXPECT_EQ(choice->StoredValue(), "2");

  auto bits = Parameter("4", "5");
  Show(bits.get(), [&](QDialog& w) {
    auto& bit1 = Child<QLabel>(w, "bit1");
    EXPECT_FALSE(Child<QLabel>(w, "bit8").isVisible());
    EXPECT_TRUE(Child<QLabel>(w, "bit0").isVisible());
    QTest::mouseDClick(&bit1, Qt::LeftButton);
    EXPECT_EQ(bit1.text(), "1");
    QTest::mouseClick(&Child<QPushButton>(w, "cmdOK"), Qt::LeftButton);
  });
  EXPECT_EQ(bits->StoredValue(), "7");
}

TEST_F(DialogWindows, KeysGoToTheValueAtOnceAndEnterIsOkInEveryDialog) {
  // What the user types lands where the focus is, as on a desktop.
  auto typed = [](QDialog& w, const std::vector<Qt::Key>& keys, const QString& text = {}) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    auto focus = [&w] {
      QWidget* widget = QApplication::focusWidget();
      if (!widget) ADD_FAILURE() << "nothing holds the focus";
      return widget ? widget : &w;
    };
    if (!text.isEmpty()) QTest::keyClicks(focus(), text);
    for (Qt::Key key : keys) QTest::keyClick(focus(), key);
  };
  auto number = Parameter("1", "60"), text = Parameter("2", "ab"), choice = Parameter("3", "1"),
       bits = Parameter("5", "5");
  Show(number.get(), [&](QDialog& w) { typed(w, {Qt::Key_Return}, "120"); });
  Show(text.get(), [&](QDialog& w) { typed(w, {Qt::Key_Return}, "xy"); });
  Show(choice.get(), [&](QDialog& w) { typed(w, {Qt::Key_Down, Qt::Key_Return}); });
  // Bit 15 first; Space toggles, the arrows move between the cells and stop at the edges.
  Show(bits.get(), [&](QDialog& w) {
    typed(w, {Qt::Key_Space, Qt::Key_Down, Qt::Key_Right, Qt::Key_Space, Qt::Key_Up, Qt::Key_Left,
              Qt::Key_Left, Qt::Key_Space, Qt::Key_Return});
  });
  EXPECT_EQ(number->StoredValue() + "|" + text->StoredValue() + "|" + choice->StoredValue() + "|" +
                bits->StoredValue(),
            "120|xy|2|69")
      << "bit 15 on and off again, bit 6 on";

  // A paste the key filter would change is refused whole, and says so.
  fake->decimals = 1;
  Text message;
  Show(number.get(), [&](QDialog& w) {
    auto& box = Child<QLineEdit>(w, "txtNewCPValue");
    QTimer answer;
    AnswerNextMessage(answer, message);
    QApplication::clipboard()->setText("-2,5");
    QTest::keySequence(&box, QKeySequence::Paste);
    EXPECT_EQ(box.text(), "120");
    QApplication::clipboard()->setText("-2.5");
    QTest::keySequence(&box, QKeySequence::Paste);
    EXPECT_EQ(box.text(), "-2.5");
    QTest::mouseClick(&Child<QPushButton>(w, "cmdCancel"), Qt::LeftButton);
  });
  EXPECT_EQ(message,
            "Warning|2|The text \"-2,5\" cannot be pasted here: the value is a number written "
            "with \".\" and at most 1 decimal, typed at the end of the text or over all of it");
}

TEST_F(DialogWindows, TheComponentsEditorLibraryLoadsAndMakesTheWindows) {
  // The editor library as the component finds it: beside its module, by name.
  modules::SetComponentModulePathForTesting(std::string(TQ_PLUGINS_DIR) + "/O_TQ4600/O_TQ4600.so");
  auto p = Parameter("2", "ab");
  ui::SetDialogViewFactory([](ui::ParameterDialog& d) {
    auto view = ui::EditorLibraryView(d);
    int boxes = 0;
    for (QWidget* widget : QApplication::allWidgets())
      boxes += widget->objectName() == "txtNewCPValue" &&
               widget->window()->windowTitle() == "Edit value";
    EXPECT_TRUE(view && boxes == 1);
    return nullptr;  // the dialog then unloads as if cancelled
  });
  p->Edit();
  modules::SetComponentModulePathForTesting("");
  EXPECT_TRUE(messages->Messages().empty());

  testing_support::TempDir out;  // the pictures for the README
  auto run = testing_support::RunProcess(TQ_BUILD_DIR "/bin/tqdialogs", {"-o", out.path()});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  for (const char* name :
       {"frmCPModif1", "frmCPModif2", "frmCPModif3", "frmCPModif5", "frmMain", "frmAbout"}) {
    QImage picture((out / (std::string(name) + ".png")).c_str());
    EXPECT_GT(picture.width(), 150) << name;
  }
}

}  // namespace
