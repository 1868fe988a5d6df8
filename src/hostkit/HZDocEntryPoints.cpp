// The four in-process server entry points of the document component library.
#include <dlfcn.h>

#include "hostkit/HZDocIds.h"
#include "hostkit/ReportDocument.h"
#include "hostkit/SingleClassServer.h"

HOSTKIT_SINGLE_CLASS_SERVER(hostkit::ReportDocument, hostkit::ids::kDocument,
                            hostkit::ids::kDocumentProgId, "CDoc")

namespace {
// Qt, which the library brings into the process, cannot be unloaded and started
// again (nor can the OpenMP runtime it loads); so once loaded, even only to be
// registered, the library stays loaded for the process.
const bool kStaysLoaded = dlopen(qcom::ModulePath(&kLibraryAnchor).c_str(),
                                 RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE) != nullptr;
}  // namespace
