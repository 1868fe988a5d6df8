#pragma once

#include <string>

#include "com/ComPtr.h"
#include "faces/AppObject.h"

// How tqhost reaches the component: through the registry and the class
// factory only, as any host does.
namespace host {

constexpr const char* kAppObjectProgId = "O_TQ4600.CAppObject";

// The description of the last recorded error, else the code as text.
std::string LastErrorText(HRESULT hr);

// The folder tqhost is installed in (the parent of bin/).
std::string InstallFolder();

// The component built and installed with this tqhost (bin/../plugins/O_TQ4600/O_TQ4600.so).
std::string BundledComponentPath();

// Makes sure the application object's ProgID resolves to the bundled component,
// registering it when the registry lacks it or names another library. Returns
// an empty text on success, else one line saying what failed.
std::string EnsureComponentRegistered();

// Creates an application object by ProgID; on failure returns null and sets
// error to one line saying what and where.
qcom::ComPtr<IAppObject> CreateAppObject(std::string& error);

}  // namespace host
