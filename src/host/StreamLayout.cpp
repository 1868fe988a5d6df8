#include "host/StreamLayout.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>

#include "com/TextRules.h"
#include "com/Variant.h"
#include "host/ParameterType.h"
#include "values/StreamReadBack.h"
#include "xml/Dom.h"
#include "xml/Elements.h"

namespace host {

namespace {

// A number as explain shows it: at most seven significant digits, as the
// object writes its values.
std::string NumberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", value);
  return text;
}

// A stored value read as the object reads it when the user's separator is
// ".": its numeric prefix; nothing when it has none (the object sends 0).
std::optional<double> StoredNumber(const std::string& text) {
  std::string trimmed = qcom::text::Trim(text);
  const char* begin = trimmed.data();
  if (!trimmed.empty() && *begin == '+') ++begin;
  double value = 0;
  auto result = std::from_chars(begin, trimmed.data() + trimmed.size(), value);
  if (result.ec != std::errc()) return std::nullopt;
  return value;
}

std::string WithUnit(const std::string& text, const std::string& unit) {
  return unit.empty() ? text : text + " " + unit;
}

StreamField NewField(std::string row, std::string name, std::string stored) {
  StreamField field;
  field.row = std::move(row);
  field.name = std::move(name);
  field.stored = std::move(stored);
  return field;
}

// A field before the stream's bytes are known: how wide it is, whether its
// encoding fails, and how its bytes read back.
struct Planned {
  StreamField field;
  size_t width = 0;
  bool fails = false;
  std::function<void(StreamField&)> read;
};

// A byte or word the object computes itself (a count, a sum of channel
// values, a length): rounded half to even and clamped at its top.
Planned NumberField(std::string row, std::string name, double value, size_t width,
                    std::string stored = {}) {
  Planned p;
  p.field = NewField(std::move(row), std::move(name), stored.empty() ? NumberText(value) : stored);
  p.width = width;
  const double top = width == 1 ? 255.0 : 65535.0;
  p.read = [value, top](StreamField& f) {
    auto bits = values::HexBytes(f.hex);
    f.readBack = bits ? std::to_string(*bits) : "?";
    const double sent = std::nearbyint(value);
    if (bits && static_cast<double>(*bits) != sent) f.flag = sent > top ? "clamped" : "changed";
  };
  return p;
}

// Bytes the host shows as they are: the module tag, connection references,
// the reserved bytes.
Planned HexField(std::string row, std::string name, std::string stored, size_t width,
                 std::string expected = {}) {
  Planned p;
  p.field = NewField(std::move(row), std::move(name), std::move(stored));
  p.width = width;
  p.read = [expected](StreamField& f) {
    f.readBack = f.hex;
    if (!expected.empty() && f.hex != expected) f.flag = "changed";
  };
  return p;
}

std::string MemberName(const StreamType& type, double code) {
  auto member = type.members.find(NumberText(code));
  return member == type.members.end() ? std::string() : " (" + member->second + ")";
}

// A parameter encoded by its SNVT type.
Planned TypedField(std::string row, std::string name, const std::string& value,
                   const StreamType& type) {
  Planned p;
  p.field = NewField(std::move(row), std::move(name), WithUnit(value, type.unit));
  if (!type.known) {
    p.fails = true;
    p.field.flag = "no SNVT type";
    return p;
  }
  p.width = static_cast<size_t>(values::EncodedWidth(type.kind, type.length));
  if (type.kind == "Textual") {
    p.read = [value, length = type.length](StreamField& f) {
      std::string text;
      for (size_t i = 0; i + 1 < f.hex.size(); i += 2)
        text += static_cast<char>(values::HexBytes(f.hex.substr(i, 2)).value_or('?'));
      f.readBack = "\"" + text + "\"";
      std::string padded = value;
      if (padded.size() < static_cast<size_t>(length)) padded.resize(length, ' ');
      if (text != padded) f.flag = "changed";
    };
    return p;
  }
  auto number = StoredNumber(value);
  const double v = number.value_or(0);
  const bool scaled = values::IsScaledKind(type.kind);
  const double raw = scaled ? values::ScaledToRaw(v, type.a, type.b, type.c) : v;
  const values::FieldFit fit = values::FitOf(raw, type.kind, type.length);
  if (type.kind == "Enum") p.field.stored += MemberName(type, v);
  p.fails = fit == values::FieldFit::kFails;
  if (p.fails) p.field.flag = "encoding failed";
  p.read = [=](StreamField& f) {
    auto read = values::ReadBackNumber(f.hex, type.kind, type.length);
    if (!read) {
      f.readBack = "?";
      f.flag = "changed";
      return;
    }
    const double shown = scaled ? values::RawToScaled(*read, type.a, type.b, type.c) : *read;
    f.readBack = WithUnit(NumberText(shown), type.unit);
    if (type.kind == "Enum") f.readBack += MemberName(type, *read);
    bool agrees = false;
    if (type.kind == "Float")
      // The short float keeps 11 bits of mantissa: half a step of the value's size.
      agrees = std::fabs(*read - raw) <= std::ldexp(std::max(std::fabs(raw), 1.0), -11);
    else if (p.width == 4)
      agrees = static_cast<float>(raw) == static_cast<float>(*read);
    else
      agrees = *read == std::nearbyint(raw);
    if (!number)
      f.flag = "not a number, sent as 0";
    else if (!agrees)
      f.flag = fit == values::FieldFit::kClamped ? "clamped" : "changed";
  };
  return p;
}

}  // namespace

