#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "com/ComPtr.h"
#include "platform/Picture.h"

namespace ui {

// A picture button of the explorer band. The device button has identifier 1;
// module buttons carry their module's key as name and tag, and the tag is how
// a click finds the module again.
struct ExplorerButton {
  int32_t id = 0;
  std::string name;
  std::string tag;
  std::string caption;
  qcom::ComPtr<IPicture> picture;
};

// The side panel "IO_Expansion" with its child band "Modules": the device
// button first, then one button per placed module.
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
  void Add(ExplorerButton button) {
    if (exists_) buttons_.push_back(std::move(button));
  }
  const std::vector<ExplorerButton>& Buttons() const { return buttons_; }

 private:
  std::vector<ExplorerButton> buttons_;
  bool exists_ = false;
};

}  // namespace ui
