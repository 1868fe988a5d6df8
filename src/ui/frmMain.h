#pragma once

#include <array>
#include <memory>
#include <string>

#include "com/ComObject.h"
#include "faces/AppObject.h"
#include "faces/CallbackList.h"
#include "faces/CallbackSink.h"
#include "faces/EditorHost.h"
#include "ports/AppObjectServices.h"
#include "ports/EditorView.h"
#include "ui/ChannelList.h"
#include "ui/ChannelTabs.h"
#include "ui/CommandBar.h"
#include "ui/DetailsList.h"
#include "ui/EditorWindowModel.h"
#include "ui/ExplorerBand.h"
#include "ui/MainWindowView.h"
#include "ui/ToolIds.h"

class CDBAppObject;
class CDBEBModule;

// The editor window of one application object, without any toolkit: the
// menu bands and the tool-click dispatcher, the explorer band with the device
// and module buttons, the four channel lists on their tabs, the details list,
// the caption, the status line and the mouse pointer. Shown by a host that
// keeps the object in a document (IEditorHost as the owner window), the window
// has every change written to the document at once, marks the caption while
// a change is not written and never lets one go unless the user says so.
// The model pushes its changes in through
// IEditorView; a view (MainWindowView) renders what EditorWindowModel returns
// and forwards the user's clicks there. The window is also a callback sink of
// its object, one that ignores every notification: it follows the model
// through IEditorView instead. The object owns the window, so the window is
// a sink the object holds without a reference (IOwnedSink).
class frmMain final : public faces::CallbackSink<IEditorView, IOwnedSink>,
                      public ui::EditorWindowModel {
 public:
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
  // of the object and the owner and closes the view.
  void Load();
  void Activate();
  void Unload();
  // The user's close, the Exit command's or the owner's: asks the object to
  // release its editor. The window closes when the object answered with
  // CloseByOwner and hides itself otherwise. Changes the document lacks are
  // written first; when they cannot be, the user chooses (unless there is no
  // user to ask, ask false) and may keep the window open.
  void CloseWindow(bool ask = true);

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

  // The commands of the menus.
  void Dispatch(int32_t id, const std::string& name, const std::string& tag);
  void ShowDocumentation();
  void SaveAndExport();
  void AddModule(const std::string& templateId);
  void RemoveLastModule();
  // Edits the named parameter of every selected row of the kind's list, one
  // dialog after the other, and writes each row's cell at that column.
  void EditChannelParameter(ports::ChannelKind kind, const std::string& name, int32_t column);
  void EditDeviceParameter(const std::string& name);
  void ViewDatasheet();
  // The pop-ups built at run time.
  void BuildChannelPopup(ports::ChannelKind kind, const std::string& rowKey);
  void BuildDevicePopup();
  void BuildTemplatePopup();

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
  void ShowModal(IUnknown* ownerWindow) override;

  // ui::EditorWindowModel
  const std::vector<ui::Band>& CommandBands() const override { return bar_.Bands(); }
  const std::vector<ui::Tool>& ExplorerButtons() const override { return explorer_.Buttons(); }
  const ui::ChannelList& ChannelRows(ports::ChannelKind kind) const override { return List(kind); }
  const ui::ChannelTabs& TabState() const override { return tabs_; }
  const std::vector<ui::DetailRow>& DetailRows() const override { return details_.Rows(); }
  const std::string& WindowCaption() const override { return caption_; }
  ui::Pointer MousePointer() const override { return pointer_; }
  const ui::StatusLine& Status() const override { return status_; }
  void ToolClick(int32_t id, const std::string& name, const std::string& tag) override;
  void ListMouseDown(ports::ChannelKind kind, int button) override;
  void RowClick(ports::ChannelKind kind, const std::string& key) override;
  void ListMouseUp(ports::ChannelKind kind, int button) override;
  void SelectionChanged(ports::ChannelKind kind, const std::vector<std::string>& keys) override;
  void DetailsClick() override;
  void TabClick(int tab) override;
  void Activated() override;
  void CloseRequested() override;
  void CellDoubleClick(ports::ChannelKind kind, const std::string& key, size_t column) override;
  void StatusAction() override;
  void WindowGone() override;

  // The document the edits go to (the host's, while it offers one).
  bool HasDocument() const { return host_ != nullptr; }
  // Whether the object holds a change the document lacks.
  bool Unsaved() const { return unsaved_; }

  // What the window shows.
  const std::string& Caption() const { return caption_; }
  const ui::ChannelList& List(ports::ChannelKind kind) const { return lists_[ui::TabOf(kind)]; }
  const ui::ChannelTabs& Tabs() const { return tabs_; }
  const ui::DetailsList& Details() const { return details_; }
  const ui::ExplorerBand& Explorer() const { return explorer_; }
  const ui::CommandBar& Bar() const { return bar_; }
  bool Loaded() const { return loaded_; }
  bool FirstActivation() const { return firstActivation_; }
  bool ClosingByOwner() const { return closingByOwner_; }

 private:
  ~frmMain() override;

  ui::ChannelList& ListOf(ports::ChannelKind kind) { return lists_[ui::TabOf(kind)]; }
  // What the edited object offers to the component's own classes (its module
  // set, templates and parameters); null when there is no object or it is
  // another component's.
  IAppObjectServices* EditedObject() const;
  // The edited object when it is this component's own.
  CDBAppObject* OwnObject() const;
  const CDBEBModules* Modules() const;
  static ui::Tool ModuleButton(int32_t id, const CDBEBModule& module);
  // Whether the device parameter is shown and offered: the field-bus address is not.
  static bool ShownParameter(const std::string& name);
  // Enables the channel menu of the menu bar: only right after a row click.
  void EnableChannelMenu(bool enabled);
  void SetPointer(ui::Pointer pointer);
  void Changed(ui::ViewChange change) const;
  void SetStatus(std::string text, std::string action = {}, std::string target = {});
  // The caption: the object's user name, with the document's file and a mark
  // for unwritten changes while there is a document.
  void ShowCaption();
  std::string DocumentPath() const;
  // A command changed the object (what says how): the document follows at once.
  void ObjectChanged(const std::string& what);
  // Writes the document (or, with a path, that file); false with the reason
  // in the status line when it cannot be written.
  bool SaveDocument(const std::string& path, std::string& problem);
  // Writes what the document lacks; when it cannot be, asks the user (when
  // ask is true) until it is written, saved elsewhere or, closing, knowingly
  // discarded. False when the user keeps editing instead: a close stops.
  // Without a user to ask, a close goes on and the host keeps the changes.
  bool KeepChanges(bool closing, bool ask);
  // The row's cells and columns told of their parameters: unit, description,
  // default and whether the value differs from it.
  void DescribeRow(ports::ChannelKind kind, const std::string& key);
  void BandChanged(const char* band) const { Changed({ui::ViewPart::Bands, band}); }

  qcom::WeakRef<IAppObject> appObject_;
  qcom::ComPtr<IUnknown> owner_;
  bool loaded_ = false;
  bool firstActivation_ = false;
  bool closingByOwner_ = false;
  bool closing_ = false;
  std::string caption_ = kDesignCaption;
  std::string userName_;
  bool named_ = false;  // userName_ was given; the design caption until then
  ui::Pointer pointer_ = ui::Pointer::Default;
  ui::StatusLine status_;
  std::string statusTarget_;  // the folder the status line's action opens
  // The host's document, while the window is shown by a host that keeps one.
  qcom::ComPtr<IEditorHost> host_;
  bool unsaved_ = false;
  std::string change_;  // the last change not yet written, as the status line tells it
  // Set once the user was told that the document cannot be written, so that
  // each later change does not ask again; cleared when it is written.
  bool toldUnsaved_ = false;

  ui::CommandBar bar_ = ui::CommandBar::StoredLayout();
  ui::ExplorerBand explorer_;
  // In tab order: AI, AO, DI, DO.
  std::array<ui::ChannelList, ui::kChannelTabCount> lists_;
  ui::ChannelTabs tabs_;
  ui::DetailsList details_;
  // While the window is shown on a display.
  std::unique_ptr<ui::MainWindowView> view_;
};
