#pragma once

#include "platform/MessageBox.h"
#include "platform/MessagePump.h"

// What the system's services are while one of the editor's windows is shown
// modally: its messages are message boxes over the window, and the message
// pump that long model loops call lets pending window events run (painting,
// timers) but holds the user's input back until the model change is over.
// Both are restored when the window's modal show ends.
namespace ui::widgets {

class ModalServices {
 public:
  ModalServices();
  ~ModalServices();
  ModalServices(const ModalServices&) = delete;
  ModalServices& operator=(const ModalServices&) = delete;

 private:
  platform::ScopedMessageService messages_;
  platform::MessagePumpHook previousPump_;
};

}  // namespace ui::widgets
