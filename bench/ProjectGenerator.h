#pragma once

#include <string>

#include "xml/Dom.h"

// Builds the benchmark's project: one object per allowed three-module chain and
// value variant, made with the real component (modules placed along the
// configuration tree, every device and channel parameter set to a valid value
// other than its default, the stream read, the object saved), then copied to
// the requested number of objects with their own user names and positions.
namespace bench {

struct GeneratedProject {
  // The project document's XML as the DOM writes it: a root element holding
  // one saved object element per object.
  std::string xml;
  // Empty on success, else what went wrong.
  std::string error;
};

GeneratedProject GenerateProject(int objects, IXMLDOMDocument* catalogue);

}  // namespace bench
