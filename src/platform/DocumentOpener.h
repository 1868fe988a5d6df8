#pragma once

#include <string>

#include "platform/Api.h"

// Opening a document with the viewer the desktop associates with it. Results
// follow the shell's convention: 32 and above is success, lower values name
// the failure.
namespace platform {

constexpr int kOpenFileNotFound = 2;
constexpr int kOpenFailed = 5;  // access denied, or the viewer failed
constexpr int kOpenNoAssociation = 31;
constexpr int kOpenDone = 42;

constexpr bool OpenSucceeded(int result) {
  return result >= 32;
}

// Show commands a caller may pass; the desktop's viewer decides the window
// state itself, so they are accepted and not acted on.
constexpr int kShowNormal = 1;
constexpr int kShowMaximized = 3;

// Performs verb on the document at path ("\" counts as "/") and waits until the
// desktop's opener has handed it over. Only "open" (any letter case; empty
// means "open") is known, any other verb gives kOpenNoAssociation. A missing
// document gives kOpenFileNotFound without starting anything. directory, when
// it names a folder, is the opener's working directory; parameters are for
// programs, not documents, and are not passed on.
QPLATFORM_API int OpenDocument(const std::string& path, const std::string& verb = "open",
                               const std::string& parameters = "",
                               const std::string& directory = "", int showCommand = kShowNormal);

}  // namespace platform
