#include "platform/MessageBox.h"

#include <mutex>
#include <utility>

#include "platform/StderrMessages.h"

namespace platform {
namespace {

struct ServiceSlot {
  std::mutex lock;
  std::shared_ptr<MessageService> fallback = std::make_shared<StderrMessages>();
  std::shared_ptr<MessageService> current = fallback;
};

// Never destroyed: a component unloaded at process exit may still raise a
// message after static objects have gone.
ServiceSlot& Slot() {
  static ServiceSlot* slot = new ServiceSlot;
  return *slot;
}

}  // namespace

MessageService::~MessageService() = default;

int ShowMessage(std::string_view text, int style, std::string_view title) {
  // The box is shown outside the lock: a service may pump messages, and the
  // code that runs meanwhile may raise messages of its own.
  std::shared_ptr<MessageService> service = CurrentMessageService();
  return service->Show(text, style, title);
}

std::shared_ptr<MessageService> SetMessageService(std::shared_ptr<MessageService> service) {
  ServiceSlot& slot = Slot();
  std::lock_guard<std::mutex> hold(slot.lock);
  if (!service) service = slot.fallback;
  return std::exchange(slot.current, std::move(service));
}

std::shared_ptr<MessageService> CurrentMessageService() {
  ServiceSlot& slot = Slot();
  std::lock_guard<std::mutex> hold(slot.lock);
  return slot.current;
}

ScopedMessageService::ScopedMessageService(std::shared_ptr<MessageService> service)
    : previous_(SetMessageService(std::move(service))) {}

ScopedMessageService::~ScopedMessageService() {
  SetMessageService(std::move(previous_));
}

}  // namespace platform
