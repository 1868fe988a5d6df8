#include "ui/EditorInstall.h"

#include "ports/EditDialog.h"
#include "ports/EditorFactory.h"
#include "ui/EditorLibrary.h"
#include "ui/frmCPModif1.h"
#include "ui/frmCPModif2.h"
#include "ui/frmCPModif3.h"
#include "ui/frmCPModif5.h"
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

void InstallEditDialogFactory() {
  ports::SetEditDialogFactory([](ports::DialogKind kind) -> std::unique_ptr<ports::EditDialog> {
    switch (kind) {
      case ports::DialogKind::Numeric:
        return std::make_unique<frmCPModif1>();
      case ports::DialogKind::Text:
        return std::make_unique<frmCPModif2>();
      case ports::DialogKind::Enumeration:
        return std::make_unique<frmCPModif3>();
      case ports::DialogKind::BitField:
        return std::make_unique<frmCPModif5>();
      case ports::DialogKind::None:
        break;
    }
    return nullptr;
  });
}

void InstallEditorLibrary() {
  SetDialogViewFactory(EditorLibraryView);
  SetMainWindowViewFactory(EditorLibraryWindow);
}

}  // namespace ui
