#pragma once

#include <string>
#include <vector>

#include "xml/Dom.h"

// Whether what an object saves holds everything of the element it was loaded
// from. An object skips without a word what it cannot place (a module whose
// template is missing or broken, a value its template no longer has), so a
// command that wrote the object back would drop it from the project.
namespace host {

struct LostPart {
  std::string what;  // "module EB2 (EB8DIC)", "EB1/AI/2/offset", "Attributes/Bogus"
  // A module or channel the object did not place: its stream lacks it too.
  bool unplaced = false;
};

// The parts of `loaded` (an object's element as the project holds it) that
// `rewritten` (what the object saved right after loading it) lacks: modules,
// channels, parameters, values ("the value of EB1/AI/2/range") and other
// elements. Names compare in any letter case. Not counted: comments, and
// elements directly inside the object element that the object does not know,
// which CarryOver keeps.
std::vector<LostPart> LostParts(IXMLDOMNode* loaded, IXMLDOMNode* rewritten);

// Moves into `rewritten` the comments of `loaded`, at any depth, and the
// elements directly inside it that the object does not write, each after the
// element it followed, so that a project keeps the notes people write into it.
void CarryOver(IXMLDOMNode* loaded, IXMLDOMNode* rewritten);

}  // namespace host
