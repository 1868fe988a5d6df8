#pragma once

#include <memory>
#include <string>

#include "com/ComPtr.h"
#include "faces/AppObject.h"
#include "faces/Engineering.h"
#include "host/session/ComponentSession.h"
#include "host/session/ObjectIdentity.h"
#include "host/session/SaveForm.h"
#include "xml/Elements.h"

namespace host {

// What a command says of an object that cannot tell it what the model knows.
constexpr const char* kNoEngineering = "the object answers no engineering interface";

// One application object placed by the host, driven in the order the object
// expects: created by ProgID, handed the catalogue, initialised for its type,
// created, given the host's sink and its identity, then loaded. Destroyed and
// released when the host lets go of it.
class PlacedObject {
 public:
  // Null on failure, with error set to one line: also, before any object is
  // created, when the session's catalogue cannot type the object's
  // parameters. An object that cannot be initialised for its type has shown
  // its own message first.
  static std::unique_ptr<PlacedObject> Place(const ComponentSession& session,
                                             const ObjectIdentity& identity, std::string& error);
  ~PlacedObject();
  PlacedObject(const PlacedObject&) = delete;
  PlacedObject& operator=(const PlacedObject&) = delete;

  // Restores the object from its saved element.
  void Load(IXMLDOMNode* savedElement);
  // The configuration stream; empty when the object could not build one.
  std::string Stream() const;
  // Appends the object's element in the given form below parent.
  void SaveInto(IXMLDOMDocument* document, IXMLDOMNode* parent, SaveForm form) const;
  // The object saved in the normal form, alone in a document of its own.
  qxml::ElementPtr SavedElement() const;
  ObjectIdentity Identity() const { return ReadIdentity(object_.get()); }
  IAppObject* get() const { return object_.get(); }
  // The object's engineering interface, which answers everything the model
  // knows (its parameters, stream fields, value checks, module templates).
  IEngineering* engineering() const { return engineering_.get(); }
  // The configuration stream taken apart by the object; null when the object
  // answers no engineering interface.
  qcom::ComPtr<IStreamExplanation> Explain() const;

 private:
  explicit PlacedObject(qcom::ComPtr<IAppObject> object) : object_(std::move(object)) {}
  qcom::ComPtr<IAppObject> object_;
  qcom::ComPtr<IEngineering> engineering_;
};

}  // namespace host
