#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "com/ComPtr.h"
#include "platform/Picture.h"

namespace ui {

// A template the configuration tree allows next, as the Add menu offers it.
struct AddableTemplate {
  std::string templateId;
  std::string name;
  int32_t slot = 0;
  qcom::ComPtr<IPicture> icon;
};

// What the module commands offer: the Add menu with the addable templates in
// catalogue order, and whether the remove commands can be chosen. The menu
// bands and their tools render this state; they are built with the commands.
struct ModuleCommands {
  bool addEnabled = false;
  std::vector<AddableTemplate> addable;
  bool removeEnabled = false;
};

}  // namespace ui
