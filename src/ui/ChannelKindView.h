#pragma once

#include <array>
#include <string_view>

#include "modules/ChannelKindInfo.h"
#include "ports/EditorView.h"

// How each channel kind shows in the editor window: its tab and the images of
// its rows. The tabs follow the kinds' order: AI, AO, DI, DO.
namespace ui {

inline constexpr int kChannelTabCount = 4;

constexpr int TabOf(ports::ChannelKind kind) {
  return static_cast<int>(kind);
}

inline constexpr std::array<std::string_view, kChannelTabCount> kTabCaptions = {
    "Analog Input", "Analog Output", "Digital Input", "Digital Output"};

// Key of the row image in the window's image list: "ai" for an unconnected
// analog input, "aiconn" for a connected one, and so on.
constexpr std::string_view ImageKey(ports::ChannelKind kind, bool connected) {
  constexpr std::array<std::string_view, kChannelTabCount> open = {"ai", "ao", "di", "do"};
  constexpr std::array<std::string_view, kChannelTabCount> linked = {"aiconn", "aoconn", "diconn",
                                                                     "doconn"};
  return connected ? linked[TabOf(kind)] : open[TabOf(kind)];
}

// The kind's segment of a channel key ("AI" in "EB1\AI\2").
constexpr std::string_view KindText(ports::ChannelKind kind) {
  constexpr std::array<const ChannelKindInfo*, kChannelTabCount> kinds = {
      &kAnalogInputKind, &kAnalogOutputKind, &kDigitalInputKind, &kDigitalOutputKind};
  return kinds[TabOf(kind)]->elementName;
}

// The image of the device in the explorer band and the image list.
inline constexpr std::string_view kDeviceImageKey = "tq";

}  // namespace ui
