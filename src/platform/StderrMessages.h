#pragma once

#include <cstdio>

#include "platform/MessageBox.h"

namespace platform {

// The message service of command-line hosts: each message becomes exactly one
// line "message: TEXT". Line breaks inside the text turn into blanks so that a
// message never spans lines; title and style are not printed.
class QPLATFORM_API StderrMessages : public MessageService {
 public:
  // Writes to out (standard error unless told otherwise); out is not owned.
  explicit StderrMessages(std::FILE* out = nullptr);
  int Show(std::string_view text, int style, std::string_view title) override;

 private:
  std::FILE* out_;
};

}  // namespace platform
