#pragma once

#include <string_view>

#include "ports/ChannelLink.h"

// What sets the four channel kinds apart; everything else about a channel is
// the same for all of them.
struct ChannelKindInfo {
  ports::ChannelKind kind;
  // Display name: prefix + channel number + ")".
  std::string_view namePrefix;
  // Child of the channel definition that lists the channel's connection points.
  std::string_view referenceSection;
  // Inputs and outputs of the controller become outputs and inputs of the
  // application object: AI and DI channels send values, AO and DO receive them.
  bool createsOutputs;
  // Name of the channel's element in the saved object, and the segment of its
  // key after the module key ("\" + element name).
  std::string_view elementName;
  std::string_view keySegment;
  // Digital inputs become pulse counters through a reference named "Counter".
  bool mayCount;
};

inline constexpr ChannelKindInfo kAnalogInputKind{
    ports::ChannelKind::AI, "Analog (", "OutReferences", true, "AI", "\\AI", false};
inline constexpr ChannelKindInfo kAnalogOutputKind{
    ports::ChannelKind::AO, "Analog (", "InReferences", false, "AO", "\\AO", false};
inline constexpr ChannelKindInfo kDigitalInputKind{
    ports::ChannelKind::DI, "Binary (", "OutReferences", true, "DI", "\\DI", true};
inline constexpr ChannelKindInfo kDigitalOutputKind{
    ports::ChannelKind::DO, "Binary (", "InReferences", false, "DO", "\\DO", false};
