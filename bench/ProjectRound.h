#pragma once

#include <cstddef>
#include <string>

#include "com/Bstr.h"
#include "faces/AppObject.h"
#include "xml/Dom.h"

// One round of the host's main job over a project, driven only through
// IAppObject: every object is created, handed the catalogue, initialised,
// created and loaded from its element; every stream is read; the project is
// saved into a new document and serialised; then every object is destroyed.
namespace bench {

struct RoundResult {
  size_t objects = 0;
  // Characters of all streams together.
  size_t streamChars = 0;
  // The saved project document's XML.
  qcom::Bstr savedXml;
  // Empty on success, else what went wrong.
  std::string error;
};

RoundResult RunRound(BSTR projectXml, IXMLDOMDocument* catalogue);

// A placed object as a host makes it: created, given the catalogue, initialised
// for its type and created; null when it cannot be initialised.
qcom::ComPtr<IAppObject> PlaceObject(IXMLDOMDocument* catalogue, BSTR type);

// The project text as the DOM writes it back after loading it, without any
// object touching it: what a faithful round must save.
qcom::Bstr ReloadedXml(BSTR projectXml);

}  // namespace bench