std::vector<SavedModule> SavedModules(const ComponentSession& session, IXMLDOMElement* saved) {
  std::vector<SavedModule> modules;
  for (const qxml::ElementPtr& child : qxml::ChildElements(saved)) {
    if (qxml::UpperBaseName(child.get()) != "MODULES") continue;
    for (const qxml::ElementPtr& element : qxml::ChildElements(child.get())) {
      SavedModule module{qxml::BaseName(element.get()),
                         qxml::NameOf(element.get()),
                         static_cast<int32_t>(modules.size()) + 1,
                         {}};
      IXMLDOMDocument* moduleTemplate = session.Template(module.templateId);
      const bool counters =
          moduleTemplate && qxml::FirstMatch(moduleTemplate, "EB/DI/OutReferences/Counter");
      int32_t number = 8 * (module.slot - 1);
      std::vector<std::pair<std::string, qxml::ElementPtr>> channels;
      for (qxml::ElementPtr& channel : qxml::ChildElements(element.get()))
        channels.emplace_back(qxml::NameOf(channel.get()), std::move(channel));
      for (const char* kind : {"AI", "AO", "DI", "DO"}) {
        int32_t position = 0;
        for (const auto& [name, channel] : channels) {
          if (name != kind) continue;
          SavedChannel saved{kind, {}, {}, {}, number++, ++position, counters && name == "DI"};
          saved.parameters = qxml::ChildElements(channel.get());
          for (const qxml::ElementPtr& parameter : saved.parameters) {
            saved.names.push_back(qxml::NameOf(parameter.get()));
            saved.texts.push_back(qxml::TextOf(parameter.get()));
          }
          module.channels.push_back(std::move(saved));
        }
      }
      modules.push_back(std::move(module));
    }
  }
  return modules;
}

namespace {

std::string AttributeText(IAttributes* attributes, const std::string& name) {
  qcom::ComPtr<IAttribute> attribute;
  qcom::Bstr value;
  if (attributes) attributes->get_Item(qcom::Variant(name).raw(), attribute.put());
  if (attribute) attribute->get_Value(value.out());
  return value.utf8();
}

std::string AttributeSnvt(IAttributes* attributes, const std::string& name) {
  qcom::ComPtr<IAttribute> attribute;
  if (attributes) attributes->get_Item(qcom::Variant(name).raw(), attribute.put());
  return attribute ? DeviceParameterSnvtId(attribute.get()) : std::string();
}

std::string Hex2(uint32_t byte) {
  char text[3];
  std::snprintf(text, sizeof text, "%02X", byte & 0xFFu);
  return text;
}

}  // namespace

const StreamType& StreamExplainer::Type(const std::string& id) {
  auto found = types_.find(id);
  if (found != types_.end()) return found->second;
  StreamType& type = types_[id];
  auto parameterType = ReadParameterType(session_.catalogue(), id);
  if (!parameterType) return type;
  type.known = true;
  type.name = parameterType->name;
  type.kind = parameterType->kind;
  type.length = parameterType->length;
  for (const auto& member : parameterType->members) type.members[member.code] = member.name;
  auto field = [&](const char* name) {
    return qxml::TextOf(
        qxml::FirstMatch(session_.catalogue(), "SNVTS/SNVT_" + id + "/" + name).get());
  };
  auto coefficient = [&](const char* name, int16_t fallback) {
    auto n = StoredNumber(field(name));
    return n ? static_cast<int16_t>(*n) : fallback;
  };
  type.a = coefficient("A_COEF", 1);
  type.b = coefficient("B_COEF", 0);
  type.c = coefficient("C_COEF", 0);
  type.unit = field("UNIT");
  return type;
}

