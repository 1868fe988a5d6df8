#include "platform/RecordingMessages.h"

namespace platform {

int RecordingMessages::Show(std::string_view text, int style, std::string_view title) {
  messages_.push_back({std::string(text), style, std::string(title)});
  return kIdOk;
}

std::vector<std::string> RecordingMessages::Texts() const {
  std::vector<std::string> texts;
  texts.reserve(messages_.size());
  for (const RecordedMessage& m : messages_) texts.push_back(m.text);
  return texts;
}

}  // namespace platform
