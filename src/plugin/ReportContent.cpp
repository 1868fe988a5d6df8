#include "plugin/ReportContent.h"

#include <array>
#include <string_view>
#include <utility>

#include "com/TextRules.h"
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "plugin/ModuleWalk.h"
#include "values/CDBAttributes.h"
#include "values/NumberRules.h"

namespace plugin {

namespace {

// The words an analog input's parameter values stand for, by value 0, 1, ...
struct AiTexts {
  std::string_view name;
  std::array<std::string_view, 6> byValue;
};
constexpr AiTexts kAiTexts[] = {
    {"sensortype",
     {"Linear", "Nickel 1000", "Nickel 1000 Ext. Range", "K47 Sensor", "Platinum 1000 Sensor",
      "Nickel 1000 L&G"}},
    {"unit_of_measure", {"None", "Deg °C or °K", "Deg °F", "%"}},
    {"range", {"0-10V", "0-20V"}},
    {"suppression", {"No", "20%"}},
    {"square_root", {"Disable", "Enable"}},
    {"alarm", {"ON:Filtered Value", "ON:Unfiltered Value"}},
};

// What one analog-input parameter adds to its row; nothing for other names
// and for values outside their list.
std::optional<std::string> AiText(const CDBAttribute& parameter) {
  const std::string name = qcom::text::Lower(parameter.NameText());
  const std::string& value = parameter.StoredValue();
  if (name == "filter_constant") return "Enable";
  if (name == "diff_alarm_limit") return value;
  for (const AiTexts& texts : kAiTexts) {
    if (name != texts.name) continue;
    for (size_t i = 0; i < texts.byValue.size(); ++i)
      if (!texts.byValue[i].empty() && value == std::to_string(i))
        return std::string(texts.byValue[i]);
  }
  return std::nullopt;
}

template <class Visit>
void ForEachParameter(const ChannelCore& channel, Visit visit) {
  if (const CDBAttributes* parameters = channel.Attributes())
    for (size_t i = 1; i <= parameters->Count(); ++i)
      if (const auto& parameter = parameters->Items().At(i)) visit(*parameter);
}

// A row's first two cells: the channel number from 1 (a number for digital
// channels, its text for analog ones) and the module's name with its slot.
template <class Channel>
ReportRow RowStart(int table, const CDBEBModule& module, const Channel& channel, bool asText) {
  const int32_t number = channel.IndexValue() + 1;
  ReportRow row{table, {}};
  row.cells.push_back(asText ? qcom::Variant(std::to_string(number)) : qcom::Variant(number));
  row.cells.emplace_back(module.NameText() + "-" + std::to_string(module.Slot()));
  return row;
}

// Digital channels say what kind of contact they are.
template <class Channels>
void AddContactRows(std::vector<ReportRow>& rows, int table, const CDBEBModules* modules,
                    Channels* (CDBEBModule::*kind)() const) {
  ForEachModule(modules, [&](const CDBEBModule& module) {
    ForEachChannel((module.*kind)(), [&](const auto& channel) {
      ReportRow row = RowStart(table, module, channel, false);
      ForEachParameter(channel.Core(), [&](const CDBAttribute& parameter) {
        if (parameter.NameText() != "ContactType") return;
        if (parameter.StoredValue() == "0") row.cells.emplace_back("On/Off type");
        if (parameter.StoredValue() == "1") row.cells.emplace_back("Pulse type");
      });
      rows.push_back(std::move(row));
    });
  });
}

}  // namespace

std::vector<ReportField> ReportFields(const std::string& userName, const CDBAttributes* device) {
  std::vector<ReportField> fields{{"USERNAME", userName}, {"tqname", userName}};
  for (size_t i = 1; device && i <= device->Count(); ++i) {
    const auto& parameter = device->Items().At(i);
    if (!parameter) continue;
    const std::string& name = parameter->NameText();
    const bool zero = values::PlainParse(parameter->StoredValue()) == 0;
    if (name == "Powerline_Freq")
      fields.push_back({name, zero ? "50 Hz" : "60 Hz"});
    else if (name == "Behaviour_OnCommFailure")
      fields.push_back({name, zero ? "Output Reset" : "Output Hold"});
    else
      fields.push_back({name, parameter->StoredValue()});
  }
  return fields;
}

std::vector<ReportRow> ReportRows(const CDBEBModules* modules) {
  std::vector<ReportRow> rows;
  AddContactRows(rows, kReportTableDO, modules, &CDBEBModule::DOs);
  AddContactRows(rows, kReportTableDI, modules, &CDBEBModule::DIs);
  ForEachModule(modules, [&](const CDBEBModule& module) {
    ForEachChannel(module.AOs(), [&](const auto& channel) {
      ReportRow row = RowStart(kReportTableAO, module, channel, true);
      const CDBAttributes* parameters = channel.Core().Attributes();
      const auto* first = parameters ? parameters->Items().At(1).get() : nullptr;
      if (first) row.cells.emplace_back(first->DisplayValue());
      rows.push_back(std::move(row));
    });
  });
  ForEachModule(modules, [&](const CDBEBModule& module) {
    ForEachChannel(module.AIs(), [&](const auto& channel) {
      ReportRow row = RowStart(kReportTableAI, module, channel, true);
      ForEachParameter(channel.Core(), [&](const CDBAttribute& parameter) {
        if (auto text = AiText(parameter)) row.cells.emplace_back(*text);
      });
      rows.push_back(std::move(row));
    });
  });
  return rows;
}

}  // namespace plugin
