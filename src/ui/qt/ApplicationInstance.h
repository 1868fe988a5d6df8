#pragma once

// The windows need the process's one widget application. A host that runs Qt
// already has it; for any other host it is made on first use and kept until
// the process ends, since Qt cannot be started a second time.
namespace ui::widgets {

// False when the process runs Qt without widgets, where no window can open.
bool EnsureApplication();

}  // namespace ui::widgets
