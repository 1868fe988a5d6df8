#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/ParameterDialog.h"

namespace ui {

// One member of an enumeration as the drop-down list shows it.
struct EnumEntry {
  std::string text;
  int16_t code = 0;  // the list entry's item data
};

// The enumeration edit dialog: one member picked from a drop-down list.
class frmCPModif3 final : public ParameterDialog {
 public:
  struct Controls : CommonControls {
    std::vector<EnumEntry> cboEnum;
    Control cboEnumShown;  // the text the list shows
    int32_t SelectedCode = -1;
  };

  ports::DialogKind Kind() const override { return ports::DialogKind::Enumeration; }
  bool Load() override;
  void cmdOK_Click() override;

  // Lists the members of an enumeration table (code "," text ";" ...) up to
  // its first empty entry.
  void FillEnumList(const std::string& enumDesc);
  // Shows the last member whose code is the value, else the first member.
  void SelectEnumValue(const std::string& value);
  void cboEnum_Click(size_t index) override;

  const Controls& State() const { return ControlsOf<Controls>(); }

 private:
  Controls& Ui() { return ControlsOf<Controls>(); }
};

}  // namespace ui
