#include "ui/CommandBar.h"

#include <algorithm>

#include "ui/ToolIds.h"

namespace ui {

namespace {

Tool Item(int32_t id, const char* name, const char* caption, const char* subBand = "") {
  return {.id = id, .name = name, .caption = caption, .subBand = subBand};
}

Tool Separator(int32_t id, const char* name) {
  return {.id = id, .name = name, .separator = true};
}

Tool Disabled(Tool tool) {
  tool.enabled = false;
  return tool;
}

}  // namespace

CommandBar CommandBar::StoredLayout() {
  using namespace tools;
  CommandBar bar;
  // The device and channel menus come to life once their pop-ups are built:
  // the device's at load, the channel's with a row click.
  bar.bands_ = {
      {kStandardBand,
       "Standard",
       BandKind::MenuBar,
       {Item(601, "mnuFile", "&File", kFileBand), Disabled(Item(604, kMenuTQ, "T&Q", kEditTQBand)),
        Item(602, "mnuEB", "&EB", kModuleBand),
        Disabled(Item(603, kMenuChannel, "Channel", kChannelBand)),
        Item(608, "mnuHelp", "?", kHelpBand)}},
      {kFileBand,
       "",
       BandKind::SubMenu,
       {Item(kShowDocumentation, "ShowDoc", "&Show Documentation"), Separator(107, "mnuFileSep2"),
        Item(kSaveAndExport, "mnuFileSave", "&Save and Export"), Separator(3, "mnuFileSep1"),
        Item(kExit, "mnuFileExit", "E&xit")}},
      {kModuleBand,
       "",
       BandKind::SubMenu,
       {Item(kAddModule, kMenuAdd, "&Add"), Separator(7, "mnuEBSep1"),
        Item(kRemoveModule, kMenuRemove, "&Remove")}},
      {kRemoveBand, "RemoveEB", BandKind::PopUp, {Item(kPopUpRemove, kPopUpRemoveTool, "Remove")}},
      {kHelpBand,
       "",
       BandKind::SubMenu,
       {Item(kViewDatasheet, "mnuHelpHelp", " View Data Sheet"),
        Item(kAbout, "mnuHelpAbout", "About...")}},
      {kChannelBand, "", BandKind::PopUp, {Item(kChannelEdit, kMenuChannel, "Edit")}},
      {kEditTQBand, "", BandKind::PopUp, {Item(kDeviceEdit, kMenuTQEdit, "Edit")}},
  };
  return bar;
}

Band* CommandBar::Find(std::string_view name) {
  auto found = std::find_if(bands_.begin(), bands_.end(),
                            [&](const Band& band) { return band.name == name; });
  return found == bands_.end() ? nullptr : &*found;
}

const Band* CommandBar::FindBand(std::string_view name) const {
  return const_cast<CommandBar*>(this)->Find(name);
}

Band& CommandBar::EnsureBand(std::string_view name, BandKind kind) {
  if (Band* band = Find(name)) return *band;
  bands_.push_back({std::string(name), "", kind, {}});
  return bands_.back();
}

Band& CommandBar::RecreateBand(std::string_view name, BandKind kind) {
  std::erase_if(bands_, [&](const Band& band) { return band.name == name; });
  return EnsureBand(name, kind);
}

Tool* CommandBar::Find(std::string_view band, std::string_view tool) {
  Band* found = Find(band);
  if (!found) return nullptr;
  auto match = std::find_if(found->tools.begin(), found->tools.end(),
                            [&](const Tool& each) { return each.name == tool; });
  return match == found->tools.end() ? nullptr : &*match;
}

const Tool* CommandBar::FindTool(std::string_view band, std::string_view tool) const {
  return const_cast<CommandBar*>(this)->Find(band, tool);
}

bool CommandBar::SetEnabled(std::string_view band, std::string_view tool, bool enabled) {
  Tool* found = Find(band, tool);
  if (found) found->enabled = enabled;
  return found != nullptr;
}

bool CommandBar::SetSubBand(std::string_view band, std::string_view tool,
                            std::string_view subBand) {
  Tool* found = Find(band, tool);
  if (found) found->subBand = std::string(subBand);
  return found != nullptr;
}

}  // namespace ui
