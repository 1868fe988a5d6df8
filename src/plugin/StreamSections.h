#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "modules/CDBEBModules.h"
#include "plugin/Dimensions.h"
#include "plugin/StreamWriter.h"
#include "points/CDBInputs.h"
#include "values/CDBAttributes.h"

// The rows of the configuration block the controller is sent for an object.
// Each row only reads the model and appends its fields to the writer; the
// object decides what to keep of them.
namespace plugin {

// The DI, DO, AI and AO channel counts and the number of counter DIs, one
// byte each.
void WriteChannelCounts(StreamWriter& out, const ChannelTotals& totals);

// The two device values that share one byte of the device rows, as integers.
struct DeviceFlags {
  int32_t powerlineFreq = 0;
  int32_t behaviourOnCommFailure = 0;
};
// nullopt when either parameter is missing or its value is not a number: the
// object cannot be exported then.
std::optional<DeviceFlags> ReadDeviceFlags(const CDBAttributes* parameters);

// The device's own rows: priority, field-bus address, the tag of the last
// placed module, the byte of the two flags (powerline frequency in bit 0,
// behaviour on communication failure from bit 1), the longest silence
// between communications, the DO pulse time and four reserved bytes. A
// parameter that is missing or cannot be encoded contributes nothing.
void WriteDeviceRows(StreamWriter& out, const CDBAttributes* parameters,
                     std::string_view lastModuleTag, const DeviceFlags& flags,
                     const CDBEBModules* modules);

// The connection reference of every host input, in collection order.
void WriteInputReferences(StreamWriter& out, const CDBInputs* inputs);

// Every AI of every module: its first parameter, the byte its parameters 2
// to 6 share (left out when one of them is not a finite number), then its
// parameters 7 to 12.
void WriteAnalogInputRows(StreamWriter& out, const CDBEBModules* modules);

// The DI and DO bitmaps and the AO mode word add up the channels' first
// values, each shifted to its channel's bits. A term that is not a number,
// or whose number overflows, is left out, and the byte or word is always
// written, so the bytes after it keep their place: a sum rounds half to even
// to 32 bits, a negative one is written as its low byte (word), an oversized
// one is clamped.

// One bit per DI, its first parameter: the DIs of slot 1 and those of slot 2
// (numbered from 8) as one byte each.
void WriteDigitalInputBitmaps(StreamWriter& out, const CDBEBModules* modules);

// The pulses per count (second parameter) of every DI that counts.
void WriteCounterRows(StreamWriter& out, const CDBEBModules* modules);

// Two bits per AO, its output mode, by its position within its slot: one word
// for all modules.
void WriteOutputModes(StreamWriter& out, const CDBEBModules* modules);

// As the DI bitmaps, for the DOs of slots 1 and 2.
void WriteDigitalOutputBitmaps(StreamWriter& out, const CDBEBModules* modules);

// The block's length in bytes: the body's and the 7 header bytes; nullopt
// beyond 32 bits.
std::optional<int32_t> ConfigurationLength(std::string_view body);

// "00", the object type's number (the numeric prefix of its ID, 0 without
// one) and the two lengths, one word each.
void WriteHeader(StreamWriter& out, std::string_view id, int32_t cdbLength, int32_t ddbLength);

}  // namespace plugin
