#include "host/session/ObjectIdentity.h"

#include <charconv>
#include <cmath>

#include "com/Bstr.h"
#include "host/session/ComponentSession.h"

namespace host {

namespace {

void Put(IAppObject* object, HRESULT (IAppObject::*setter)(BSTR), const std::string& text) {
  qcom::Bstr value(text);
  (object->*setter)(value.get());
}

std::string Get(IAppObject* object, HRESULT (IAppObject::*getter)(BSTR*)) {
  qcom::Bstr value;
  (object->*getter)(value.out());
  return value.utf8();
}

}  // namespace

ObjectIdentity DefaultIdentity(const std::string& type, size_t position) {
  ObjectIdentity identity;
  identity.progId = kAppObjectProgId;
  identity.type = type;
  identity.key = type + "_" + std::to_string(position);
  identity.globalKey = identity.key;
  identity.extendedKey = identity.key;
  identity.uniqueId = std::to_string(position);
  identity.userName = identity.key;
  return identity;
}

void ApplyIdentity(IAppObject* object, const ObjectIdentity& identity) {
  Put(object, &IAppObject::put_Key, identity.key);
  Put(object, &IAppObject::put_GlobalKey, identity.globalKey);
  Put(object, &IAppObject::put_ExtendedKey, identity.extendedKey);
  Put(object, &IAppObject::put_UniqueID, identity.uniqueId);
  Put(object, &IAppObject::put_Tag, identity.tag);
  Put(object, &IAppObject::put_UserName, identity.userName);
  object->put_XPosition(identity.x);
  object->put_YPosition(identity.y);
  object->put_ExportIndex(identity.exportIndex);
}

ObjectIdentity ReadIdentity(IAppObject* object) {
  ObjectIdentity identity;
  identity.progId = Get(object, &IAppObject::get_ProgrammaticId);
  identity.type = Get(object, &IAppObject::get_UniqueIDString);
  identity.key = Get(object, &IAppObject::get_Key);
  identity.globalKey = Get(object, &IAppObject::get_GlobalKey);
  identity.extendedKey = Get(object, &IAppObject::get_ExtendedKey);
  identity.uniqueId = Get(object, &IAppObject::get_UniqueID);
  identity.tag = Get(object, &IAppObject::get_Tag);
  identity.userName = Get(object, &IAppObject::get_UserName);
  object->get_XPosition(&identity.x);
  object->get_YPosition(&identity.y);
  object->get_ExportIndex(&identity.exportIndex);
  return identity;
}

std::string PositionText(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::optional<double> ParsePosition(const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  auto result = std::from_chars(text.data(), end, value);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int16_t> ParseExportIndex(const std::string& text) {
  int16_t value = 0;
  const char* end = text.data() + text.size();
  auto result = std::from_chars(text.data(), end, value);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

}  // namespace host
