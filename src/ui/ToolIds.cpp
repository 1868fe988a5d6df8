#include "ui/ToolIds.h"

namespace ui::tools {

Command CommandOf(int32_t id) {
  using ports::ChannelKind;
  switch (id) {
    case kShowDocumentation:
      return {Action::ShowDocumentation};
    case kSaveAndExport:
      return {Action::SaveAndExport};
    case kExit:
      return {Action::CloseWindow};
    default:
      break;
  }
  if (id > kLastFixedId) return {Action::AddModule};
  if (id == kRemoveModule || id == kPopUpRemove) return {Action::RemoveModule};
  if (id == kViewDatasheet) return {Action::ViewDatasheet};
  if (id == kAbout) return {Action::About};
  if (id > kDeviceParameterBase) return {Action::EditDeviceParameter};
  // The last list's range first, down to the first's: each range ends where
  // the next kind's base begins.
  for (ChannelKind kind : {ChannelKind::DO, ChannelKind::DI, ChannelKind::AO, ChannelKind::AI})
    if (id > ColumnToolBase(kind))
      return {Action::EditChannelParameter, kind, id - ColumnToolBase(kind) - 1};
  if (id == kDeviceButton) return {Action::ShowDevice};
  if (id >= 2) return {Action::ShowModule};
  return {};
}

}  // namespace ui::tools
