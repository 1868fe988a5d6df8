#include "plugin/StreamSections.h"

#include <cmath>
#include <limits>

#include "faces/Engineering.h"
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "plugin/ModuleWalk.h"
#include "plugin/StreamFieldFacts.h"
#include "values/DecimalSeparators.h"
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

// A parameter's value read as a number, as the object reads its own texts;
// nullopt when it is missing, not one, or beyond the double range.
std::optional<double> NumberOf(const CDBAttribute* parameter) {
  if (!parameter) return std::nullopt;
  return values::ReadFiniteUserNumber(parameter->StoredValue());
}

// Whether a parameter's value is a number in every locale's reading.
bool IsNumber(const CDBAttribute* parameter) {
  return parameter && values::ReadNumberText(parameter->StoredValue());
}

// What a channel parameter is called: module key, kind, the channel's
// position among the module's channels of that kind, and names.
template <class Channel>
std::string ChannelPath(const CDBEBModule& module, const Channel& channel, const char* kind) {
  return module.Key() + "/" + kind + "/" + std::to_string(channel.IndexInModuleValue()) + "/";
}

std::string NameOf(const CDBAttribute* parameter) {
  return parameter ? parameter->NameText() : std::string("?");
}

// A channel parameter encoded by its type.
template <class Channel>
void WriteChannelParameter(StreamWriter& out, const char* row, const CDBEBModule& module,
                           const Channel& channel, const char* kind, int i) {
  const CDBAttribute* parameter = ParameterOf(channel.Core(), i);
  out.Add(Encoded(parameter), [&](StreamField& field) {
    field.row = row;
    field.name = ChannelPath(module, channel, kind) + NameOf(parameter);
    DescribeParameter(field, parameter);
  });
}

// A sum of a row computed by the object, rounded half to even (a sum the
// stream writes from parameters whose values are all numbers).
std::string ByteOfSum(double sum) {
  auto n = values::RoundToInt32(sum);
  return n ? ByteToHex(*n) : "";
}

// A sum of channel terms as 32 bits: rounded half to even, an oversized one
// clamped, so that the byte or word it makes is always written.
int32_t SumToInt32(double sum) {
  constexpr double kLowest = std::numeric_limits<int32_t>::min();
  constexpr double kHighest = std::numeric_limits<int32_t>::max();
  if (!(sum > kLowest)) return std::numeric_limits<int32_t>::min();
  if (!(sum < kHighest)) return std::numeric_limits<int32_t>::max();
  return values::RoundToInt32(sum).value_or(0);
}

struct PackedSum {
  double sum = 0;
  bool termLeftOut = false;
};

// Adds each channel's first value, shifted to the channel's own bits: `bits`
// per channel, counted from channel number `first`. A term that is not a
// number, or overflows, is left out.
template <class Channels>
void AddPacked(PackedSum& packed, const Channels* channels, int bits, int32_t first) {
  ForEachChannel(channels, [&](const auto& channel) {
    const CDBAttribute* parameter = ParameterOf(channel.Core(), 1);
    auto v = NumberOf(parameter);
    const double term = v ? *v * std::ldexp(1.0, bits * (channel.IndexValue() - first)) : NAN;
    if (!IsNumber(parameter) || !std::isfinite(term)) packed.termLeftOut = true;
    if (std::isfinite(term)) packed.sum += term;
  });
}

// One byte (width 1) or word (2) of a packed sum.
void WritePacked(StreamWriter& out, const char* row, const std::string& name,
                 const PackedSum& packed, int32_t width) {
  const int32_t n = SumToInt32(packed.sum);
  out.Add(width == 1 ? ByteToHex(n) : WordToHex(n), [&](StreamField& field) {
    field.row = row;
    field.kind = "sum";
    field.name = name;
    if (packed.termLeftOut)
      Flag(field, kStreamFieldTermLeftOut, "a term is not a number, left out");
    DescribeNumber(field, packed.sum, width);
  });
}

