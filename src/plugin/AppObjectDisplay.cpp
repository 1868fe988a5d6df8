// Opening and releasing the editor window of the object.
#include <utility>

#include "com/Boundary.h"
#include "faces/HostObjects.h"
#include "modules/CDBAIs.h"
#include "modules/CDBAOs.h"
#include "modules/CDBDIs.h"
#include "modules/CDBDOs.h"
#include "plugin/CDBAppObject.h"
#include "ports/EditorFactory.h"

HRESULT CDBAppObject::Show(IUnknown* ownerWindow) {
  return qcom::Guarded([&] {
    // The window lets go of itself through ReleaseEditor while it is shown.
    qcom::ComPtr<IEditorView> editor = editor_;
    if (!editor) {
      editor_ = editor = ports::MakeEditor(this);
      if (editor) editor->ShowModal(ownerWindow);
      isPlugInActive_ = true;
    } else {
      isPlugInActive_ = true;
      editor->ShowModal(ownerWindow);
    }
    RefreshParentContainer();
    return S_OK;
  });
}

void CDBAppObject::RefreshParentContainer() const {
  auto parent = qcom::QueryAs<IHostParent>(parent_.get());
  qcom::ComPtr<IUnknown> container;
  if (!parent || FAILED(parent->get_Container(container.put()))) return;
  if (auto refresh = qcom::QueryAs<IHostContainer>(container.get())) refresh->Refresh();
}

void CDBAppObject::ReleaseEditor() {
  isPlugInActive_ = false;
  if (auto editor = std::exchange(editor_, nullptr)) editor->CloseByOwner();
  if (!modules_) return;
  for (const auto& entry : modules_->Modules()) {
    const CDBEBModule& module = *entry.item;
    if (module.AOs()) module.AOs()->SetEditor(nullptr);
    if (module.AIs()) module.AIs()->SetEditor(nullptr);
    if (module.DOs()) module.DOs()->SetEditor(nullptr);
    if (module.DIs()) module.DIs()->SetEditor(nullptr);
  }
}
