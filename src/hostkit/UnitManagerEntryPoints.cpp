// The four in-process server entry points of the unit service library.
#include "hostkit/SingleClassServer.h"
#include "hostkit/UnitConverter.h"
#include "hostkit/UnitManagerIds.h"

HOSTKIT_SINGLE_CLASS_SERVER(hostkit::UnitConverter, hostkit::ids::kConverter,
                            hostkit::ids::kConverterProgId, "Converter")
