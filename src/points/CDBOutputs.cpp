#include "points/CDBOutputs.h"

#include "com/TextRules.h"

namespace {

constexpr const char* kAlarmStatus = "AI AlarmStatus";
// The SNVT of an analog input's alarm status output.
constexpr const char* kAlarmStatusType = "83";

// What one AddOutput call creates, where it goes, and what the caller is left with.
struct OutputPlan {
  std::string name;
  std::string type;
  bool writable = false;
  // The output the new one follows; empty: at the end.
  std::string after;
  std::string nextName;
  std::string nextType;
};

std::string CounterName(int number) {
  return "Binary (" + std::to_string(number) + ") Counter";
}

OutputPlan PlanFor(const std::string& name, const std::string& type) {
  const std::string lower = qcom::text::Lower(name);
  // The value output of analog input 0 first brings its alarm status output
  // (the caller is sent back with the alarm status name), which in turn
  // brings the value output, placed right after it.
  if (lower == "analog (0) value")
    return {kAlarmStatus, kAlarmStatusType, false, "", kAlarmStatus, type};
  if (lower == "ai alarmstatus") return {"analog (0) value", type, false, kAlarmStatus, "", ""};
  if (lower == "binary (0) counter") return {name, type, true, "", "", ""};
  for (int number = 1; number <= 7; ++number)
    if (lower == qcom::text::Lower(CounterName(number)))
      return {name, type, true, CounterName(number - 1), "", ""};
  return {name, type, false, "", "", ""};
}

}  // namespace

qcom::ComPtr<CDBOutput> CDBOutputs::AddOutput(std::string& name, std::string& typeNumber,
                                              IDispatch* parent, IChannelLink* channel) {
  if (name.empty()) return nullptr;
  OutputPlan plan = PlanFor(name, typeNumber);

  auto output = qcom::Make<CDBOutput>();
  output->SetParent(parent);
  output->SetChannel(channel);
  output->SetDisplayWritable(plan.writable);
  output->SetName(plan.name);
  output->SetType(plan.type);
  output->SetGlobalKey(KeyOf(plan.name));
  output->SetExtendedKey(extendedKey_ + "\\" + plan.name);

  // A taken name or a missing predecessor leaves the output out of the
  // collection; everything after still happens.
  bool appended = false;
  if (plan.after.empty()) {
    appended = items_.Add(plan.name, output);
  } else if (size_t position = items_.PositionOf(plan.after)) {
    items_.Add(plan.name, output, position + 1);
  }
  // An output appended at the end moves no other; the name is its own.
  if (appended)
    output->SetIndex(static_cast<int32_t>(items_.Count()) - 1);
  else
    Renumber(plan.name);

  qcom::Bstr key(KeyOf(plan.name));
  if (plan.after.empty()) {
    callBacks_.ForEach([&](IcbkAppObject* sink) { sink->RefOutAdded(key.get()); });
  } else {
    qcom::Bstr before(KeyOf(plan.after));
    callBacks_.ForEach(
        [&](IcbkAppObject* sink) { sink->RefOutAddedBefore(key.get(), before.get()); });
  }

  name = std::move(plan.nextName);
  typeNumber = std::move(plan.nextType);
  return output;
}

void CDBOutputs::Renumber(const std::string& name) {
  int32_t position = 0;
  bool renumbering = false;
  for (const auto& entry : items_) {
    if (!renumbering && entry.item->NameText() == name) renumbering = true;
    if (renumbering) entry.item->SetIndex(position);
    ++position;
  }
}

void CDBOutputs::AnnounceRemoved(const std::string& name) {
  qcom::Bstr key(KeyOf(name));
  callBacks_.ForEach([&](IcbkAppObject* sink) { sink->RefOutRemoved(key.get()); });
}

void CDBOutputs::RemoveByChannel(IChannelLink* channel) {
  RemoveChannelPoints(channel,
                      [&](const CDBOutput& output) { AnnounceRemoved(output.NameText()); });
}

void CDBOutputs::RemoveFirst() {
  auto first = items_.At(1);
  if (!first) return;
  items_.Remove(first->NameText());
  AnnounceRemoved(first->NameText());
}
