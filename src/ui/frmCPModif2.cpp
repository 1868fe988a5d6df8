#include "ui/frmCPModif2.h"

#include "com/TextRules.h"
#include "platform/MessageBox.h"
#include "values/EditLimits.h"

namespace ui {

bool frmCPModif2::Load() {
  Controls& ui = MakeControls<Controls>();
  ui.txtNewCPValue.text = ValueOf(DataPoint());
  ui.txtNewCPValue.SelectAll();
  return true;
}

void frmCPModif2::txtNewCPValue_Change() {
  TextBox& box = Ui().txtNewCPValue;
  const int32_t n = DataPoint()->Type().Length();
  if (const std::string tooLong = values::TextTooLong(box.text, n); !tooLong.empty()) {
    platform::ShowMessage(tooLong, platform::kMessageExclamation, "Name too long");
    box.text = qcom::text::Left(box.text, static_cast<size_t>(n));
    box.CaretToEnd();
  }
  ControlsChanged();
}

KeyAnswer frmCPModif2::Answer(bool accepted) {
  return Answered(Ui().txtNewCPValue, accepted);
}

void frmCPModif2::Select(size_t start, size_t length) {
  Ui().txtNewCPValue.Select(start, length);
}

KeyAnswer frmCPModif2::KeyPress(char32_t key) {
  TextBox& box = Ui().txtNewCPValue;
  if (key == kKeyEscape) {
    box.text = ValueOf(DataPoint());
    box.CaretToEnd();
    txtNewCPValue_Change();
    return Answer(false);
  }
  if (key == kKeyEnter) {
    cmdOK_Click();
    return Answer(false);
  }
  if (key == kKeyBackspace) {
    // Backspace always takes the last character, wherever the caret was.
    if (!box.text.empty()) box.CaretToEnd();
    box.DeleteBack();
  } else {
    box.ReplaceSelection(key == ' ' ? "_" : CharacterText(key));
  }
  txtNewCPValue_Change();
  return Answer(true);
}

KeyAnswer frmCPModif2::KeyDown(int keyCode) {
  if (keyCode == kKeyCodeDelete) {
    Ui().txtNewCPValue.DeleteForward();
    txtNewCPValue_Change();
  }
  return Answer(true);
}

KeyAnswer frmCPModif2::Paste(std::string_view text) {
  Ui().txtNewCPValue.ReplaceSelection(text);
  txtNewCPValue_Change();
  return Answer(true);
}

void frmCPModif2::cmdOK_Click() {
  const std::string text = Ui().txtNewCPValue.text;
  for (const auto& parameter : EditedParameters()) parameter->SetValueText(text);
  CloseAfterOK();
}

}  // namespace ui
