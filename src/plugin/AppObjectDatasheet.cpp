// Opening the object's data sheet with the desktop's viewer.
#include "com/Boundary.h"
#include "platform/DocumentOpener.h"
#include "platform/MessageBox.h"
#include "plugin/CDBAppObject.h"

HRESULT CDBAppObject::ViewDatasheet(VARIANT) {
  return qcom::Guarded([&] {
    if (!datasheetAvailable_) {
      platform::ShowMessage("DataSheet not available");
      return S_OK;
    }
    int result = platform::OpenDocument(datasheetPath_, "open", "0", datasheetPath_,
                                        platform::kShowMaximized);
    if (result == platform::kOpenNoAssociation)
      platform::ShowMessage(
          "Viewer not Available. Please install the viewer to see the documentation");
    else if (result == platform::kOpenFileNotFound)
      platform::ShowMessage("DataSheet not available");
    else if (!platform::OpenSucceeded(result))
      platform::ShowMessage("Visualization not allowed");
    return S_OK;
  });
}
