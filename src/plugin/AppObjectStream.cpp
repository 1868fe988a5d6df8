// The configuration block the host downloads into the controller.
#include <cmath>

#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "platform/MessageBox.h"
#include "plugin/CDBAppObject.h"
#include "values/NumberRules.h"
#include "values/SnvtDataConversion.h"

namespace {

using values::ByteToHex;
using values::WordToHex;

// A parameter's value read as a number; nullopt when the text is not one.
std::optional<double> NumberOf(const CDBAttribute* parameter) {
  if (!parameter) return std::nullopt;
  return values::ReadUserNumber(parameter->StoredValue());
}

// The i-th parameter (1-based, definition order) of a channel.
template <class Channel>
CDBAttribute* ParameterOf(const Channel& channel, int i) {
  CDBAttributes* parameters = channel.Attributes();
  if (!parameters) return nullptr;
  return parameters->Items().At(i).get();
}

template <class Channel>
std::string Encoded(const Channel& channel, int i) {
  CDBAttribute* parameter = ParameterOf(channel, i);
  return parameter ? parameter->StreamValue().value_or("") : "";
}

template <class Channel>
std::optional<double> Number(const Channel& channel, int i) {
  return NumberOf(ParameterOf(channel, i));
}

// A sum formed in floating point, rounded half to even, as one byte or word;
// empty when a value is not a number or the sum leaves 32 bits.
std::string ByteOfSum(std::optional<double> sum) {
  auto n = sum ? values::RoundToInt32(*sum) : std::nullopt;
  return n ? ByteToHex(*n) : "";
}
std::string WordOfSum(std::optional<double> sum) {
  auto n = sum ? values::RoundToInt32(*sum) : std::nullopt;
  return n ? WordToHex(*n) : "";
}

// Adds term to sum; a missing term makes the whole sum missing.
void Accumulate(std::optional<double>& sum, std::optional<double> term) {
  sum = (sum && term) ? std::optional<double>(*sum + *term) : std::nullopt;
}

// The bitmap of the first parameter of the channels of one kind in one slot.
template <class Channels>
void AddBits(std::optional<double>& sum, Channels* channels, int32_t offset) {
  for (size_t i = 1; channels && i <= channels->Count(); ++i) {
    auto channel = channels->At(i);
    if (!channel) continue;
    auto v = Number(*channel, 1);
    Accumulate(sum, v ? std::optional<double>(*v * std::ldexp(1.0, channel->IndexValue() - offset))
                      : std::nullopt);
  }
}

}  // namespace

