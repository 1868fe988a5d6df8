#pragma once

// Symbols of the platform services that hosts and components link against. The
// services keep their state inside this library, so a host and every component
// it loads share one message service and one message pump.
#define QPLATFORM_API __attribute__((visibility("default")))
