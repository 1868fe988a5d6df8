// The four channel lists: rows that follow the channels of the placed modules,
// and the user's clicks in them and on their tabs.
#include "com/Boundary.h"
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "modules/CDBEBModules.h"
#include "ui/frmMain.h"

namespace {

// Attaches the window to the collection, so that later changes of its
// channels reach the list, and lists every channel it holds.
template <class Channels>
void ListChannels(Channels* channels, frmMain& window) {
  if (!channels) return;
  channels->SetEditor(&window);
  for (size_t position = 1; position <= channels->Count(); ++position)
    window.AddChannelRow(Channels::kChannelKind, channels->At(position)->RowData());
}

}  // namespace

void frmMain::FillChannelLists() {
  IAppObjectServices* object = EditedObject();
  const CDBEBModules* modules = object ? object->ModuleSet() : nullptr;
  if (!modules) return;
  for (const auto& entry : modules->Modules()) {
    const CDBEBModule& module = *entry.item;
    ListChannels(module.AOs(), *this);
    ListChannels(module.AIs(), *this);
    ListChannels(module.DOs(), *this);
    ListChannels(module.DIs(), *this);
  }
}

void frmMain::AddChannelRow(ports::ChannelKind kind, const ports::ChannelRowData& row) {
  qcom::Guarded([&] {
    ui::ChannelList& list = ListOf(kind);
    const size_t columns = list.Columns().size();
    list.AddRow(row, ui::ImageKey(kind, false));
    tabs_.Open(ui::TabOf(kind));
    list.SwitchOn(true);
    if (list.Columns().size() != columns) Changed({ui::ViewPart::Columns, {}, kind});
    Changed({ui::ViewPart::Rows, {}, kind, row.globalKey});
    Changed({ui::ViewPart::Tabs});
  });
}

void frmMain::RemoveChannelRow(ports::ChannelKind kind, const std::string& key) {
  qcom::Guarded([&] {
    ui::ChannelList& list = ListOf(kind);
    if (!list.RemoveRow(key)) return;
    Changed({ui::ViewPart::Rows, {}, kind, key});
    if (!list.Empty()) return;
    tabs_.Close(ui::TabOf(kind));
    list.SwitchOn(false);
    Changed({ui::ViewPart::Tabs});
  });
}

void frmMain::RefreshChannelRow(ports::ChannelKind kind, const ports::ChannelRowData& row) {
  qcom::Guarded([&] {
    ListOf(kind).RefreshRow(row);
    Changed({ui::ViewPart::Rows, {}, kind, row.globalKey});
  });
}

void frmMain::SetChannelConnected(ports::ChannelKind kind, const std::string& key, bool connected) {
  qcom::Guarded([&] {
    ListOf(kind).SetImage(key, ui::ImageKey(kind, connected));
    Changed({ui::ViewPart::Rows, {}, kind, key});
  });
}

void frmMain::ListMouseDown(ports::ChannelKind, int) {
  qcom::Guarded([&] { EnableChannelMenu(false); });
}

void frmMain::RowClick(ports::ChannelKind kind, const std::string& key) {
  qcom::Guarded([&] {
    EnableChannelMenu(true);
    BuildChannelPopup(kind, key);
    bar_.SetSubBand(ui::tools::kChannelBand, ui::tools::kMenuChannel, ui::tools::kChannelPopUp);
    BandChanged(ui::tools::kChannelBand);
  });
}

void frmMain::ListMouseUp(ports::ChannelKind, int button) {
  if (button == ui::kRightButton && view_) view_->PopUp(ui::tools::kChannelBand);
}

void frmMain::SelectionChanged(ports::ChannelKind kind, const std::vector<std::string>& keys) {
  qcom::Guarded([&] { ListOf(kind).Select(keys); });
}

void frmMain::TabClick(int tab) {
  qcom::Guarded([&] {
    tabs_.Select(tab);
    EnableChannelMenu(false);
    Changed({ui::ViewPart::Tabs});
  });
}

void frmMain::DetailsClick() {
  qcom::Guarded([&] { EnableChannelMenu(false); });
}
