#include "platform/MessagePump.h"

#include <atomic>
#include <mutex>
#include <utility>

namespace platform {
namespace {

struct PumpState {
  std::mutex lock;
  MessagePumpHook hook;
  std::atomic<uint64_t> calls{0};
};

// Never destroyed, for the same reason as the message service.
PumpState& State() {
  static PumpState* state = new PumpState;
  return *state;
}

}  // namespace

void PumpMessages() {
  PumpState& state = State();
  state.calls.fetch_add(1);
  MessagePumpHook hook;
  {
    std::lock_guard<std::mutex> hold(state.lock);
    hook = state.hook;
  }
  // Run outside the lock: the events it delivers may pump again.
  if (hook) hook();
}

MessagePumpHook SetMessagePump(MessagePumpHook hook) {
  PumpState& state = State();
  std::lock_guard<std::mutex> hold(state.lock);
  return std::exchange(state.hook, std::move(hook));
}

uint64_t PumpCount() {
  return State().calls.load();
}

}  // namespace platform
