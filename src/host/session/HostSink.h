#pragma once

#include "faces/CallbackSink.h"

namespace host {

// The host's callback sink. A command-line host has no views to update, so it
// accepts every notification and does nothing with it; the object still sees
// a registered host, as it does under a graphical one.
class HostSink final : public faces::CallbackSink<> {};

}  // namespace host
