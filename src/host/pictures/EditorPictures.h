#pragma once

#include <string>
#include <vector>

#include "xml/DomInterfaces.h"

namespace host {

// Draws the editor window, as it shows the demo object (the modules EB4AI2AO,
// EB8DIC and EB4AO, the sensor type of its second analog input edited, its
// first analog input connected), and the window's about box into
// folder/frmMain.png and folder/frmAbout.png. Returns the files written;
// error names what failed. Needs the process's widget application.
std::vector<std::string> DrawEditorPictures(const std::string& folder, IXMLDOMDocument* catalogue,
                                            std::string& error);

}  // namespace host
