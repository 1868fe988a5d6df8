#include "host/SaveForm.h"

namespace host {

std::optional<SaveForm> ParseSaveForm(const std::string& word) {
  if (word == "normal") return SaveForm::kNormal;
  if (word == "sim") return SaveForm::kSim;
  if (word == "interop") return SaveForm::kInterop;
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