HRESULT CDBAppObject::get_Stream(BSTR* stream) {
  if (!stream) return E_POINTER;
  *stream = nullptr;

  // 1. The channel counts over the placed modules.
  int32_t nai = 0, nao = 0, ndi = 0, ndo = 0, nc = 0;
  const auto* placed = modules_ ? &modules_->Modules() : nullptr;
  if (placed) {
    for (const auto& entry : *placed) {
      const CDBEBModule& m = *entry.item;
      nai += m.AICount(), nao += m.AOCount(), ndi += m.DICount(), ndo += m.DOCount();
      if (m.DICount() > 0) nc += m.CounterCount();
    }
  }
  // 2.
  std::string body = ByteToHex(ndi) + ByteToHex(ndo) + ByteToHex(nai) + ByteToHex(nao) +
                     ByteToHex(nc);

  // 3. The two values that share one byte must be numbers, or nothing is exported.
  auto parameter = [&](const char* name) -> CDBAttribute* {
    return attributes_ ? attributes_->Items().ByKey(name).get() : nullptr;
  };
  auto integer = [&](const char* name) -> std::optional<int32_t> {
    CDBAttribute* p = parameter(name);
    auto v = p ? values::LocaleParseDouble(p->StoredValue()) : std::nullopt;
    return v ? values::RoundToInt32(*v) : std::nullopt;
  };
  auto powerline = integer("Powerline_Freq");
  auto behaviour = integer("Behaviour_OnCommFailure");
  if (!powerline || !behaviour) {
    platform::ShowMessage("Error exporting the object: " + name_ +
                          ",   A possible error is the lenght of the object.");
    return qcom::ReturnText("", stream);
  }
  powerlineFreq_ = *powerline;
  behaviourOnCommFailure_ = *behaviour;

  // 4. Rows 6 to 20.
  auto encoded = [&](const char* name) {
    CDBAttribute* p = parameter(name);
    return p ? p->StreamValue().value_or("") : std::string();
  };
  body += encoded("Priority");
  body += encoded("R5_Address");
  body += MapTypMod();
  body += ByteOfSum(static_cast<double>(powerlineFreq_) + 2.0 * behaviourOnCommFailure_);
  body += encoded("MaxTimeBetweenComm");
  body += encoded("DO_PulseTime");
  body += "00000000";
  if (inputs_)
    for (const auto& entry : inputs_->Items()) body += entry.item->ValueOrDefault();

  if (placed && nai > 0) {
    for (const auto& entry : *placed) {
      CDBAIs* ais = entry.item->AIs();
      for (size_t i = 1; ais && i <= ais->Count(); ++i) {
        auto ai = ais->At(i);
        if (!ai) continue;
        body += Encoded(*ai, 1);
        // Parameters 2 to 6 share one byte: four flags and a small number.
        std::optional<double> flags = 0.0;
        const double weights[] = {128, 64, 32, 16, 1};
        for (int k = 0; k < 5; ++k) {
          auto v = Number(*ai, 2 + k);
          Accumulate(flags, v ? std::optional<double>(*v * weights[k]) : std::nullopt);
        }
        body += ByteOfSum(flags);
        for (int k = 7; k <= 12; ++k) body += Encoded(*ai, k);
      }
    }
  }
  if (placed && ndi > 0) {
    std::optional<double> slot1 = 0.0, slot2 = 0.0;
    for (const auto& entry : *placed) {
      if (entry.item->Slot() == 1) AddBits(slot1, entry.item->DIs(), 0);
      if (entry.item->Slot() == 2) AddBits(slot2, entry.item->DIs(), 8);
    }
    body += ByteOfSum(slot1) + ByteOfSum(slot2);
  }
  if (placed && nc > 0) {
    for (const auto& entry : *placed) {
      CDBDIs* dis = entry.item->DIs();
      for (size_t i = 1; dis && i <= dis->Count(); ++i)
        if (auto di = dis->At(i); di && di->IsCounterFlag()) body += Encoded(*di, 2);
    }
  }
  if (placed && nao > 0) {
    // Two bits of output mode per analog output, by position within its slot.
    std::optional<double> modes = 0.0;
    for (const auto& entry : *placed) {
      CDBAOs* aos = entry.item->AOs();
      const int32_t slotOffset = 8 * (entry.item->Slot() - 1);
      for (size_t i = 1; aos && i <= aos->Count(); ++i) {
        auto ao = aos->At(i);
        if (!ao) continue;
        auto v = Number(*ao, 1);
        Accumulate(modes, v ? std::optional<double>(*v * std::pow(4.0, ao->IndexValue() - slotOffset))
                            : std::nullopt);
      }
    }
    body += WordOfSum(modes);
  }
  if (placed && ndo > 0) {
    std::optional<double> slot1 = 0.0, slot2 = 0.0;
    for (const auto& entry : *placed) {
      if (entry.item->Slot() == 1) AddBits(slot1, entry.item->DOs(), 0);
      if (entry.item->Slot() == 2) AddBits(slot2, entry.item->DOs(), 8);
    }
    body += ByteOfSum(slot1) + ByteOfSum(slot2);
  }

  // 5. The lengths; the configuration length counts the 7 header bytes too.
  ddbLength_ = plugin::DdbDimension(fixedDDB_, fixedSHDB_, PlacedModules()).value_or(0);
  cdbLength_ =
      values::RoundToInt32(static_cast<double>(body.size()) / 2.0 + 7.0).value_or(cdbLength_);
  // 6.
  const int32_t id = values::RoundToInt32(values::PlainParse(id_)).value_or(0);
  lastStream_ = "00" + WordToHex(id) + WordToHex(cdbLength_) + WordToHex(ddbLength_) + body;
  return qcom::ReturnText(lastStream_, stream);
}
