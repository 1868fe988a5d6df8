#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "faces/AppObject.h"

// What the host knows of a placed object besides the object's own saved
// element: how to recreate it and where it sits in the host's project.
namespace host {

struct ObjectIdentity {
  std::string progId;
  std::string type;  // object type name, the name Init takes
  std::string key;
  std::string globalKey;
  std::string extendedKey;
  std::string uniqueId;
  std::string tag;
  std::string userName;
  double x = 0;
  double y = 0;
  int16_t exportIndex = 0;
};

// The identity the host gives the n-th object (1-based) of a project when the
// file says nothing else: keys TYPE_n, unique ID n, user name TYPE_n.
ObjectIdentity DefaultIdentity(const std::string& type, size_t position);

// Hands the identity to a created object (Key, GlobalKey, ExtendedKey,
// UniqueID, Tag, UserName, positions, ExportIndex).
void ApplyIdentity(IAppObject* object, const ObjectIdentity& identity);

// The identity as the object reports it now; ProgID and type are the object's own.
ObjectIdentity ReadIdentity(IAppObject* object);

// Positions in project files are written the same in every locale: the
// shortest text that reads back as the same double, with a "." separator.
std::string PositionText(double value);
std::optional<double> ParsePosition(const std::string& text);
std::optional<int16_t> ParseExportIndex(const std::string& text);

}  // namespace host
