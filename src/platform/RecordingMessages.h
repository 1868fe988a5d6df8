#pragma once

#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace platform {

// One message as it was raised.
struct RecordedMessage {
  std::string text;
  int style = kMessageOk;
  std::string title;

  bool operator==(const RecordedMessage&) const = default;
};

// The message service of tests: keeps every message in the order raised, so a
// test can assert exact texts, styles and titles.
class QPLATFORM_API RecordingMessages : public MessageService {
 public:
  int Show(std::string_view text, int style, std::string_view title) override;

  const std::vector<RecordedMessage>& Messages() const { return messages_; }
  // Only the texts, in order.
  std::vector<std::string> Texts() const;
  void Clear() { messages_.clear(); }

 private:
  std::vector<RecordedMessage> messages_;
};

}  // namespace platform
