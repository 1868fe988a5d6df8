#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "com/ClassFactory.h"
#include "com/ComPtr.h"
#include "faces/AppObject.h"
#include "faces/Engineering.h"
#include "host/commands/Arguments.h"
#include "host/output/HelpText.h"
#include "xml/DomInterfaces.h"

// How tqhost reaches the component: through the registry and the class
// factory only, as any host does.
namespace host {

constexpr const char* kAppObjectProgId = "O_TQ4600.CAppObject";
// The unit service the component's numeric dialog creates.
constexpr const char* kUnitServiceProgId = "UnitManager.Converter";
// The document component the object's report creates.
constexpr const char* kDocumentProgId = "HZDoc.CDoc";

// The description of the last recorded error, else the code as text; for a
// registry that cannot be read, with how to rebuild it.
std::string LastErrorText(HRESULT hr);

// The component library inside a plug-in folder (DIR/O_TQ4600/O_TQ4600.so).
std::string ComponentPathIn(const std::string& pluginsFolder);

// The unit service library inside a plug-in folder (DIR/UnitManager/UnitManager.so).
std::string UnitServicePathIn(const std::string& pluginsFolder);

// The document component library inside a plug-in folder (DIR/HZDoc/HZDoc.so).
std::string DocumentComponentPathIn(const std::string& pluginsFolder);

// Makes sure the ProgID resolves to the library at libraryPath, registering
// the library when the registry lacks the ProgID or names another library.
// Returns an empty text on success, else one line saying what failed.
std::string EnsureRegistered(const std::string& progId, const std::string& libraryPath);
// The same for the application object's ProgID and the component.
std::string EnsureComponentRegistered(const std::string& componentPath);

// Creates an object by ProgID; on failure returns null and sets error to one
// line saying what and where.
qcom::ComPtr<IAppObject> CreateAppObject(const std::string& progId, std::string& error);

// A command's own option rows followed by those of the options every command
// that drives objects accepts, and the help option.
std::vector<HelpRow> WithSessionOptions(std::vector<HelpRow> rows);

// What the commands that place objects check first, for their help texts.
constexpr const char* kPlacingChecksHelp =
    "\n"
    "Before an object is loaded, the SNVT catalogue must define at least one of\n"
    "the SNVT types its definition uses, and the configuration tree of its type\n"
    "must allow its modules in their order. Otherwise the command stops there\n"
    "with exit code 1, naming the object and what is wrong; no file is written.\n";

// What a command needs before it creates objects: a registered component, the
// plug-in folder its definitions and module templates live in, and the host's
// SNVT catalogue. What it reads of a definition or the template folders it
// reads once and keeps for the session.
class ComponentSession {
 public:
  // Reads --plugins and --snvt, loads the catalogue and registers the
  // component and the unit service (the plug-in folder's, else the bundled
  // one). On failure returns false and sets error to one line.
  bool Open(const Arguments& args, std::string& error);

  const std::string& pluginsFolder() const { return pluginsFolder_; }
  IXMLDOMDocument* catalogue() const { return catalogue_.get(); }

  // Whether the catalogue can type the parameters of objects of that type,
  // as the initialised object's engineering interface tells: false, with
  // error naming the catalogue, when it defines none of the SNVT types the
  // type's definition uses. An object with such a catalogue shows a message
  // per parameter and builds a stream without them. Asked once per type.
  bool ServesType(const std::string& type, IEngineering* engineering, std::string& error) const;
  // CreateAppObject, keeping the class factory of each ProgID once it has
  // made an object: a project places hundreds of objects of one class.
  qcom::ComPtr<IAppObject> CreateObject(const std::string& progId, std::string& error) const;
  // The IDs of the component's module templates, as an object of the
  // component lists them, in alphabetical order; asked once.
  const std::vector<std::string>& TemplateIds(IEngineering* engineering) const;

 private:
  mutable std::map<std::string, qcom::ComPtr<IClassFactory>> factories_;
  std::string pluginsFolder_;
  std::string cataloguePath_;
  qcom::ComPtr<IXMLDOMDocument> catalogue_;
  // Why the catalogue cannot type a type's parameters; empty when it can.
  mutable std::map<std::string, std::string> unserved_;
  mutable std::optional<std::vector<std::string>> templateIds_;
};

}  // namespace host
