#include "values/EditDialog.h"

#include <utility>

namespace values {

namespace {
EditDialogFactory& Factory() {
  static EditDialogFactory factory;
  return factory;
}
}  // namespace

DialogKind DialogKindFor(std::string_view genType) {
  if (genType == "SignedNumeric" || genType == "UnsignedNumeric" || genType == "Float")
    return DialogKind::Numeric;
  if (genType == "Enum") return DialogKind::Enumeration;
  if (genType == "Bitfield") return DialogKind::BitField;
  if (genType == "Textual") return DialogKind::Text;
  return DialogKind::None;
}

EditDialogFactory SetEditDialogFactory(EditDialogFactory factory) {
  return std::exchange(Factory(), std::move(factory));
}

std::unique_ptr<EditDialog> MakeEditDialog(DialogKind kind) {
  if (kind == DialogKind::None || !Factory()) return nullptr;
  return Factory()(kind);
}

}  // namespace values
