#pragma once

#include <string>
#include <vector>

#include "com/ComObject.h"
#include "ports/EditorView.h"

namespace testing_support {

inline const char* KindText(ports::ChannelKind kind) {
  static const char* const kNames[] = {"AI", "AO", "DI", "DO"};  // in the order of ChannelKind
  return kNames[static_cast<int>(kind)];
}

// "NAME | KEY | p1=display1; p2=display2"
inline std::string RowText(const ports::ChannelRowData& row) {
  std::string text = row.name + " | " + row.globalKey + " |";
  for (size_t i = 0; i < row.parameters.size(); ++i)
    text += (i ? "; " : " ") + row.parameters[i].first + "=" + row.parameters[i].second;
  return text;
}

// An editor window without a display: writes down every operation it is
// asked for, one line each ("add AI Analog (0) | EB1\AI\1 | gain=1 s").
class RecordingEditor final : public qcom::ComObject<IEditorView> {
 public:
  std::vector<std::string> calls;

  void AddChannelRow(ports::ChannelKind kind, const ports::ChannelRowData& row) override {
    calls.push_back(std::string("add ") + KindText(kind) + " " + RowText(row));
  }
  void RemoveChannelRow(ports::ChannelKind kind, const std::string& key) override {
    calls.push_back(std::string("remove ") + KindText(kind) + " " + key);
  }
  void RefreshChannelRow(ports::ChannelKind kind, const ports::ChannelRowData& row) override {
    calls.push_back(std::string("refresh ") + KindText(kind) + " " + RowText(row));
  }
  void SetChannelConnected(ports::ChannelKind kind, const std::string& key,
                           bool connected) override {
    calls.push_back(std::string("connected ") + KindText(kind) + " " + key + " " +
                    (connected ? "true" : "false"));
  }
  void AddModuleButton(const ports::ModuleButtonData& module) override {
    calls.push_back("module button " + module.key + " " + module.name);
  }
  void UpdateAddMenu() override { calls.push_back("update add menu"); }
  void EnableRemoveCommands(bool enabled) override {
    calls.push_back(std::string("remove commands ") + (enabled ? "on" : "off"));
  }
  void ShowUserName(const std::string& userName) override {
    calls.push_back("user name " + userName);
  }
  void CloseByOwner() override { calls.push_back("close by owner"); }
  void ShowModal(IUnknown*) override { calls.push_back("show"); }

 private:
  ~RecordingEditor() override = default;
};

}  // namespace testing_support
