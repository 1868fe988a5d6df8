#pragma once

#include <string>
#include <vector>

#include "com/ComObject.h"
#include "ports/ChannelLink.h"
#include "ports/EditorView.h"
#include "support/FakeMacroHost.h"
#include "support/RecordingEditor.h"

// The objects an input or output talks to, reduced to what tests look at.
namespace points_test {

// A channel that writes down every connection change it is given.
template <class... Extra>
class BasicChannel : public qcom::ComObject<IChannelLink, Extra...> {
 public:
  BasicChannel(std::string name, std::string key) : name_(std::move(name)), key_(std::move(key)) {}
  std::vector<bool> setTo;

  std::string LinkName() override { return name_; }
  std::string LinkGlobalKey() override { return key_; }
  void LinkSetConnected(bool connected) override { setTo.push_back(connected); }

 private:
  std::string name_, key_;
};

// A channel that does not tell its own connection state.
class FakeChannel final : public BasicChannel<> {
 public:
  using BasicChannel::BasicChannel;
};

// A channel that counts like a real one: connected while more connections
// were made than removed.
class CountingChannel final : public BasicChannel<IChannelState> {
 public:
  using BasicChannel::BasicChannel;
  bool LinkIsConnected() override {
    int count = 0;
    for (bool made : setTo) count += made ? 1 : -1;
    return count != 0;
  }
};

// The application object that owns the points: it answers Parent and
// ExportIndex and hands out its editor window, when one is open.
class FakeOwner final : public testing_support::BasicHostedAppObject<IEditorOwner> {
 public:
  qcom::ComPtr<testing_support::RecordingEditor> window;
  IEditorView* EditorView() override { return window.get(); }
};

}  // namespace points_test
