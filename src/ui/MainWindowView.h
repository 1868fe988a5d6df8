#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "com/Unknown.h"
#include "ports/ChannelLink.h"

// The editor window as a toolkit shows it. The presentation model (frmMain)
// owns one view while it is shown, tells it what changed and asks it to show,
// hide and close itself; the view reads what to draw from EditorWindowModel
// and forwards the user's actions there.
namespace ui {

class EditorWindowModel;
struct AboutBox;

// The screen's mouse pointer, in the codes the window sets.
enum class Pointer { Default = 0, Hourglass = 11 };

// What changed, so a view redraws only that.
enum class ViewPart {
  Bands,     // the tools of band (all bands when band is empty)
  Explorer,  // the explorer band's buttons
  Columns,   // the columns of list (rows follow them: every row has a cell per column)
  Rows,      // the row of list keyed row; every row of list when row is empty
  Tabs,      // which tabs are enabled and which is current; which lists are switched on
  Details,   // the details list
  Caption,   // the window's caption
  Pointer,   // the mouse pointer
  Status,    // the status line
};

// What the user chose when a change to the document could not be written.
enum class SaveChoice {
  Retry,          // write the document again
  SaveElsewhere,  // write it to another file, which the user picks
  Discard,        // close without the unwritten changes (offered on closing only)
  KeepEditing,    // back to the window, the changes kept in it
};

struct ViewChange {
  ViewPart part = ViewPart::Bands;
  std::string band{};
  ports::ChannelKind list = ports::ChannelKind::AI;
  std::string row{};
};

class MainWindowView {
 public:
  virtual ~MainWindowView() = default;
  // Shows the window modally, owned by the host's window object (may be
  // null); returns once the window is hidden or closed.
  virtual void ShowModal(IUnknown* owner) = 0;
  // Ends the modal show and keeps the window for a later ShowModal.
  virtual void Hide() = 0;
  // Ends the modal show for good: the model unloads and drops the view.
  virtual void Close() = 0;
  virtual void Changed(const ViewChange& change) = 0;
  // Pops the band up as a context menu at the mouse position.
  virtual void PopUp(const std::string& band) = 0;
  // Shows the about box modally; returns when it is closed.
  virtual void ShowAbout(const AboutBox& about) = 0;
  // The window's handle, as the data sheet viewer takes its parent; 0 for none.
  virtual int32_t Handle() const = 0;
  // Asks the user, over the window, what to do with changes that could not be
  // written; the question says why. Discard is offered only when closing. A
  // view without a user keeps the changes.
  virtual SaveChoice AskAfterFailedSave(const std::string& question, bool closing) {
    (void)question, (void)closing;
    return SaveChoice::KeepEditing;
  }
  // The file the user picks to save in, starting from the suggested one; empty
  // when the user picks none.
  virtual std::string ChooseFileToSave(const std::string& suggested) {
    (void)suggested;
    return {};
  }
};

using MainWindowViewFactory = std::function<std::unique_ptr<MainWindowView>(EditorWindowModel&)>;

// Installs what makes the window's view; returns the previous factory.
// Without one (no display) the window is shown by activating it once, and it
// stays open until its object closes it.
MainWindowViewFactory SetMainWindowViewFactory(MainWindowViewFactory factory);

}  // namespace ui