// One bitmap byte for the channels of a kind in slot 1 and one for slot 2,
// whose channels are numbered from 8.
template <class Channels>
void WriteSlotBitmaps(StreamWriter& out, const CDBEBModules* modules,
                      Channels* (CDBEBModule::*kind)() const, const char* kindName) {
  PackedSum slot1, slot2;
  ForEachModule(modules, [&](const CDBEBModule& module) {
    if (module.Slot() == 1) AddPacked(slot1, (module.*kind)(), 1, 0);
    if (module.Slot() == 2) AddPacked(slot2, (module.*kind)(), 1, 8);
  });
  const std::string row = std::string(kindName) + " bitmaps";
  const std::string name = std::string(kindName) + " bitmap of slot ";
  WritePacked(out, row.c_str(), name + "1", slot1, 1);
  WritePacked(out, row.c_str(), name + "2", slot2, 1);
}

// Parameters 2 to 6 of an AI share one byte: four flags in the high bits, a
// small number in the low ones. The byte is one expression, so a value that
// is not a number leaves the byte out.
void WriteAnalogFlags(StreamWriter& out, const CDBEBModule& module, const CDBAI& ai) {
  static constexpr double kWeights[] = {128, 64, 32, 16, 1};
  double sum = 0;
  bool numbers = true;
  for (int k = 0; k < 5 && numbers; ++k) {
    auto v = NumberOf(ParameterOf(ai.Core(), 2 + k));
    numbers = v.has_value();
    if (v) sum += *v * kWeights[k];
  }
  out.Add(numbers ? ByteOfSum(sum) : "", [&](StreamField& field) {
    field.row = "AI";
    field.kind = "sum";
    std::string names, stored;
    bool allNumbers = true;
    for (int k = 0; k < 5; ++k) {
      const CDBAttribute* parameter = ParameterOf(ai.Core(), 2 + k);
      names += (k ? "," : "") + NameOf(parameter);
      stored += (k ? " " : "") +
                (parameter ? values::WithDecimalPoint(parameter->StoredValue()) : std::string("-"));
      allNumbers = allNumbers && IsNumber(parameter);
    }
    field.name = ChannelPath(module, ai, "AI") + names;
    if (!allNumbers) Flag(field, kStreamFieldNotANumber, "not a number");
    DescribeNumber(field, sum, 1, stored);
  });
}

// The text of a count or length the object writes.
void WriteNumber(StreamWriter& out, const char* row, const char* kind, const char* name,
                 std::string hex, double value, int32_t width, std::string stored = {}) {
  out.Add(std::move(hex), [&](StreamField& field) {
    field.row = row;
    field.kind = kind;
    field.name = name;
    DescribeNumber(field, value, width, std::move(stored));
  });
}

}  // namespace

