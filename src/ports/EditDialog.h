#pragma once

#include <functional>
#include <memory>

// The parameter edit dialogs as the parameters see them. The editor provides
// the dialogs; without an editor (a command-line host) no dialog exists and
// editing a parameter does nothing.
class CDBAttribute;

namespace ports {

enum class DialogKind {
  None,
  Numeric,      // numeric value with unit and limits
  Text,         // free text
  Enumeration,  // one member of an enumeration
  BitField,     // a set of flags
};

class EditDialog {
 public:
  virtual ~EditDialog() = default;
  // The parameter the dialog reads when it opens and writes on OK.
  virtual void SetDataPoint(CDBAttribute* parameter) = 0;
  virtual void ShowModal() = 0;
};

using EditDialogFactory = std::function<std::unique_ptr<EditDialog>(DialogKind)>;

// Installed by the editor; returns the previous factory.
EditDialogFactory SetEditDialogFactory(EditDialogFactory factory);
// A new dialog of that kind, or null when no editor is installed or kind is None.
std::unique_ptr<EditDialog> MakeEditDialog(DialogKind kind);

}  // namespace ports
