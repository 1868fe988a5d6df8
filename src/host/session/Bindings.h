#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "com/ComPtr.h"
#include "faces/AppObject.h"
#include "faces/Points.h"
#include "xml/DomInterfaces.h"

// Bindings between the objects of a project: an output of one object feeds
// an input of another. Each is one element beside the objects,
//   <Binding fromObject="2" output="Analog (0) Value" toObject="1" input="Analog (4) Value"/>
// naming the objects by unique ID (so that a removed object moves no binding
// to its neighbour) and the points as the objects spell them. The elements
// are written after the objects, sorted by input, so that the file changes
// only where a binding does.
namespace host {

class ComponentSession;
class PlacedObject;
class ProjectFile;

constexpr const char* kBindingElement = "Binding";

struct BoundPoint {
  std::string object;  // the object's unique ID
  std::string point;   // the point's name
};

struct Binding {
  BoundPoint output, input;
};

// A point as a user names it: "2:Analog (0) Value", the object's number in
// the project (from 1) and the point's name in any letter case.
struct PointWord {
  size_t number = 0;
  std::string point;
};
std::optional<PointWord> ParsePointWord(const std::string& text, std::string& error);

class ProjectBindings {
 public:
  // Reads one Binding element; false with problem set when it lacks a part.
  bool Read(IXMLDOMElement* element, std::string& problem);
  void Clear();
  const std::vector<Binding>& all() const { return bindings_; }
  bool empty() const { return bindings_.empty(); }
  void Add(Binding binding);
  // Removes the bindings for which `drop` is true and gives them back.
  template <class Drop>
  std::vector<Binding> RemoveIf(Drop drop) {
    std::vector<Binding> removed, kept;
    for (Binding& b : bindings_) (drop(b) ? removed : kept).push_back(std::move(b));
    bindings_ = std::move(kept);
    references_.clear();
    return removed;
  }
  // Replaces the Binding elements of the root by the bindings, sorted, after
  // every other element.
  void WriteInto(IXMLDOMDocument* document, IXMLDOMElement* root) const;

  // The reference of a source output, kept once read: a project asks for the
  // same outputs again while its objects are opened one by one.
  std::map<std::string, std::string>& references() const { return references_; }

 private:
  std::vector<Binding> bindings_;
  mutable std::map<std::string, std::string> references_;
};

// The position (0-based) of the object with that unique ID; nothing when no
// object, or more than one, has it (problem says which).
std::optional<size_t> ObjectWithId(const ProjectFile& project, const std::string& uniqueId,
                                   std::string& problem);

// "2:Analog (0) Value", how messages and lists name a bound point.
std::string PointLabel(const ProjectFile& project, const BoundPoint& point);
// "2:Analog (0) Value -> 1:Analog (4) Value".
std::string BindingLabel(const ProjectFile& project, const Binding& binding);

// The output bound to the input of the i-th object ("2:Analog (0) Value");
// empty when the input is not bound.
std::string BoundSource(const ProjectFile& project, size_t index, const std::string& input);

// The input or output of that name (any letter case); null when there is none.
qcom::ComPtr<IInput> FindInput(IAppObject* object, const std::string& name);
qcom::ComPtr<IOutput> FindOutput(IAppObject* object, const std::string& name);

// Why the output cannot feed the input: its SNVT is not in the input's
// compatible list. Empty when it can.
std::string IncompatibleTypes(IOutput* output, IInput* input);

// The reference an input bound to the output holds: the output's display
// reference, in the input's width (an extended input's three bytes begin with 00).
std::string ReferenceFor(IOutput* output, IInput* input);

// Connects the bound points of the i-th object, just loaded: each bound input
// and output is told it is connected (ISubItemConnable), and each bound input
// holds the reference of its source. False with error set to one line when a
// binding names an object or a point that is not there, or types that do not
// fit.
bool ApplyBindings(const ComponentSession& session, const ProjectFile& project, size_t index,
                   const PlacedObject& object, const std::string& path, std::string& error);

}  // namespace host
