#include "ui/frmCPModif1.h"

#include <utility>

#include "com/Creation.h"
#include "com/ErrorRecord.h"
#include "com/TextRules.h"
#include "com/Utf.h"
#include "platform/MessageBox.h"
#include "values/DecimalSeparators.h"
#include "values/EditLimits.h"
#include "values/MMain.h"

namespace ui {

namespace {

UnitConverterFactory& Converters() {
  static UnitConverterFactory factory = []() -> qcom::ComPtr<IUnitConverter> {
    qcom::ComPtr<IUnitConverter> converter;
    qcom::CreateByProgId(frmCPModif1::kConverterProgId, IUnitConverter::iid, converter.put_void());
    return converter;
  };
  return factory;
}

bool IsDigit(char32_t key) {
  return key >= '0' && key <= '9';
}

}  // namespace

UnitConverterFactory SetUnitConverterFactory(UnitConverterFactory factory) {
  return std::exchange(Converters(), std::move(factory));
}

bool IsCompleteNumber(std::string_view text) {
  std::string trimmed = qcom::text::Trim(text);
  if (trimmed.empty()) return false;
  const char last = trimmed.back() == ',' ? '.' : trimmed.back();
  return last != '.' && last != 'E' && last != '+' && last != '-';
}

std::string ShortenNumber(std::string_view text) {
  const size_t e = text.find('E');
  if (qcom::text::Length(text) < 10 || e == std::string_view::npos) return std::string(text);
  const size_t separator = text.find(values::Shared().localeDecimalSeparator);
  if (separator == std::string_view::npos) return std::string(text.substr(e));
  // Two digits behind the separator, counted even when the mantissa has fewer.
  return std::string(text.substr(0, separator + 3)) + std::string(text.substr(e));
}

std::string frmCPModif1::Ask(HRESULT (IUnitConverter::*member)(BSTR*, BSTR*),
                             const std::string& id) {
  qcom::Bstr snvtId(id), answer;
  (Ui().Converter.get()->*member)(snvtId.inout(), answer.out());
  return answer.utf8();
}

double frmCPModif1::TextToNumber(const std::string& text) {
  qcom::Bstr argument(text);
  double number = 0;
  Ui().Converter->TextToNumber(argument.inout(), &number);
  return number;
}

void frmCPModif1::SetDataPoint(CDBAttribute* parameter) {
  ParameterDialog::SetDataPoint(parameter);
  values::InitDecimalSeparators();  // the key filter and the limits use the user's separator
}

bool frmCPModif1::Load() {
  Controls& ui = MakeControls<Controls>();
  const std::string id = DataPoint()->Type().Id();
  ui.Converter = Converters() ? Converters()() : nullptr;
  if (!ui.Converter) {
    auto record = qcom::TakeErrorRecord();
    platform::ShowMessage(std::string("The unit service ") + kConverterProgId +
                              " is not available" + (record ? ": " + record->description : ""),
                          platform::kMessageExclamation, "Warning");
    return false;
  }
  ui.Converter->put_Catalogue(values::Shared().snvtDocument.get());

  qcom::Bstr snvtId(id), stored(ValueOf(DataPoint())), display;
  ui.Converter->ToDisplay(snvtId.inout(), stored.inout(), display.out());
  ui.DisplayValue = display.utf8();
  ui.Converter->DecimalCount(snvtId.inout(), &ui.Decimals);
  ui.MinText = Ask(&IUnitConverter::DisplayMin, id);
  ui.MaxText = Ask(&IUnitConverter::DisplayMax, id);
  const std::string unit = qcom::text::Trim(Ask(&IUnitConverter::UnitName, id));
  ui.lblUnits.text = unit.empty() ? "" : "[" + unit + "]";
  ui.lblMin.text = ui.MinText.empty() ? "---" : ShortenNumber(ui.MinText);
  ui.lblMax.text = ui.MaxText.empty() ? "---" : ShortenNumber(ui.MaxText);
  Ask(&IUnitConverter::InvalidValueText, id);

  ui.txtNewCPValue.text = ui.DisplayValue;
  ui.txtNewCPValue.SelectAll();
  txtNewCPValue_Change();
  return true;
}

void frmCPModif1::txtNewCPValue_Change() {
  Ui().cmdOK.enabled = IsCompleteNumber(Ui().txtNewCPValue.text);
  ControlsChanged();
}

KeyAnswer frmCPModif1::Answer(bool accepted) {
  return Answered(Ui().txtNewCPValue, accepted);
}

void frmCPModif1::Select(size_t start, size_t length) {
  Ui().txtNewCPValue.Select(start, length);
}

KeyAnswer frmCPModif1::KeyDown(int keyCode) {
  TextBox& box = Ui().txtNewCPValue;
  if (keyCode != kKeyCodeDelete) return Answer(true);
  if (!box.WholeSelected()) return Answer(false);
  box.DeleteForward();
  txtNewCPValue_Change();
  return Answer(true);
}

bool frmCPModif1::Typed(TextBox& box, char32_t key) const {
  const std::string& separator = values::Shared().localeDecimalSeparator;
  const bool isSeparator = CharacterText(key) == separator;
  const int16_t decimals = State().Decimals;
  std::string typed = CharacterText(key);
  bool accepted = false;
  if (box.WholeSelected()) {
    accepted = (IsDigit(key) || key == '-' || key == '+') || (isSeparator && decimals > 0);
  } else if (box.CaretAtEnd()) {
    const std::string& text = box.text;
    const size_t at = text.find(separator);
    const bool hasSeparator = at != std::string::npos;
    const bool hasE = qcom::text::Upper(text).find('E') != std::string::npos;
    if (key == 'E' || key == 'e') {
      accepted = !hasE && !text.empty() && IsDigit(static_cast<unsigned char>(text.back()));
      typed = "E";
    } else if (IsDigit(key)) {
      accepted = !(hasSeparator && !hasE &&
                   text.size() - at - separator.size() >= static_cast<size_t>(decimals));
    } else if (isSeparator) {
      accepted = !hasSeparator && decimals >= 1;
    } else if (key == '+' || key == '-') {
      accepted = text.empty() || (hasE && text.back() == 'E');
    }
  }
  if (accepted) box.ReplaceSelection(typed);
  return accepted;
}

KeyAnswer frmCPModif1::KeyPress(char32_t key) {
  Controls& ui = Ui();
  TextBox& box = ui.txtNewCPValue;
  if (key == kKeyEscape) {
    box.text = ui.DisplayValue;
    box.CaretToEnd();
    txtNewCPValue_Change();
    return Answer(false);
  }
  // Enter and Backspace work with the caret at the end only; over a whole
  // selection they are dropped like any other key the filter refuses.
  const bool atEnd = !box.WholeSelected() && box.CaretAtEnd();
  if (key == kKeyEnter) {
    if (atEnd && ui.cmdOK.enabled) cmdOK_Click();
    return Answer(false);
  }
  if (key == kKeyBackspace) {
    if (!atEnd) return Answer(false);
    box.DeleteBack();
    txtNewCPValue_Change();
    return Answer(true);
  }
  if (!Typed(box, key)) return Answer(false);
  txtNewCPValue_Change();
  return Answer(true);
}

KeyAnswer frmCPModif1::Paste(std::string_view text) {
  // A paste goes in only as the keys would have typed it, character for
  // character: one the filter would change (a separator it drops, digits
  // beyond the decimals) is refused whole rather than changed unseen.
  // Blanks and line breaks around a copied number are not part of it.
  const size_t first = text.find_first_not_of(" \t\r\n");
  const std::string pasted(first == std::string_view::npos
                               ? std::string_view()
                               : text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
  TextBox trial = Ui().txtNewCPValue;
  bool whole = !pasted.empty();
  for (char16_t unit : qcom::ToUtf16(pasted)) whole = whole && Typed(trial, unit);
  if (!whole) {
    platform::ShowMessage(PasteRefusal(pasted), platform::kMessageExclamation, "Warning");
    return Answer(false);
  }
  Ui().txtNewCPValue = trial;
  txtNewCPValue_Change();
  return Answer(true);
}

std::string frmCPModif1::PasteRefusal(const std::string& pasted) const {
  const int16_t decimals = State().Decimals;
  return "The text \"" + pasted + "\" cannot be pasted here: the value is a number written " +
         (decimals > 0 ? "with \"" + values::Shared().localeDecimalSeparator + "\" and at most " +
                             std::to_string(decimals) + (decimals == 1 ? " decimal" : " decimals")
                       : std::string("without decimals")) +
         ", typed at the end of the text or over all of it";
}

bool frmCPModif1::CheckRange(const std::string& text) {
  Controls& ui = Ui();
  auto breach = values::BreachedLimit(text, ui.MinText, ui.MaxText,
                                      [&](const std::string& t) { return TextToNumber(t); });
  if (!breach) return true;
  platform::ShowMessage(breach->message, platform::kMessageExclamation, "Warning");
  ui.txtNewCPValue.focused = true;
  ui.txtNewCPValue.text = breach->limit;
  ui.txtNewCPValue.SelectAll();
  txtNewCPValue_Change();
  return false;
}

void frmCPModif1::cmdOK_Click() {
  const std::string text = Ui().txtNewCPValue.text;
  for (const auto& parameter : EditedParameters()) {
    if (!CheckRange(text)) return;
    qcom::Bstr snvtId(parameter->Type().Id()), display(text), stored;
    Ui().Converter->ToStored(snvtId.inout(), display.inout(), stored.out());
    parameter->SetValueText(stored.utf8());
  }
  CloseAfterOK();
}

}  // namespace ui
