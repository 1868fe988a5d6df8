#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ports/EditDialog.h"
#include "values/SnvtReading.h"
#include "xml/Dom.h"

namespace values {

// A message reading a definition shows; shown again each time a parameter is
// made from the kept reading, as if the element were read anew.
struct DefinitionMessage {
  std::string text;
  int style = 0;
  std::string title;
};

// What every parameter made from one definition element has in common: its
// description and flags, its SNVT type record (with the limits the element
// sets), its first and its default value, and the dialog that edits it.
// Immutable, and shared by all parameters of that element.
struct ParameterDefinition {
  std::string description;
  int32_t orderPosition = 0;
  bool visible = false;
  std::string snvtTypeId;
  // The value a new parameter holds, and the one BackToDefault restores.
  std::string initialValue;
  std::string defaultValue;
  std::shared_ptr<const SnvtFields> type;
  // The limits in display form: the element's own where it gives them,
  // else its type's.
  std::string min, max;
  // The limits of its own the element gives (its Min and Max), and those of
  // its type in the catalogue, in display form; empty for none.
  std::string ownMin, ownMax;
  std::string typeMin, typeMax;
  ports::DialogKind dialogKind = ports::DialogKind::None;
  // The same definition with a float type shortened to the stream's 2-byte
  // short float; null when the type is no float or already that short.
  std::shared_ptr<const ParameterDefinition> shortFloat;
};

struct ParameterReading {
  // The name the element was read under (its warnings carry it).
  std::string name;
  std::shared_ptr<const ParameterDefinition> definition;
  std::vector<DefinitionMessage> messages;
};

// Reads the definition element of the parameter called name against the
// current catalogue. A reading is kept for each element of each unchanged
// definition document, catalogue and decimal separator: a project places the
// same few definitions thousands of times.
std::shared_ptr<const ParameterReading> ReadParameterDefinition(const std::string& name,
                                                                IXMLDOMNode* node);

}  // namespace values
