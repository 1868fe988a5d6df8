#pragma once

#include <array>
#include <string>

#include "com/ComObject.h"
#include "faces/AppObject.h"
#include "faces/CallbackSink.h"
#include "ports/AppObjectServices.h"
#include "ports/EditorView.h"
#include "ui/ChannelList.h"
#include "ui/ChannelTabs.h"
#include "ui/DetailsList.h"
#include "ui/ExplorerBand.h"
#include "ui/ModuleCommands.h"

class CDBEBModule;

// The editor window of one application object, without any toolkit: the
// explorer band with the device and module buttons, the four channel lists on
// their tabs, the details list, the caption and the state of the module
// commands. The model pushes its changes in through IEditorView; a widget
// layer renders what the accessors below return and forwards the user's
// clicks. The window is also a callback sink of its object, one that ignores
// every notification: it follows the model through IEditorView instead.
class frmMain final : public faces::CallbackSink<IEditorView> {
 public:
  static constexpr int32_t kDeviceButtonId = 1;
  static constexpr const char* kDesignCaption = "TQ";

  frmMain() = default;

  // The edited object, which owns the window; the window only refers to it.
  // Setting it registers the window as a callback sink of the object.
  void SetAppObject(IAppObject* appObject);
  IAppObject* AppObject() const { return appObject_.get(); }
  // The host's owner window: kept and handed back, not used.
  void SetOwner(IUnknown* owner) { owner_ = qcom::ComPtr<IUnknown>(owner); }
  IUnknown* Owner() const { return owner_.get(); }

  // Lifecycle. Load reads the object, so the object comes first; loading a
  // loaded window does nothing. Activation loads the window if needed and,
  // the first time, lists the channels of the placed modules. Unload lets go
  // of the object and the owner.
  void Load();
  void Activate();
  void Unload();

  // Lists every channel of every placed module and attaches the window to
  // their collections, module by module in the order AO, AI, DO, DI.
  void FillChannelLists();
  void CreateExplorerBand();
  // The device button and one button per placed module, in module-set order.
  void FillModulesBand();
  // Clears the details list and lists the object's name and parameters.
  void ShowDeviceDetails();
  // Adds the module's rows to the details list (nothing for no module).
  void ShowModuleDetails(const CDBEBModule* module);

  // IEditorView. The model calls these and has no failure to hear of: one that
  // throws stops at the window's barrier, the window shown as far as it got.
  void AddChannelRow(ports::ChannelKind kind, const ports::ChannelRowData& row) override;
  void RemoveChannelRow(ports::ChannelKind kind, const std::string& key) override;
  void RefreshChannelRow(ports::ChannelKind kind, const ports::ChannelRowData& row) override;
  void SetChannelConnected(ports::ChannelKind kind, const std::string& key,
                           bool connected) override;
  void AddModuleButton(const ports::ModuleButtonData& module) override;
  void UpdateAddMenu() override;
  void EnableRemoveCommands(bool enabled) override;
  void ShowUserName(const std::string& userName) override;
  void CloseByOwner() override;

  // What the window shows.
  const std::string& Caption() const { return caption_; }
  const ui::ChannelList& List(ports::ChannelKind kind) const { return lists_[ui::TabOf(kind)]; }
  const ui::ChannelTabs& Tabs() const { return tabs_; }
  const ui::DetailsList& Details() const { return details_; }
  const ui::ExplorerBand& Explorer() const { return explorer_; }
  const ui::ModuleCommands& Commands() const { return commands_; }
  bool Loaded() const { return loaded_; }
  bool FirstActivation() const { return firstActivation_; }
  bool ClosingByOwner() const { return closingByOwner_; }

 private:
  ~frmMain() override = default;

  ui::ChannelList& ListOf(ports::ChannelKind kind) { return lists_[ui::TabOf(kind)]; }
  // What the edited object offers to the component's own classes (its module
  // set, templates and parameters); null when there is no object or it is
  // another component's.
  IAppObjectServices* EditedObject() const;

  qcom::WeakRef<IAppObject> appObject_;
  qcom::ComPtr<IUnknown> owner_;
  bool loaded_ = false;
  bool firstActivation_ = false;
  bool closingByOwner_ = false;
  bool closing_ = false;
  std::string caption_ = kDesignCaption;

  ui::ExplorerBand explorer_;
  // In tab order: AI, AO, DI, DO.
  std::array<ui::ChannelList, ui::kChannelTabCount> lists_;
  ui::ChannelTabs tabs_;
  ui::DetailsList details_;
  // The menu bar, its sub-menu and pop-up bands and the tool-click dispatcher
  // join here with the editor commands; until then the window keeps the state
  // those bands show.
  ui::ModuleCommands commands_;
};
