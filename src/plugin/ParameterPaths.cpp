#include "plugin/ParameterPaths.h"

#include <charconv>
#include <optional>

#include "com/TextRules.h"
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "plugin/ModuleWalk.h"

namespace plugin {

namespace {

constexpr const char* kKinds[] = {"AI", "AO", "DI", "DO"};

// Calls visit(channel) for every channel of that kind of the module.
template <class Visit>
void ForEachChannelOfKind(const CDBEBModule& module, std::string_view kind, Visit visit) {
  if (kind == "AI") ForEachChannel(module.AIs(), visit);
  if (kind == "AO") ForEachChannel(module.AOs(), visit);
  if (kind == "DI") ForEachChannel(module.DIs(), visit);
  if (kind == "DO") ForEachChannel(module.DOs(), visit);
}

std::string ChannelPrefix(const CDBEBModule& module, std::string_view kind, int32_t position) {
  return module.Key() + "/" + std::string(kind) + "/" + std::to_string(position) + "/";
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

std::optional<int> PositiveNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto result = std::from_chars(text.data(), end, value);
  if (text.empty() || result.ec != std::errc() || result.ptr != end || value < 1)
    return std::nullopt;
  return value;
}

std::vector<std::string> Fields(std::string_view path) {
  std::vector<std::string> fields(1);
  for (char c : path) {
    if (c == '/' || c == '\\')
      fields.emplace_back();
    else
      fields.back() += c;
  }
  return fields;
}

// The parameter of that name in a collection, by name only (letter case aside).
CDBAttribute* Named(const CDBAttributes* parameters, const std::string& name) {
  return parameters ? parameters->Items().ByKey(name).get() : nullptr;
}

std::vector<std::string> NamesIn(const CDBAttributes* parameters) {
  std::vector<std::string> names;
  if (parameters)
    for (const auto& entry : parameters->Items()) names.push_back(entry.item->NameText());
  return names;
}

PlacedParameter FindChannelParameter(const CDBEBModules* modules,
                                     const std::vector<std::string>& fields, std::string_view path,
                                     std::string& problem) {
  const std::string text(path);
  auto module = qcom::text::Upper(fields[0]).rfind("EB", 0) == 0
                    ? PositiveNumber(std::string_view(fields[0]).substr(2))
                    : std::nullopt;
  const std::string kind = qcom::text::Upper(fields[1]);
  auto position = PositiveNumber(fields[2]);
  const std::string& name = fields[3];
  if (!module) {
    problem = text + ": the module is written EB1, EB2, ...";
  } else if (kind != "AI" && kind != "AO" && kind != "DI" && kind != "DO") {
    problem = text + ": the channel kind is AI, AO, DI or DO";
  } else if (!position) {
    problem = text + ": the channel position is a number from 1";
  } else if (name.empty()) {
    problem = text + ": the parameter name is missing";
  }
  if (!problem.empty()) return {};
  const std::string moduleKey = "EB" + std::to_string(*module);
  const size_t placed = modules ? modules->Count() : 0;
  auto found = modules ? modules->Modules().ByKey(moduleKey) : nullptr;
  if (!found) {
    problem = "the object has no module " + moduleKey + " (it has " + std::to_string(placed) + ")";
    return {};
  }
  const CDBAttributes* parameters = nullptr;
  int32_t channels = 0;
  ForEachChannelOfKind(*found, kind, [&](const auto& channel) {
    ++channels;
    if (channel.IndexInModuleValue() == *position) parameters = channel.Attributes();
  });
  if (channels < *position) {
    problem = "module " + moduleKey + " (" + found->TemplateID() + ") has no " + kind + " " +
              std::to_string(*position) + " (it has " + std::to_string(channels) + ")";
    return {};
  }
  CDBAttribute* parameter = Named(parameters, name);
  if (!parameter) {
    problem = moduleKey + "/" + kind + "/" + std::to_string(*position) + " has no parameter " +
              name + "; its parameters are: " + Joined(NamesIn(parameters));
    return {};
  }
  return {ChannelPrefix(*found, kind, *position) + parameter->NameText(), kind, parameter};
}

}  // namespace

std::vector<PlacedParameter> PlacedParameters(const CDBAttributes* device,
                                              const CDBEBModules* modules) {
  std::vector<PlacedParameter> placed;
  if (device)
    for (const auto& entry : device->Items())
      placed.push_back({entry.item->NameText(), "", entry.item.get()});
  ForEachModule(modules, [&](const CDBEBModule& module) {
    for (const char* kind : kKinds)
      ForEachChannelOfKind(module, kind, [&](const auto& channel) {
        const CDBAttributes* parameters = channel.Attributes();
        if (!parameters) return;
        const std::string prefix = ChannelPrefix(module, kind, channel.IndexInModuleValue());
        for (const auto& entry : parameters->Items())
          placed.push_back({prefix + entry.item->NameText(), kind, entry.item.get()});
      });
  });
  return placed;
}

PlacedParameter FindParameter(const CDBAttributes* device, const CDBEBModules* modules,
                              std::string_view path, std::string& problem) {
  problem.clear();
  const std::vector<std::string> fields = Fields(path);
  if (fields.size() == 4) return FindChannelParameter(modules, fields, path, problem);
  if (fields.size() != 1) {
    problem = std::string(path) +
              ": a channel parameter is written MODULE/KIND/POSITION/NAME, e.g. "
              "EB1/AI/2/sensortype";
    return {};
  }
  if (CDBAttribute* parameter = Named(device, fields[0]))
    return {parameter->NameText(), "", parameter};
  problem = "no device parameter " + fields[0] +
            "; the device parameters are: " + Joined(NamesIn(device));
  return {};
}

}  // namespace plugin
