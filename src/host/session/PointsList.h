#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/session/ComponentSession.h"
#include "host/session/ProjectFile.h"

// The points list a supervisory system is handed: every input and output of
// every object, with its channel, types, reference and bindings, as the
// objects answer once their bindings are applied.
namespace host {

struct PointRow {
  size_t object = 0;  // from 1, in file order
  std::string id, userName;
  std::string direction, name, channel, snvtIds, snvtNames, units, reference;
  std::vector<std::string> bindings;  // the points bound to it: "2:Analog (0) Value"
};

// The rows of the objects `wanted` takes (every object without it), in file
// order, inputs then outputs. False with error set to one line when an object
// cannot be opened.
bool ReadPointRows(const ComponentSession& session, const ProjectFile& project,
                   const std::string& path, std::vector<PointRow>& rows, std::string& error,
                   const std::function<bool(size_t)>& wanted = {});

// "a,b" as its parts; one empty part for an empty text.
std::vector<std::string> SplitCommas(const std::string& list);

}  // namespace host
