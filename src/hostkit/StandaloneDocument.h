#pragma once

#include <string>

// Where a report made without a document application goes: the user's
// documents folder, under a name made of the object's name and the date.
namespace hostkit {

// "<name> <date>.pdf" in the user's documents folder (made when missing), or
// "<date>.pdf" for an unnamed object; characters a file name may not hold on
// any desktop become "_", and a name already taken gets " (2)", " (3)"...
// before its extension. Empty, with the reason in error, when the folder
// cannot be had.
std::string StandaloneDocumentPath(const std::string& name, const std::string& date,
                                   std::string& error);

}  // namespace hostkit
