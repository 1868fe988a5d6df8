#pragma once

#include <memory>
#include <string_view>

#include "platform/Api.h"

// Every modal message of the system goes through one process-wide service, so a
// GUI host shows message boxes, a command-line host prints them and a test
// records them, while the code that raises a message stays the same.
namespace platform {

// Message styles: the icon of the box. Every box has a single OK button.
constexpr int kMessageOk = 0;
constexpr int kMessageCritical = 16;
constexpr int kMessageExclamation = 48;
constexpr int kMessageInformation = 64;

// The answer of a box with a single OK button.
constexpr int kIdOk = 1;

class QPLATFORM_API MessageService {
 public:
  virtual ~MessageService();
  // Shows one modal message and returns the button pressed (kIdOk). An empty
  // title means the default title.
  virtual int Show(std::string_view text, int style, std::string_view title) = 0;
};

// Shows a message through the current service; returns its answer (kIdOk).
QPLATFORM_API int ShowMessage(std::string_view text, int style = kMessageOk,
                              std::string_view title = "");

// Installs a service for the whole process and returns the previous one. Null
// installs the default service, which writes to standard error. Two services
// are ready made: platform::StderrMessages ("platform/StderrMessages.h", one
// line per message, what a command-line host wants) and
// platform::RecordingMessages ("platform/RecordingMessages.h", keeps every
// message for a test or a host that shows them later).
QPLATFORM_API std::shared_ptr<MessageService> SetMessageService(
    std::shared_ptr<MessageService> service);

// The service ShowMessage currently uses (never null).
QPLATFORM_API std::shared_ptr<MessageService> CurrentMessageService();

// Installs a service for the lifetime of the guard and restores the previous
// one when the guard goes away.
class QPLATFORM_API ScopedMessageService {
 public:
  explicit ScopedMessageService(std::shared_ptr<MessageService> service);
  ~ScopedMessageService();
  ScopedMessageService(const ScopedMessageService&) = delete;
  ScopedMessageService& operator=(const ScopedMessageService&) = delete;

 private:
  std::shared_ptr<MessageService> previous_;
};

}  // namespace platform
