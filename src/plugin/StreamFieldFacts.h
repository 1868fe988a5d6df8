#pragma once

#include <cstdint>
#include <string>

#include "plugin/StreamWriter.h"
#include "values/CDBAttribute.h"

// How a field of the configuration block is described to an engineer: its
// stored value, what the controller reads back from its bytes (decoded from
// the bytes alone, values/StreamReadBack.h, never by encoding again) and the
// flags of a field that does not read back as stored. Numbers are written as
// the engineering answers write them, the same in every locale.
namespace plugin {

// A parameter encoded by its SNVT type; a missing parameter wrote nothing.
void DescribeParameter(StreamField& field, const CDBAttribute* parameter);

// A number the object computes (a count, a length, a sum of channel values),
// written as one byte (width 1) or one word (2), which clamp at their top.
// stored is what the field shows as stored; empty for the number itself.
void DescribeNumber(StreamField& field, double value, int32_t width, std::string stored = {});

// Bytes the object takes as text (a tag, a connection reference, reserved
// bytes), read back as they are.
void DescribeHex(StreamField& field, std::string stored, int32_t width);

// Sets a flag and adds its words to the field's note.
void Flag(StreamField& field, uint32_t flag, const std::string& words);

// The text of a number as a field shows it: at most 7 significant digits.
std::string FieldNumberText(double value);

}  // namespace plugin
