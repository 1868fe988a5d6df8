#include "ui/frmCPModif3.h"

#include "values/FieldText.h"
#include "values/NumberRules.h"

namespace ui {

bool frmCPModif3::Load() {
  MakeControls<Controls>();
  FillEnumList(DataPoint()->Type().EnumDesc());
  SelectEnumValue(ValueOf(DataPoint()));
  ControlsChanged();
  return true;
}

void frmCPModif3::FillEnumList(const std::string& enumDesc) {
  Controls& ui = Ui();
  ui.cboEnum.clear();
  for (int32_t i = 0;; ++i) {
    const std::string entry = values::GetField(enumDesc, i, ";");
    if (entry.empty()) break;
    // A code beyond 16 bits ends the list, as a failing step ends the load.
    auto code = values::RoundToInt16(values::PlainParse(values::GetField(entry, 0, ",")));
    if (!code) break;
    ui.cboEnum.push_back({values::GetField(entry, 1, ","), *code});
  }
}

void frmCPModif3::SelectEnumValue(const std::string& value) {
  Controls& ui = Ui();
  if (ui.cboEnum.empty()) return;
  const EnumEntry* shown = &ui.cboEnum.front();
  for (const EnumEntry& entry : ui.cboEnum)
    if (std::to_string(entry.code) == value) shown = &entry;
  ui.cboEnumShown.text = shown->text;
}

void frmCPModif3::cboEnum_Click(size_t index) {
  Controls& ui = Ui();
  if (index >= ui.cboEnum.size()) return;
  ui.SelectedCode = ui.cboEnum[index].code;
  ui.cboEnumShown.text = ui.cboEnum[index].text;
  ControlsChanged();
}

void frmCPModif3::cmdOK_Click() {
  Controls& ui = Ui();
  if (ui.SelectedCode == -1)
    for (const EnumEntry& entry : ui.cboEnum)
      if (entry.text == ui.cboEnumShown.text) ui.SelectedCode = entry.code;
  // With nothing picked and no entry shown the code stays -1, and -1 is written.
  DataPoint()->SetValueText(std::to_string(ui.SelectedCode));
  CloseAfterOK();
}

}  // namespace ui
