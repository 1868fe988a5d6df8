#pragma once

#include <functional>
#include <string>

#include "com/ComPtr.h"
#include "faces/UnitConverter.h"
#include "ui/ParameterDialog.h"

namespace ui {

// Where the numeric dialog gets its unit service; by default the host's
// "UnitManager.Converter", created through the registry.
using UnitConverterFactory = std::function<qcom::ComPtr<IUnitConverter>()>;
UnitConverterFactory SetUnitConverterFactory(UnitConverterFactory factory);

// A number whose text ends in a digit (or any character but ".", ",", "E",
// "+", "-"): one the user has finished typing.
bool IsCompleteNumber(std::string_view text);
// A long number in exponent form cut to two decimals: 1.23456789E+15 -> 1.23E+15.
std::string ShortenNumber(std::string_view text);

// The numeric edit dialog: the value in display units, typed under a key
// filter that only lets a well-formed number through, and checked against the
// type's limits before it is written.
class frmCPModif1 final : public ParameterDialog {
 public:
  static constexpr const char* kConverterProgId = "UnitManager.Converter";

  struct Controls : CommonControls {
    TextBox txtNewCPValue;
    Control lblUnits, lblMin, lblMax;
    qcom::ComPtr<IUnitConverter> Converter;
    std::string DisplayValue, MinText, MaxText;
    int16_t Decimals = 0;
  };

  void SetDataPoint(CDBAttribute* parameter) override;
  ports::DialogKind Kind() const override { return ports::DialogKind::Numeric; }
  bool Load() override;
  void cmdOK_Click() override;

  // The user's typing: a character, a key code before it (Delete), a paste,
  // and the caret or selection placed. A paste the key filter would change
  // is refused whole, with a message.
  KeyAnswer KeyPress(char32_t key) override;
  KeyAnswer KeyDown(int keyCode) override;
  KeyAnswer Paste(std::string_view text) override;
  void Select(size_t start, size_t length) override;

  // Shows the violated limit's message and puts the limit in the box.
  bool CheckRange(const std::string& text);

  const Controls& State() const { return ControlsOf<Controls>(); }

 private:
  Controls& Ui() { return ControlsOf<Controls>(); }
  std::string Ask(HRESULT (IUnitConverter::*member)(BSTR*, BSTR*), const std::string& id);
  double TextToNumber(const std::string& text);
  // Types one character (not Esc, Enter or Backspace) into the box as the key
  // filter lets it in; false when the filter drops it.
  bool Typed(TextBox& box, char32_t key) const;
  std::string PasteRefusal(const std::string& pasted) const;
  void txtNewCPValue_Change();
  KeyAnswer Answer(bool accepted);
};

}  // namespace ui
