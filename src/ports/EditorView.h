#pragma once

#include <string>
#include <utility>
#include <vector>

#include "com/Unknown.h"
#include "ports/ChannelLink.h"

// The editor window as the model sees it. The model pushes its changes into
// the window through these operations; the editor implements them (with a
// display or without one), the model never includes the editor.
namespace ports {

// What a list row shows of a channel: its name, its key and its parameters
// with their display texts, in parameter order.
struct ChannelRowData {
  std::string name;
  std::string globalKey;
  std::vector<std::pair<std::string, std::string>> parameters;
};

// What a module button shows.
struct ModuleButtonData {
  std::string key;
  std::string name;
};

}  // namespace ports

// The editor window.
struct IEditorView : IUnknown {
  QCOM_IDENTITY(IUnknown, "16B68C6F-425C-4D9C-948D-6E52A836EABC");
  // One family of row operations per channel kind.
  virtual void AddChannelRow(ports::ChannelKind kind, const ports::ChannelRowData& row) = 0;
  virtual void RemoveChannelRow(ports::ChannelKind kind, const std::string& key) = 0;
  virtual void RefreshChannelRow(ports::ChannelKind kind, const ports::ChannelRowData& row) = 0;
  virtual void SetChannelConnected(ports::ChannelKind kind, const std::string& key,
                                   bool connected) = 0;
  virtual void AddModuleButton(const ports::ModuleButtonData& module) = 0;
  virtual void UpdateAddMenu() = 0;
  // The "remove module" tool of the module band and of the module pop-up.
  virtual void EnableRemoveCommands(bool enabled) = 0;
  virtual void ShowUserName(const std::string& userName) = 0;
  // Closes the window for good (the owner releases it).
  virtual void CloseByOwner() = 0;
  // Shows the window modally, owned by the host's window object (may be
  // null), and returns when the user has closed or hidden it.
  virtual void ShowModal(IUnknown* ownerWindow) = 0;

 protected:
  ~IEditorView() = default;
};

// Internal interface through which inputs and outputs reach the window of the
// application object they belong to.
struct IEditorOwner : IUnknown {
  QCOM_IDENTITY(IUnknown, "45E99E63-A522-47AF-A56D-75E2F98E354E");
  // The open editor window, or null.
  virtual IEditorView* EditorView() = 0;

 protected:
  ~IEditorOwner() = default;
};
