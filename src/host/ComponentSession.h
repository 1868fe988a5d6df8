#pragma once

#include <string>
#include <vector>

#include "com/ComPtr.h"
#include "faces/AppObject.h"
#include "host/Arguments.h"
#include "host/HelpText.h"
#include "xml/DomInterfaces.h"

// How tqhost reaches the component: through the registry and the class
// factory only, as any host does.
namespace host {

constexpr const char* kAppObjectProgId = "O_TQ4600.CAppObject";

// The description of the last recorded error, else the code as text; for a
// registry that cannot be read, with how to rebuild it.
std::string LastErrorText(HRESULT hr);

// The folder tqhost is installed in (the parent of bin/).
std::string InstallFolder();

// The plug-in folder installed with this tqhost (bin/../plugins).
std::string BundledPluginsFolder();

// The component library inside a plug-in folder (DIR/O_TQ4600/O_TQ4600.so).
std::string ComponentPathIn(const std::string& pluginsFolder);

// Makes sure the application object's ProgID resolves to the component at
// componentPath, registering it when the registry lacks it or names another
// library. Returns an empty text on success, else one line saying what failed.
std::string EnsureComponentRegistered(const std::string& componentPath);

// Creates an object by ProgID; on failure returns null and sets error to one
// line saying what and where.
qcom::ComPtr<IAppObject> CreateAppObject(const std::string& progId, std::string& error);

// A command's own option rows followed by those of the options every command
// that drives objects accepts, and the help option.
std::vector<HelpRow> WithSessionOptions(std::vector<HelpRow> rows);

// What a command needs before it creates objects: a registered component, the
// plug-in folder its definitions live in, and the host's SNVT catalogue.
class ComponentSession {
 public:
  // Reads --plugins and --snvt, loads the catalogue and registers the
  // component. On failure returns false and sets error to one line.
  bool Open(const Arguments& args, std::string& error);

  const std::string& pluginsFolder() const { return pluginsFolder_; }
  IXMLDOMDocument* catalogue() const { return catalogue_.get(); }

 private:
  std::string pluginsFolder_;
  qcom::ComPtr<IXMLDOMDocument> catalogue_;
};

}  // namespace host
