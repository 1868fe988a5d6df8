#pragma once

#include <cstdint>
#include <functional>

#include "platform/Api.h"

// "Let pending window messages run": long loops call PumpMessages once per
// element so the editor and the host stay responsive. A GUI host installs the
// hook that runs its event loop once; without a GUI the call does nothing.
namespace platform {

using MessagePumpHook = std::function<void()>;

// Runs the installed hook once, if any, and counts the call.
QPLATFORM_API void PumpMessages();

// Installs the hook for the whole process and returns the previous one; an
// empty function removes it.
QPLATFORM_API MessagePumpHook SetMessagePump(MessagePumpHook hook);

// How often PumpMessages has been called in this process, so tests can see
// that a long loop yields.
QPLATFORM_API uint64_t PumpCount();

}  // namespace platform
