#pragma once

#include <cstddef>
#include <vector>

#include "ui/CommandBar.h"

namespace ui {

// The side panel "IO_Expansion" with its child band "Modules": the device
// button (identifier 1) first, then one picture button per placed module,
// whose name and tag are the module's key; the tag is how a click finds the
// module again.
class ExplorerBand {
 public:
  static constexpr const char* kBandName = "IO_Expansion";
  static constexpr const char* kModulesBandName = "Modules";

  // A fresh band without buttons.
  void Create() {
    buttons_.clear();
    exists_ = true;
  }
  // Drops the band with its buttons (and their pictures).
  void Release() {
    buttons_.clear();
    exists_ = false;
  }
  bool Exists() const { return exists_; }
  // Ignored while the band does not exist.
  void Add(Tool button) {
    if (exists_) buttons_.push_back(std::move(button));
  }
  // Removes the button at that position (the device button is at 0).
  void RemoveAt(size_t position) {
    if (position < buttons_.size()) buttons_.erase(buttons_.begin() + position);
  }
  const std::vector<Tool>& Buttons() const { return buttons_; }

 private:
  std::vector<Tool> buttons_;
  bool exists_ = false;
};

}  // namespace ui
