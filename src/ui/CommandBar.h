#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The menu bar, its sub-menu and pop-up bands and their tools, without any
// toolkit. A tool's identifier carries its meaning for the tool-click
// dispatcher; its name is how the window finds it again. A widget layer
// renders the bands and reports clicks by identifier, name and tag.
namespace ui {

struct Tool {
  int32_t id = 0;
  std::string name{};
  // What a click hands the dispatcher besides the identifier: a module
  // button's module key.
  std::string tag{};
  std::string caption{};
  std::string description{};
  // What the view shows on pointing at the tool (a parameter's or a module's
  // description) and beside its caption (a module button's slot).
  std::string tooltip{};
  std::string note{};
  bool enabled = true;
  bool visible = true;
  bool separator = false;
  // The band the tool opens as its sub-menu; "" for a command.
  std::string subBand{};
  // The bytes of the tool's image file (icon, PNG or BMP); empty without one.
  std::vector<uint8_t> picture{};
};

enum class BandKind { MenuBar, SubMenu, PopUp };

struct Band {
  std::string name{};
  std::string caption{};
  BandKind kind = BandKind::SubMenu;
  std::vector<Tool> tools;
};

// The bands of the window and the control's own collection of named tools,
// which keeps a tool's identifier once it was handed out: a pop-up rebuilt
// later gives the same template or parameter the same identifier.
class CommandBar {
 public:
  // The bands and tools the window is designed with.
  static CommandBar StoredLayout();

  const std::vector<Band>& Bands() const { return bands_; }
  // Null when no band has that name.
  const Band* FindBand(std::string_view name) const;
  // The band of that name, added empty when missing.
  Band& EnsureBand(std::string_view name, BandKind kind);
  // Removes the band and adds it again, empty.
  Band& RecreateBand(std::string_view name, BandKind kind);
  // Null when the band or its tool is missing.
  const Tool* FindTool(std::string_view band, std::string_view tool) const;
  // False when the band or its tool is missing.
  bool SetEnabled(std::string_view band, std::string_view tool, bool enabled);
  bool SetSubBand(std::string_view band, std::string_view tool, std::string_view subBand);

  // The identifier of the control's tool of that name, handing out a new one
  // from makeId when there is none yet.
  template <class MakeId>
  int32_t ToolId(const std::string& name, MakeId makeId) {
    for (const Tool& tool : registered_)
      if (tool.name == name) return tool.id;
    registered_.push_back({.id = makeId(), .name = name});
    return registered_.back().id;
  }

 private:
  Band* Find(std::string_view name);
  Tool* Find(std::string_view band, std::string_view tool);

  std::vector<Band> bands_;
  std::vector<Tool> registered_;
};

}  // namespace ui
