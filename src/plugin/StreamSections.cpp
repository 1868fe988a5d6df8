#include "plugin/StreamSections.h"

#include <cmath>

#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "plugin/ModuleWalk.h"
#include "values/HexText.h"
#include "values/NumberRules.h"

namespace plugin {

namespace {

using values::ByteToHex;
using values::WordToHex;

// The i-th parameter (1-based, definition order) of a channel; null without one.
CDBAttribute* ParameterOf(const ChannelCore& channel, int i) {
  CDBAttributes* parameters = channel.Attributes();
  return parameters ? parameters->Items().Get(i) : nullptr;
}

std::string Encoded(const CDBAttribute* parameter) {
  return parameter ? parameter->StreamValue().value_or("") : "";
}

// A parameter's value read as a number; nullopt when it is missing or not one.
std::optional<double> NumberOf(const CDBAttribute* parameter) {
  if (!parameter) return std::nullopt;
  return values::ReadUserNumber(parameter->StoredValue());
}

// A sum formed in floating point, rounded half to even, as one byte or word
// (which clamp); no text when the sum leaves 32 bits.
std::string ByteOfSum(double sum) {
  auto n = values::RoundToInt32(sum);
  return n ? ByteToHex(*n) : "";
}
std::string WordOfSum(double sum) {
  auto n = values::RoundToInt32(sum);
  return n ? WordToHex(*n) : "";
}

// Adds each channel's first value, shifted to the channel's own bits: `bits`
// per channel, counted from channel number `first`. A channel whose value is
// not a number is left out, so the bitmap still carries the other channels
// and the bytes after it keep their place in the block.
template <class Channels>
double AddPacked(double sum, const Channels* channels, int bits, int32_t first) {
  ForEachChannel(channels, [&](const auto& channel) {
    if (auto v = NumberOf(ParameterOf(channel.Core(), 1)))
      sum += *v * std::ldexp(1.0, bits * (channel.IndexValue() - first));
  });
  return sum;
}

// One bitmap byte for the channels of a kind in slot 1 and one for slot 2,
// whose channels are numbered from 8.
template <class Channels>
std::string SlotBitmapsHex(const CDBEBModules* modules, Channels* (CDBEBModule::*kind)() const) {
  double slot1 = 0, slot2 = 0;
  ForEachModule(modules, [&](const CDBEBModule& module) {
    if (module.Slot() == 1) slot1 = AddPacked(slot1, (module.*kind)(), 1, 0);
    if (module.Slot() == 2) slot2 = AddPacked(slot2, (module.*kind)(), 1, 8);
  });
  return ByteOfSum(slot1) + ByteOfSum(slot2);
}

// Parameters 2 to 6 of an AI share one byte: four flags in the high bits, a
// small number in the low ones. The byte is one expression, so a value that
// is not a number leaves the byte out.
std::string AnalogFlagsHex(const ChannelCore& ai) {
  static constexpr double kWeights[] = {128, 64, 32, 16, 1};
  double sum = 0;
  for (int k = 0; k < 5; ++k) {
    auto v = NumberOf(ParameterOf(ai, 2 + k));
    if (!v) return "";
    sum += *v * kWeights[k];
  }
  return ByteOfSum(sum);
}

}  // namespace

std::string ChannelCountsHex(const ChannelTotals& totals) {
  return ByteToHex(totals.di) + ByteToHex(totals.dO) + ByteToHex(totals.ai) + ByteToHex(totals.ao) +
         ByteToHex(totals.counters);
}

std::optional<DeviceFlags> ReadDeviceFlags(const CDBAttributes* parameters) {
  auto integer = [&](const char* name) -> std::optional<int32_t> {
    CDBAttribute* p = parameters ? parameters->Items().ByKey(name).get() : nullptr;
    auto v = p ? values::LocaleParseDouble(p->StoredValue()) : std::nullopt;
    return v ? values::RoundToInt32(*v) : std::nullopt;
  };
  auto powerline = integer("Powerline_Freq");
  auto behaviour = integer("Behaviour_OnCommFailure");
  if (!powerline || !behaviour) return std::nullopt;
  return DeviceFlags{.powerlineFreq = *powerline, .behaviourOnCommFailure = *behaviour};
}

std::string DeviceRowsHex(const CDBAttributes* parameters, std::string_view lastModuleTag,
                          const DeviceFlags& flags) {
  auto encoded = [&](const char* name) {
    return Encoded(parameters ? parameters->Items().ByKey(name).get() : nullptr);
  };
  std::string rows = encoded("Priority") + encoded("R5_Address");
  rows += lastModuleTag;
  rows += ByteOfSum(static_cast<double>(flags.powerlineFreq) + 2.0 * flags.behaviourOnCommFailure);
  rows += encoded("MaxTimeBetweenComm") + encoded("DO_PulseTime");
  return rows + "00000000";
}

std::string InputReferencesHex(const CDBInputs* inputs) {
  std::string references;
  if (!inputs) return references;
  for (const auto& entry : inputs->Items())
    if (entry.item) references += entry.item->ValueOrDefault();
  return references;
}

std::string AnalogInputRowsHex(const CDBEBModules* modules) {
  std::string rows;
  ForEachModule(modules, [&](const CDBEBModule& module) {
    ForEachChannel(module.AIs(), [&](const CDBAI& ai) {
      rows += Encoded(ParameterOf(ai.Core(), 1)) + AnalogFlagsHex(ai.Core());
      for (int i = 7; i <= 12; ++i) rows += Encoded(ParameterOf(ai.Core(), i));
    });
  });
  return rows;
}

std::string DigitalInputBitmapsHex(const CDBEBModules* modules) {
  return SlotBitmapsHex(modules, &CDBEBModule::DIs);
}

std::string CounterRowsHex(const CDBEBModules* modules) {
  std::string rows;
  ForEachModule(modules, [&](const CDBEBModule& module) {
    ForEachChannel(module.DIs(), [&](const CDBDI& di) {
      if (di.IsCounterFlag()) rows += Encoded(ParameterOf(di.Core(), 2));
    });
  });
  return rows;
}

std::string OutputModesHex(const CDBEBModules* modules) {
  double modes = 0;
  ForEachModule(modules, [&](const CDBEBModule& module) {
    modes = AddPacked(modes, module.AOs(), 2, 8 * (module.Slot() - 1));
  });
  return WordOfSum(modes);
}

std::string DigitalOutputBitmapsHex(const CDBEBModules* modules) {
  return SlotBitmapsHex(modules, &CDBEBModule::DOs);
}

std::optional<int32_t> ConfigurationLength(std::string_view body) {
  return values::RoundToInt32(static_cast<double>(body.size()) / 2.0 + 7.0);
}

std::string HeaderHex(std::string_view id, int32_t cdbLength, int32_t ddbLength) {
  const int32_t number = values::RoundToInt32(values::PlainParse(id)).value_or(0);
  return "00" + WordToHex(number) + WordToHex(cdbLength) + WordToHex(ddbLength);
}

}  // namespace plugin
