#include "ports/EditDialog.h"

#include <utility>

namespace ports {

namespace {
EditDialogFactory& Factory() {
  static EditDialogFactory factory;
  return factory;
}
}  // namespace

EditDialogFactory SetEditDialogFactory(EditDialogFactory factory) {
  return std::exchange(Factory(), std::move(factory));
}

std::unique_ptr<EditDialog> MakeEditDialog(DialogKind kind) {
  if (kind == DialogKind::None || !Factory()) return nullptr;
  return Factory()(kind);
}

}  // namespace ports
