#pragma once

// Symbols of the DOM library that the runtime's users link against; everything
// else stays hidden, so the library keeps its own object count.
#define QXML_API __attribute__((visibility("default")))
