#include "ui/EditorInstall.h"

#include "ports/EditorFactory.h"
#include "ui/frmMain.h"

namespace ui {

void InstallEditorFactory() {
  ports::SetEditorFactory([](IAppObject* owner) -> qcom::ComPtr<IEditorView> {
    auto window = qcom::Make<frmMain>();
    window->SetAppObject(owner);  // registers the window as a callback sink
    window->Load();
    return qcom::ComPtr<IEditorView>(window.get());
  });
}

}  // namespace ui
