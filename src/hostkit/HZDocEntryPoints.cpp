// The four in-process server entry points of the document component library.
#include "hostkit/HZDocIds.h"
#include "hostkit/ReportDocument.h"
#include "hostkit/SingleClassServer.h"

HOSTKIT_SINGLE_CLASS_SERVER(hostkit::ReportDocument, hostkit::ids::kDocument,
                            hostkit::ids::kDocumentProgId, "CDoc")
