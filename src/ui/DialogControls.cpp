#include "ui/DialogControls.h"

#include "com/TextRules.h"
#include "com/Utf.h"

namespace ui {

size_t TextBox::Length() const {
  return qcom::text::Length(text);
}

void TextBox::SelectAll() {
  selStart = 0;
  selLength = Length();
}

void TextBox::CaretToEnd() {
  selStart = Length();
  selLength = 0;
}

void TextBox::ReplaceSelection(std::string_view with) {
  const size_t length = Length();
  if (selStart > length) selStart = length;
  if (selLength > length - selStart) selLength = length - selStart;
  text = qcom::text::Left(text, selStart) + std::string(with) +
         qcom::text::Mid(text, selStart + selLength);
  selStart += qcom::text::Length(with);
  selLength = 0;
}

void TextBox::DeleteBack() {
  if (selLength == 0 && selStart > 0 && selStart <= Length()) {
    --selStart;
    selLength = 1;
  }
  ReplaceSelection("");
}

void TextBox::DeleteForward() {
  if (selLength == 0 && selStart < Length()) selLength = 1;
  ReplaceSelection("");
}

std::string CharacterText(char32_t key) {
  std::u16string wide;
  if (key >= 0x10000) {
    key -= 0x10000;
    wide = {static_cast<char16_t>(0xD800 + (key >> 10)),
            static_cast<char16_t>(0xDC00 + (key & 0x3FF))};
  } else {
    wide = {static_cast<char16_t>(key)};
  }
  return qcom::ToUtf8(wide);
}

}  // namespace ui
