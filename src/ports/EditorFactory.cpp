#include "ports/EditorFactory.h"

#include <utility>

namespace ports {

namespace {
EditorFactory& Factory() {
  static EditorFactory factory;
  return factory;
}
}  // namespace

EditorFactory SetEditorFactory(EditorFactory factory) {
  return std::exchange(Factory(), std::move(factory));
}

qcom::ComPtr<IEditorView> MakeEditor(IAppObject* owner) {
  return Factory() ? Factory()(owner) : nullptr;
}

}  // namespace ports
