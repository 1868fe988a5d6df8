#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// What the about box shows.
struct AboutBox {
  std::string caption;
  std::string title;
  std::string version;
  std::string okCaption;
  // The bytes of the component's own icon file; empty when it is missing.
  std::vector<uint8_t> logo;
};

// The about box of the editor: the component's name, version and icon.
class frmAbout {
 public:
  static constexpr const char* kCaption = "About TQ4600 Plug-In";
  static constexpr const char* kTitle = "TQ 4600 Plug-In";

  // Fills the box for the component's own version.
  void Load();
  const AboutBox& State() const { return state_; }

 private:
  AboutBox state_{kCaption, kTitle, "Version 1.0.0", "OK", {}};
};

// "Version major.minor.revision" of a version "major.minor.build.revision":
// the build number is not shown, a missing field counts as 0.
std::string VersionText(std::string_view version);

}  // namespace ui
