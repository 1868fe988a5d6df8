#pragma once

#include <cstdint>

#include "ports/ChannelLink.h"

// The numeric identifiers of the editor's tools and what the tool-click
// dispatcher reads from them, with the names of the bands and tools the
// window changes at run time.
namespace ui::tools {

// Bands.
inline constexpr const char* kStandardBand = "bndStandard";
inline constexpr const char* kFileBand = "sbndFile";
inline constexpr const char* kModuleBand = "sbndEB";
inline constexpr const char* kRemoveBand = "pupRemoveEB";
inline constexpr const char* kHelpBand = "sbndHelp";
inline constexpr const char* kChannelBand = "pupChannel";
inline constexpr const char* kEditTQBand = "pupEditTQ";
inline constexpr const char* kTemplatePopUp = "PopUpValidEB";
inline constexpr const char* kChannelPopUp = "PopUpChannelAttr";
inline constexpr const char* kDevicePopUp = "PopUpTQAttr";

// Tools the window enables, disables or gives a sub-menu.
inline constexpr const char* kMenuTQ = "mnuTQ";
inline constexpr const char* kMenuChannel = "mnuChannel";
inline constexpr const char* kMenuAdd = "mnuEBAdd";
inline constexpr const char* kMenuRemove = "mnuEBRemove";
inline constexpr const char* kPopUpRemoveTool = "Remove";
inline constexpr const char* kMenuTQEdit = "mnuTQEdit";

// Identifiers.
inline constexpr int32_t kDeviceButton = 1;
inline constexpr int32_t kDeviceEdit = 2;
inline constexpr int32_t kSaveAndExport = 103;
inline constexpr int32_t kExit = 105;
inline constexpr int32_t kShowDocumentation = 106;
inline constexpr int32_t kPopUpRemove = 204;
inline constexpr int32_t kAddModule = 501;
inline constexpr int32_t kRemoveModule = 503;
inline constexpr int32_t kViewDatasheet = 609;
inline constexpr int32_t kAbout = 610;
inline constexpr int32_t kChannelEdit = 699;
// A module button carries an identifier up to this one.
inline constexpr int32_t kLastModuleButton = 700;
// A parameter column's tool: the base of its list's kind + the column number (1-based).
constexpr int32_t ColumnToolBase(ports::ChannelKind kind) {
  return 700 + 50 * static_cast<int32_t>(kind);
}
// A device parameter's tool: this base + its running number from 1.
inline constexpr int32_t kDeviceParameterBase = 900;
// Template tools take their identifiers from the component-wide counter,
// which starts above this one.
inline constexpr int32_t kLastFixedId = 66536;

enum class Action {
  None,
  ShowDocumentation,
  SaveAndExport,
  CloseWindow,
  AddModule,
  RemoveModule,
  ViewDatasheet,
  About,
  EditDeviceParameter,
  EditChannelParameter,
  ShowDevice,
  ShowModule,
};

struct Command {
  Action action = Action::None;
  // For a channel parameter: its list and the 0-based index of its column.
  ports::ChannelKind kind = ports::ChannelKind::AI;
  int32_t column = 0;
  bool operator==(const Command&) const = default;
};

// What a click on the tool with that identifier does, read in the
// dispatcher's order: fixed commands, templates, removal, help, parameters,
// and last the explorer band's buttons.
Command CommandOf(int32_t id);

}  // namespace ui::tools
