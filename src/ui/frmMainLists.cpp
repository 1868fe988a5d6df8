// The four channel lists: rows that follow the channels of the placed modules,
// what their cells tell of their parameters, and the user's clicks in them
// and on their tabs.
#include "com/Boundary.h"
#include "com/Bstr.h"
#include "com/TextRules.h"
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "modules/CDBEBModules.h"
#include "plugin/CDBAppObject.h"
#include "ui/frmMain.h"
#include "values/CDBAttributes.h"
#include "values/DecimalSeparators.h"
#include "values/NumberRules.h"

namespace {

// Whether a value differs from its default as tqhost get tells it: numbers
// (with either decimal separator) compared as numbers, other texts as texts.
bool DiffersFromDefault(const std::string& value, const std::string& fallback) {
  auto number = [](const std::string& text) {
    return values::LocaleParseDouble(values::LocaliseNumberText(qcom::text::Trim(text)));
  };
  auto a = number(value), b = number(fallback);
  if (a && b) return *a != *b;
  return qcom::text::Trim(value) != qcom::text::Trim(fallback);
}

std::string Text(CDBAttribute& parameter, HRESULT (CDBAttribute::*getter)(BSTR*)) {
  qcom::Bstr text;
  if (FAILED((parameter.*getter)(text.out()))) return {};
  return text.utf8();
}

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
    DescribeRow(kind, row.globalKey);
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
    DescribeRow(kind, row.globalKey);
    Changed({ui::ViewPart::Rows, {}, kind, row.globalKey});
  });
}

void frmMain::SetChannelConnected(ports::ChannelKind kind, const std::string& key, bool connected) {
  qcom::Guarded([&] {
    ListOf(kind).SetImage(key, ui::ImageKey(kind, connected));
    Changed({ui::ViewPart::Rows, {}, kind, key});
  });
}

void frmMain::DescribeRow(ports::ChannelKind kind, const std::string& key) {
  const CDBAppObject* object = OwnObject();
  CDBAttributes* parameters =
      object ? object->ChannelAttributes(std::string(ui::KindText(kind)), key) : nullptr;
  if (!parameters) return;
  ui::ChannelList& list = ListOf(kind);
  for (const auto& entry : parameters->Items()) {
    CDBAttribute& parameter = *entry.item;
    ui::CellNote note{DiffersFromDefault(parameter.StoredValue(),
                                         Text(parameter, &CDBAttribute::get_DefaultValue)),
                      Text(parameter, &CDBAttribute::get_DispDefault)};
    list.Describe(key, parameter.NameText(), std::move(note),
                  qcom::text::Trim(parameter.TypeFields().units),
                  Text(parameter, &CDBAttribute::get_Description));
  }
}

void frmMain::CellDoubleClick(ports::ChannelKind kind, const std::string& key, size_t column) {
  qcom::Guarded([&] {
    const ui::ChannelList& list = List(kind);
    const ui::ListRow* row = list.Row(key);
    // Only a parameter's own cell: the name and module columns edit nothing.
    if (!row || column < 2 || column >= row->cells.size() || row->cells[column].empty()) return;
    // The clicked row is edited with the others selected, as the pop-up edits them.
    if (!row->selected) ListOf(kind).Select({key});
    RowClick(kind, key);
    Dispatch(ui::tools::ColumnToolBase(kind) + static_cast<int32_t>(column) + 1,
             list.Columns()[column].text, "");
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
