#pragma once

#include <string>

#include "ui/ParameterDialog.h"

namespace ui {

// The text edit dialog: a text no longer than the type's length, with blanks
// typed as "_".
class frmCPModif2 final : public ParameterDialog {
 public:
  struct Controls : CommonControls {
    TextBox txtNewCPValue;
  };

  ports::DialogKind Kind() const override { return ports::DialogKind::Text; }
  bool Load() override;
  void cmdOK_Click() override;

  KeyAnswer KeyPress(char32_t key) override;
  KeyAnswer KeyDown(int keyCode) override;
  // A pasted text goes in as it is; the length rule then applies.
  KeyAnswer Paste(std::string_view text) override;
  void Select(size_t start, size_t length) override;

  const Controls& State() const { return ControlsOf<Controls>(); }

 private:
  Controls& Ui() { return ControlsOf<Controls>(); }
  void txtNewCPValue_Change();
  KeyAnswer Answer(bool accepted);
};

}  // namespace ui
