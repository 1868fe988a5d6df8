#include "ui/qt/DialogWindows.h"

#include "ui/qt/BitDialogWindow.h"
#include "ui/qt/EnumDialogWindow.h"
#include "ui/qt/NumericDialogWindow.h"
#include "ui/qt/TextDialogWindow.h"

namespace ui::widgets {

std::unique_ptr<DialogView> MakeDialogWindow(ParameterDialog& dialog) {
  // The kind says which dialog class the object is, so the casts hold.
  switch (dialog.Kind()) {
    case ports::DialogKind::Numeric:
      return std::make_unique<NumericDialogWindow>(static_cast<frmCPModif1&>(dialog));
    case ports::DialogKind::Text:
      return std::make_unique<TextDialogWindow>(static_cast<frmCPModif2&>(dialog));
    case ports::DialogKind::Enumeration:
      return std::make_unique<EnumDialogWindow>(static_cast<frmCPModif3&>(dialog));
    case ports::DialogKind::BitField:
      return std::make_unique<BitDialogWindow>(static_cast<frmCPModif5&>(dialog));
    case ports::DialogKind::None:
      break;
  }
  return nullptr;
}

}  // namespace ui::widgets
