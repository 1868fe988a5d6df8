#include "ui/frmCPModif5.h"

#include "values/NumberRules.h"

namespace ui {

bool frmCPModif5::Load() {
  Controls& ui = MakeControls<Controls>();
  for (Control& cell : ui.bit) cell.text = "0";
  if (DataPoint()->Type().Length() == 1) {
    for (int i = 8; i < 16; ++i) ui.bit[i].visible = false;
    ui.lblHighByte.visible = false;
    ui.HighestBit = 7;
  }
  // A captured value that is no 32-bit number leaves every bit at 0.
  auto number = values::ReadUserNumber(CapturedValue());
  auto value = number ? values::RoundToInt32(*number) : std::nullopt;
  if (value)
    for (int i = 0; i <= ui.HighestBit; ++i)
      ui.bit[i].text = (static_cast<uint32_t>(*value) >> i) & 1u ? "1" : "0";
  ControlsChanged();
  return true;
}

void frmCPModif5::bit_DblClick(int index) {
  if (index < 0 || index > 15) return;
  Control& cell = Ui().bit[index];
  cell.text = cell.text == "1" ? "0" : "1";
  ControlsChanged();
}

int32_t frmCPModif5::BitSum() const {
  const Controls& ui = State();
  int32_t sum = 0;
  for (int i = 0; i <= ui.HighestBit; ++i)
    if (ui.bit[i].text == "1") sum += int32_t{1} << i;
  return sum;
}

void frmCPModif5::cmdOK_Click() {
  const std::string value = std::to_string(BitSum());
  for (const auto& parameter : EditedParameters()) parameter->SetValueText(value);
  CloseAfterOK();
}

}  // namespace ui
