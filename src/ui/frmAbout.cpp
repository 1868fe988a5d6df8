#include "ui/frmAbout.h"

#include "platform/Picture.h"
#include "platform/ResourceIcons.h"
#include "values/FieldText.h"
#include "values/NumberRules.h"

namespace ui {

std::string VersionText(std::string_view version) {
  auto field = [&](int32_t index) {
    const auto number =
        values::RoundToInt32(values::PlainParse(values::GetField(version, index, ".")));
    return std::to_string(number.value_or(0));
  };
  return "Version " + field(0) + "." + field(1) + "." + field(3);
}

void frmAbout::Load() {
  state_.version = VersionText(TQ_VERSION);
  state_.logo = platform::PictureBytes(platform::LoadResourcePicture("GENOBJ").get());
}

}  // namespace ui