const std::string& StreamExplainer::ChannelSnvtId(const SavedModule& module,
                                                  const SavedChannel& channel, size_t i) {
  const std::string key = module.elementName + "/" + channel.kind + "/" + channel.names[i];
  auto [id, fresh] = channelSnvtIds_.try_emplace(key);
  if (fresh)
    id->second = ChannelParameterSnvtId(session_, channel.parameters[i].get(), channel.kind);
  return id->second;
}

const std::vector<SavedModule>& StreamExplainer::ModulesOf(IXMLDOMElement* saved) {
  const uint64_t stamp = qxml::ContentStamp(saved);
  if (saved != modulesElement_.get() || stamp == 0 || stamp != modulesStamp_) {
    modules_ = SavedModules(session_, saved);
    modulesElement_ = qxml::ElementPtr(saved);
    modulesStamp_ = stamp;
  }
  return modules_;
}

StreamExplanation StreamExplainer::Explain(const PlacedObject& object, IXMLDOMElement* saved) {
  StreamExplanation result;
  result.stream = object.Stream();
  IAppObject* app = object.get();
  const std::vector<SavedModule>& modules = ModulesOf(saved);
  qcom::ComPtr<IAttributes> attributes;
  app->get_Attributes(attributes.put());

  int32_t ndi = 0, ndo = 0, nai = 0, nao = 0, nc = 0;
  for (const SavedModule& module : modules)
    for (const SavedChannel& channel : module.channels) {
      ndi += channel.kind == "DI";
      ndo += channel.kind == "DO";
      nai += channel.kind == "AI";
      nao += channel.kind == "AO";
      nc += channel.counts;
    }

  std::vector<Planned> planned;
  auto device = [&](const char* name) {
    planned.push_back(TypedField("device", name, AttributeText(attributes.get(), name),
                                 Type(AttributeSnvt(attributes.get(), name))));
  };
  auto channelValue = [](const SavedChannel& channel, size_t i) -> std::string {
    return i < channel.texts.size() ? channel.texts[i] : "";
  };
  auto channelNumber = [&](const SavedChannel& channel, size_t i) {
    return StoredNumber(channelValue(channel, i)).value_or(0);
  };
  auto channelField = [&](const char* row, const SavedModule& module, const SavedChannel& channel,
                          int32_t position, size_t i) {
    if (i >= channel.parameters.size()) return;
    const std::string path = "EB" + std::to_string(module.slot) + "/" + channel.kind + "/" +
                             std::to_string(position) + "/" + channel.names[i];
    planned.push_back(
        TypedField(row, path, channel.texts[i], Type(ChannelSnvtId(module, channel, i))));
  };

  // Header: the lengths are what the object counted; the CDB length is
  // checked against the block's own size below.
  qcom::Bstr id;
  app->get_ID(id.out());
  LONG ddb = 0;
  app->get_DDBDimension(&ddb);
  const size_t streamBytes = result.stream.size() / 2;
  planned.push_back(NumberField("header", "block", 0, 1));
  planned.push_back(NumberField("header", "object ID", StoredNumber(id.utf8()).value_or(0), 2));
  planned.push_back(NumberField("header", "CDB length (bytes of the block)",
                                static_cast<double>(streamBytes), 2));
  planned.push_back(NumberField("header", "DDB length", ddb, 2));

  planned.push_back(NumberField("counts", "DI channels", ndi, 1));
  planned.push_back(NumberField("counts", "DO channels", ndo, 1));
  planned.push_back(NumberField("counts", "AI channels", nai, 1));
  planned.push_back(NumberField("counts", "AO channels", nao, 1));
  planned.push_back(NumberField("counts", "counter DIs", nc, 1));

  device("Priority");
  device("R5_Address");
  {
    // The tag of the last placed module: slots occupied, its channel kinds,
    // the number of modules.
    std::string expected = "000000", stored = "no module";
    if (!modules.empty()) {
      const SavedModule& last = modules.back();
      uint32_t kinds = 0;
      for (const SavedChannel& channel : last.channels)
        kinds |= channel.kind == "AI"   ? 0x01u
                 : channel.kind == "AO" ? 0x02u
                 : channel.kind == "DI" ? (channel.counts ? 0x14u : 0x04u)
                                        : 0x08u;
      const auto count = static_cast<uint32_t>(modules.size());
      expected = Hex2((1u << count) - 1) + Hex2(kinds) + Hex2(count);
      stored = last.templateId + " in slot " + std::to_string(count);
    }
    planned.push_back(HexField("device", "tag of the last module", stored, 3, expected));
  }
  {
    const double powerline =
        StoredNumber(AttributeText(attributes.get(), "Powerline_Freq")).value_or(0);
    const double behaviour =
        StoredNumber(AttributeText(attributes.get(), "Behaviour_OnCommFailure")).value_or(0);
    planned.push_back(NumberField("device", "Powerline_Freq + 2 x Behaviour_OnCommFailure",
                                  powerline + 2 * behaviour, 1,
                                  NumberText(powerline) + " + 2 x " + NumberText(behaviour)));
  }
  device("MaxTimeBetweenComm");
  device("DO_PulseTime");
  planned.push_back(HexField("device", "reserved", "0", 4, "00000000"));

  qcom::ComPtr<IInputs> inputs;
  app->get_Inputs(inputs.put());
  LONG inputCount = 0;
  if (inputs) inputs->get_Count(&inputCount);
  for (LONG i = 1; i <= inputCount; ++i) {
    qcom::ComPtr<IInput> input;
    inputs->get_Item(qcom::Variant(static_cast<int32_t>(i)).raw(), input.put());
    if (!input) continue;
    VARIANT_BOOL extended = VARIANT_FALSE;
    input->get_Extended(&extended);
    qcom::Bstr name, value;
    input->get_Name(name.out());
    input->get_Value(value.out());
    const size_t width = extended ? 3 : 2;
    const std::string reference = value.utf8();
    planned.push_back(HexField("inputs", name.utf8(), reference.empty() ? "unconnected" : reference,
                               width, reference.empty() ? std::string(2 * width, '0') : reference));
  }

  if (nai > 0)
    for (const SavedModule& module : modules) {
      int32_t position = 0;
      for (const SavedChannel& ai : module.channels) {
        if (ai.kind != "AI") continue;
        ++position;
        channelField("AI", module, ai, position, 0);
        double flags = 0;
        std::string stored;
        static constexpr double kWeights[] = {128, 64, 32, 16, 1};
        for (size_t k = 0; k < 5; ++k) {
          flags += channelNumber(ai, 1 + k) * kWeights[k];
          stored += (k ? " " : "") + channelValue(ai, 1 + k);
        }
        std::string names;
        for (size_t k = 1; k <= 5 && k < ai.parameters.size(); ++k)
          names += (k > 1 ? "," : "") + ai.names[k];
        planned.push_back(NumberField(
            "AI",
            "EB" + std::to_string(module.slot) + "/AI/" + std::to_string(position) + "/" + names,
            flags, 1, stored));
        for (size_t i = 6; i < 12; ++i) channelField("AI", module, ai, position, i);
      }
    }
  auto bitmap = [&](const char* kind, int32_t slot, const char* row) {
    double sum = 0;
    for (const SavedModule& module : modules)
      if (module.slot == slot)
        for (const SavedChannel& channel : module.channels)
          if (channel.kind == kind)
            sum += channelNumber(channel, 0) * std::ldexp(1.0, channel.number - 8 * (slot - 1));
    planned.push_back(
        NumberField(row, std::string(kind) + " bitmap of slot " + std::to_string(slot), sum, 1));
  };
  if (ndi > 0) {
    bitmap("DI", 1, "DI bitmaps");
    bitmap("DI", 2, "DI bitmaps");
  }
  if (nc > 0)
    for (const SavedModule& module : modules) {
      int32_t position = 0;
      for (const SavedChannel& di : module.channels) {
        if (di.kind != "DI") continue;
        ++position;
        if (di.counts) channelField("counters", module, di, position, 1);
      }
    }
  if (nao > 0) {
    double modes = 0;
    for (const SavedModule& module : modules)
      for (const SavedChannel& ao : module.channels)
        if (ao.kind == "AO")
          modes += channelNumber(ao, 0) * std::ldexp(1.0, 2 * (ao.number - 8 * (module.slot - 1)));
    planned.push_back(NumberField("AO modes", "AO output modes, 2 bits each", modes, 2));
  }
  if (ndo > 0) {
    bitmap("DO", 1, "DO bitmaps");
    bitmap("DO", 2, "DO bitmaps");
  }

  // The bytes go to the fields in order; a field whose encoding fails takes none.
  size_t offset = 0;
  for (Planned& p : planned) {
    result.promisedBytes += p.width;
    StreamField field = p.field;
    field.offset = offset;
    if (!p.fails && p.width > 0) {
      if (2 * (offset + p.width) > result.stream.size()) {
        field.readBack = "-";
        field.flag = "missing from the stream";
      } else {
        field.hex = result.stream.substr(2 * offset, 2 * p.width);
        offset += p.width;
        p.read(field);
      }
    } else if (field.readBack.empty()) {
      field.readBack = "-";
    }
    result.fields.push_back(std::move(field));
  }
  if (result.stream.empty())
    result.mismatch = "the object builds no configuration stream";
  else if (offset != streamBytes)
    result.mismatch = "the stream has " + std::to_string(streamBytes) + " bytes; its fields take " +
                      std::to_string(offset);
  return result;
}

}  // namespace host
