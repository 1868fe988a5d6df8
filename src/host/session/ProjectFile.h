#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "com/ComPtr.h"
#include "host/session/Bindings.h"
#include "host/session/ObjectIdentity.h"
#include "host/session/PlacedObject.h"
#include "host/session/SaveForm.h"
#include "host/session/WrittenBack.h"
#include "xml/Elements.h"

// The host's project file: any number of placed objects, each an "Object"
// element carrying the host's identity of the object around the element the
// object saved itself as. A file whose root is such a saved element on its
// own is read as a project of that one object with the default identity.
namespace host {

constexpr const char* kProjectRoot = "QorProject";
constexpr const char* kProjectVersion = "1";
constexpr const char* kObjectElement = "Object";

// Why a text typed by the user cannot be written into a project file (not
// UTF-8, or a character XML cannot hold, named as U+XXXX); empty when it can.
std::string UnwritableText(std::string_view text);

struct ProjectEntry {
  ObjectIdentity identity;
  qxml::ElementPtr wrapper;  // the "Object" element; null for a bare saved element
  qxml::ElementPtr saved;    // the object's own element
};

class ProjectFile {
 public:
  // An empty project whose objects are saved in the given form.
  explicit ProjectFile(SaveForm form = SaveForm::kNormal);

  // Reads a project file or a bare saved element. On failure returns false
  // and sets error to one line naming the file and what is wrong with it.
  bool Read(const std::string& path, std::string& error);

  bool bare() const { return bare_; }
  const std::vector<ProjectEntry>& entries() const { return entries_; }
  // The bindings between the objects (none in a bare file); written with the project.
  const ProjectBindings& bindings() const { return bindings_; }
  ProjectBindings& bindings() { return bindings_; }

  // Appends an object: its identity and its element in the project's form.
  void Add(const PlacedObject& object);
  // Replaces the i-th (0-based) object by what the object saves now; a bare
  // file stays a bare saved element. Comments and elements the object does
  // not know stay in its element (see CarryOver).
  void Replace(size_t index, const PlacedObject& object);
  // Removes the i-th (0-based) object; the objects after it move up.
  void Remove(size_t index);
  // The form objects are saved in from now on, as the root element says.
  void SetForm(SaveForm form);

  // Replaces the file whole (see WriteXmlFile); false with error set on failure.
  bool Write(const std::string& path, std::string& error);
  // Writes to what an -o option names: that file, or standard output for "-".
  bool WriteOutput(const std::string& output, std::string& error);

 private:
  bool ReadEntry(qxml::ElementPtr wrapper, std::string& problem);

  qcom::ComPtr<IXMLDOMDocument> document_;
  qxml::ElementPtr root_;
  SaveForm form_ = SaveForm::kNormal;
  bool bare_ = false;
  std::vector<ProjectEntry> entries_;
  ProjectBindings bindings_;
};

}  // namespace host

namespace host {

// What loading an object does about parts of its saved element the object
// would not write back (see LostParts).
enum class OnLoss {
  kRefuse,          // a command that writes the project: the part would be gone
  kRefuseUnplaced,  // one that reads it: a module or channel missing from what it shows
  kReport,          // check: each part is handed back, the load goes on
};

struct LoadOptions {
  OnLoss onLoss = OnLoss::kRefuse;
  qxml::ElementPtr* saved = nullptr;      // receives what the object saves after loading
  std::vector<LostPart>* lost = nullptr;  // with kReport: the parts
};

// Places the object of the i-th (0-based) entry and loads its saved element,
// once the configuration tree of its type allows the chain of modules the
// element lists. Null on failure, with error set to one line naming the file
// and the object: also when options.onLoss refuses a part the object would
// not write back (a module it cannot place, a value it does not take).
std::unique_ptr<PlacedObject> LoadProjectObject(const ComponentSession& session,
                                                const ProjectFile& project, size_t index,
                                                const std::string& path, std::string& error,
                                                const LoadOptions& options = {});

// "FILE: object N (TYPE)", how messages name an object of a project.
std::string ObjectLabel(const std::string& path, const ProjectFile& project, size_t index);

}  // namespace host
