#pragma once

#include <memory>

#include "platform/MessageBox.h"

// The system's messages as modal message boxes over the active window, with
// the icon of their style and a single OK button.
namespace ui::widgets {

// The title of a message raised without one: the component's name.
constexpr const char* kDefaultMessageTitle = "O_TQ4600";

std::shared_ptr<platform::MessageService> MessageBoxes();

}  // namespace ui::widgets
