#include "host/session/SaveForm.h"

#include "com/TextRules.h"

namespace host {

std::optional<SaveForm> ParseSaveForm(const std::string& word) {
  for (SaveForm form : {SaveForm::kNormal, SaveForm::kSim, SaveForm::kInterop})
    if (qcom::text::EqualsNoCase(word, SaveFormName(form))) return form;
  return std::nullopt;
}

const char* SaveFormName(SaveForm form) {
  switch (form) {
    case SaveForm::kSim:
      return "sim";
    case SaveForm::kInterop:
      return "interop";
    case SaveForm::kNormal:
      break;
  }
  return "normal";
}

}  // namespace host
