#pragma once

#include <functional>

#include "com/ComPtr.h"
#include "faces/AppObject.h"
#include "ports/EditorView.h"

// How the application object gets its editor window. The editor lives above
// the model, so it installs a factory; without one (a model used on its own)
// no window is made and the object goes on without it.
namespace ports {

// Makes the window for the object: the window registers itself as the object's
// callback sink, takes its global key and loads without showing.
using EditorFactory = std::function<qcom::ComPtr<IEditorView>(IAppObject* owner)>;

EditorFactory SetEditorFactory(EditorFactory factory);
qcom::ComPtr<IEditorView> MakeEditor(IAppObject* owner);

}  // namespace ports
