#pragma once

#include <array>

#include "ui/ParameterDialog.h"

namespace ui {

// The bit-field edit dialog: 8 or 16 bits, each toggled by a double-click.
// The upper row ("High Byte") holds bits 15 to 8, the lower ("Low Byte") 7
// to 0, most significant on the left.
class frmCPModif5 final : public ParameterDialog {
 public:
  struct Controls : CommonControls {
    std::array<Control, 16> bit;
    Control lblHighByte{"High Byte"}, lblLowByte{"Low Byte"}, lblMSB{"MSB"}, lblLSB{"LSB"};
    int HighestBit = 15;
  };

  ports::DialogKind Kind() const override { return ports::DialogKind::BitField; }
  bool Load() override;
  void cmdOK_Click() override;
  void bit_DblClick(int index) override;
  // The value the bits show.
  int32_t BitSum() const;

  const Controls& State() const { return ControlsOf<Controls>(); }

 private:
  Controls& Ui() { return ControlsOf<Controls>(); }
};

}  // namespace ui
