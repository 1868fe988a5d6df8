#pragma once

// Laying out and painting a document needs the process's one Qt GUI
// application (fonts, paint devices). A host that runs Qt already has it; for
// any other host, tqhost among them, it is made on first use and kept until the
// process ends, since Qt cannot be started a second time.
namespace hostkit {

// False when the process runs Qt without a GUI application, where no document
// can be laid out.
bool EnsureGuiApplication();

}  // namespace hostkit
