// The four channel lists: rows that follow the channels of the placed modules.
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
    list.AddRow(row, ui::ImageKey(kind, false));
    tabs_.Open(ui::TabOf(kind));
    list.SwitchOn(true);
  });
}

void frmMain::RemoveChannelRow(ports::ChannelKind kind, const std::string& key) {
  qcom::Guarded([&] {
    ui::ChannelList& list = ListOf(kind);
    list.RemoveRow(key);
    if (!list.Empty()) return;
    tabs_.Close(ui::TabOf(kind));
    list.SwitchOn(false);
  });
}

void frmMain::RefreshChannelRow(ports::ChannelKind kind, const ports::ChannelRowData& row) {
  qcom::Guarded([&] { ListOf(kind).RefreshRow(row); });
}

void frmMain::SetChannelConnected(ports::ChannelKind kind, const std::string& key, bool connected) {
  qcom::Guarded([&] { ListOf(kind).SetImage(key, ui::ImageKey(kind, connected)); });
}
