#pragma once

// Symbols of the COM runtime that hosts and components link against. Everything
// else in the runtime stays hidden, so each shared object keeps its own state.
#define QCOM_API __attribute__((visibility("default")))
