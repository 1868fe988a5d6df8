#pragma once

#include <memory>

#include "ui/ParameterDialog.h"

namespace ui::widgets {

// The window of a dialog, by its kind; null for a kind without one.
std::unique_ptr<DialogView> MakeDialogWindow(ParameterDialog& dialog);

}  // namespace ui::widgets