void WriteChannelCounts(StreamWriter& out, const ChannelTotals& totals) {
  const std::pair<const char*, int32_t> counts[] = {{"DI channels", totals.di},
                                                    {"DO channels", totals.dO},
                                                    {"AI channels", totals.ai},
                                                    {"AO channels", totals.ao},
                                                    {"counter DIs", totals.counters}};
  for (const auto& [name, count] : counts)
    WriteNumber(out, "counts", "count", name, ByteToHex(count), count, 1);
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

void WriteDeviceRows(StreamWriter& out, const CDBAttributes* parameters,
                     std::string_view lastModuleTag, const DeviceFlags& flags,
                     const CDBEBModules* modules) {
  auto device = [&](const char* name) {
    const CDBAttribute* parameter = parameters ? parameters->Items().ByKey(name).get() : nullptr;
    out.Add(Encoded(parameter), [&](StreamField& field) {
      field.row = "device";
      field.name = name;
      DescribeParameter(field, parameter);
    });
  };
  device("Priority");
  device("R5_Address");
  out.Add(std::string(lastModuleTag), [&](StreamField& field) {
    field.row = "device";
    field.kind = "tag";
    field.name = "tag of the last module";
    std::string stored = "no module";
    if (modules && modules->Count() > 0) {
      const CDBEBModule& last = *modules->Modules().At(static_cast<int64_t>(modules->Count()));
      stored = last.TemplateID() + " in slot " + std::to_string(last.Slot());
    }
    DescribeHex(field, stored, static_cast<int32_t>(lastModuleTag.size() / 2));
  });
  const double combined =
      static_cast<double>(flags.powerlineFreq) + 2.0 * flags.behaviourOnCommFailure;
  WriteNumber(out, "device", "sum", "Powerline_Freq + 2 x Behaviour_OnCommFailure",
              ByteOfSum(combined), combined, 1,
              std::to_string(flags.powerlineFreq) + " + 2 x " +
                  std::to_string(flags.behaviourOnCommFailure));
  device("MaxTimeBetweenComm");
  device("DO_PulseTime");
  out.Add("00000000", [](StreamField& field) {
    field.row = "device";
    field.kind = "reserved";
    field.name = "reserved";
    DescribeHex(field, "0", 4);
  });
}

void WriteInputReferences(StreamWriter& out, const CDBInputs* inputs) {
  if (!inputs) return;
  for (const auto& entry : inputs->Items()) {
    if (!entry.item) continue;
    const CDBInput& input = *entry.item;
    out.Add(input.ValueOrDefault(), [&](StreamField& field) {
      field.row = "inputs";
      field.kind = "input";
      field.name = input.NameText();
      const std::string& reference = input.ValueText();
      DescribeHex(field, reference.empty() ? "unconnected" : reference, input.IsExtended() ? 3 : 2);
    });
  }
}

void WriteAnalogInputRows(StreamWriter& out, const CDBEBModules* modules) {
  ForEachModule(modules, [&](const CDBEBModule& module) {
    ForEachChannel(module.AIs(), [&](const CDBAI& ai) {
      WriteChannelParameter(out, "AI", module, ai, "AI", 1);
      WriteAnalogFlags(out, module, ai);
      for (int i = 7; i <= 12; ++i) WriteChannelParameter(out, "AI", module, ai, "AI", i);
    });
  });
}

void WriteDigitalInputBitmaps(StreamWriter& out, const CDBEBModules* modules) {
  WriteSlotBitmaps(out, modules, &CDBEBModule::DIs, "DI");
}

void WriteCounterRows(StreamWriter& out, const CDBEBModules* modules) {
  ForEachModule(modules, [&](const CDBEBModule& module) {
    ForEachChannel(module.DIs(), [&](const CDBDI& di) {
      if (di.IsCounterFlag()) WriteChannelParameter(out, "counters", module, di, "DI", 2);
    });
  });
}

void WriteOutputModes(StreamWriter& out, const CDBEBModules* modules) {
  PackedSum modes;
  ForEachModule(modules, [&](const CDBEBModule& module) {
    AddPacked(modes, module.AOs(), 2, 8 * (module.Slot() - 1));
  });
  WritePacked(out, "AO modes", "AO output modes, 2 bits each", modes, 2);
}

void WriteDigitalOutputBitmaps(StreamWriter& out, const CDBEBModules* modules) {
  WriteSlotBitmaps(out, modules, &CDBEBModule::DOs, "DO");
}

std::optional<int32_t> ConfigurationLength(std::string_view body) {
  return values::RoundToInt32(static_cast<double>(body.size()) / 2.0 + 7.0);
}

void WriteHeader(StreamWriter& out, std::string_view id, int32_t cdbLength, int32_t ddbLength) {
  const int32_t number = values::RoundToInt32(values::PlainParse(id)).value_or(0);
  WriteNumber(out, "header", "header", "block", "00", 0, 1);
  out.Add(WordToHex(number), [&](StreamField& field) {
    field.row = "header";
    field.kind = "header";
    field.name = "object ID";
    if (!values::ReadNumberText(id)) Flag(field, kStreamFieldNotANumber, "not a number");
    DescribeNumber(field, number, 2, std::string(id));
  });
  WriteNumber(out, "header", "length", "CDB length (bytes of the block)", WordToHex(cdbLength),
              cdbLength, 2);
  WriteNumber(out, "header", "length", "DDB length", WordToHex(ddbLength), ddbLength, 2);
}

}  // namespace plugin
