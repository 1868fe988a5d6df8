#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ports/ChannelLink.h"
#include "ui/ChannelList.h"
#include "ui/ChannelTabs.h"
#include "ui/CommandBar.h"
#include "ui/DetailsList.h"
#include "ui/MainWindowView.h"

// The editor window as its view sees it: what to draw and the user's actions.
// The view lives in a library loaded at run time that does not link the
// model, so it reaches the window through these virtual members alone and
// reads the returned state through inline accessors only (ChannelList's
// Columns, Rows and SwitchedOn; ChannelTabs' Enabled, Current and SwitchedOn;
// plain fields elsewhere).
namespace ui {

// Mouse buttons as the list events report them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// The line below the lists: what the last command did or is doing, and an
// action it offers (opening the folder a report was written to).
struct StatusLine {
  std::string text;
  std::string action{};  // the action's caption; empty for none
};

class EditorWindowModel {
 public:
  // What to draw. References stay valid until the next change is announced.
  virtual const std::vector<Band>& CommandBands() const = 0;
  virtual const std::vector<Tool>& ExplorerButtons() const = 0;
  virtual const ChannelList& ChannelRows(ports::ChannelKind kind) const = 0;
  virtual const ChannelTabs& TabState() const = 0;
  virtual const std::vector<DetailRow>& DetailRows() const = 0;
  virtual const std::string& WindowCaption() const = 0;
  virtual Pointer MousePointer() const = 0;
  virtual const StatusLine& Status() const = 0;

  // The user's actions, in the order the window receives them.
  // A tool of a band or a button of the explorer band was clicked.
  virtual void ToolClick(int32_t id, const std::string& name, const std::string& tag) = 0;
  // A mouse button went down in a list, then its row was clicked (with that
  // button), then the button came up.
  virtual void ListMouseDown(ports::ChannelKind kind, int button) = 0;
  virtual void RowClick(ports::ChannelKind kind, const std::string& key) = 0;
  virtual void ListMouseUp(ports::ChannelKind kind, int button) = 0;
  // The selected rows of the list, by key, after any change of selection.
  virtual void SelectionChanged(ports::ChannelKind kind, const std::vector<std::string>& keys) = 0;
  virtual void DetailsClick() = 0;
  virtual void TabClick(int tab) = 0;
  // The window became active (also the first time it is shown).
  virtual void Activated() = 0;
  // The user asked to close the window. The view keeps it open and lets the
  // model answer with Hide or Close.
  virtual void CloseRequested() = 0;
  // A cell of a list was double-clicked (column 0-based, as the list's columns).
  virtual void CellDoubleClick(ports::ChannelKind kind, const std::string& key, size_t column) = 0;
  // The status line's action was chosen.
  virtual void StatusAction() = 0;
  // The window was taken away from outside (its display window destroyed):
  // there is no user left to ask, and the model must let the show end.
  virtual void WindowGone() = 0;

 protected:
  ~EditorWindowModel() = default;
};

}  // namespace ui
