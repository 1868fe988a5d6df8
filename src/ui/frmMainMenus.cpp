// The menus' state: the pop-ups built at run time, the Add menu, the remove
// commands, the channel menu and the mouse pointer.
#include "com/Boundary.h"
#include "com/Bstr.h"
#include "modules/CDBEBTemplates.h"
#include "platform/Picture.h"
#include "ui/frmMain.h"
#include "values/CDBAttributes.h"
#include "values/SnvtDataConversion.h"

namespace tools = ui::tools;

void frmMain::EnableChannelMenu(bool enabled) {
  if (bar_.SetEnabled(tools::kStandardBand, tools::kMenuChannel, enabled))
    BandChanged(tools::kStandardBand);
}

void frmMain::SetPointer(ui::Pointer pointer) {
  pointer_ = pointer;
  Changed({ui::ViewPart::Pointer});
}

void frmMain::EnableRemoveCommands(bool enabled) {
  qcom::Guarded([&] {
    bar_.SetEnabled(tools::kModuleBand, tools::kMenuRemove, enabled);
    bar_.SetEnabled(tools::kRemoveBand, tools::kPopUpRemoveTool, enabled);
    BandChanged(tools::kModuleBand);
    BandChanged(tools::kRemoveBand);
  });
}

void frmMain::UpdateAddMenu() {
  qcom::Guarded([&] {
    IAppObjectServices* object = EditedObject();
    const CDBEBTemplates* templates = object ? object->ModuleTemplates() : nullptr;
    bool addable = false;
    if (templates)
      for (const auto& entry : templates->Items()) addable = addable || entry.item->IsAddable();
    bar_.SetEnabled(tools::kModuleBand, tools::kMenuAdd, addable);
    if (addable) {
      BuildTemplatePopup();
      bar_.SetSubBand(tools::kModuleBand, tools::kMenuAdd, tools::kTemplatePopUp);
    }
    BandChanged(tools::kModuleBand);
  });
}

void frmMain::BuildTemplatePopup() {
  ui::Band& band = bar_.EnsureBand(tools::kTemplatePopUp, ui::BandKind::PopUp);
  band.tools.clear();
  IAppObjectServices* object = EditedObject();
  if (const CDBEBTemplates* templates = object ? object->ModuleTemplates() : nullptr)
    for (const auto& entry : templates->Items()) {
      const CDBEBModule& module = *entry.item;
      if (!module.IsAddable()) continue;
      // A template keeps the identifier it was first given, and no other tool gets it.
      const int32_t id = bar_.ToolId(module.TemplateID(), values::NextUniqueId);
      band.tools.push_back({.id = id,
                            .name = module.TemplateID(),
                            .caption = module.NameText(),
                            .picture = platform::PictureBytes(module.Icon())});
    }
  BandChanged(tools::kTemplatePopUp);
}

void frmMain::BuildDevicePopup() {
  ui::Band& band = bar_.EnsureBand(tools::kDevicePopUp, ui::BandKind::PopUp);
  band.tools.clear();
  IAppObjectServices* object = EditedObject();
  if (const CDBAttributes* parameters = object ? object->AttributeSet() : nullptr) {
    int32_t number = 0;
    for (const auto& entry : parameters->Items()) {
      const std::string& name = entry.item->NameText();
      if (!ShownParameter(name)) continue;
      const int32_t id =
          bar_.ToolId(name, [&] { return tools::kDeviceParameterBase + number + 1; });
      ++number;
      qcom::Bstr description;
      entry.item->get_Description(description.out());
      band.tools.push_back({.id = id,
                            .name = name,
                            .caption = name,
                            .description = name,
                            .tooltip = description.utf8()});
    }
  }
  BandChanged(tools::kDevicePopUp);
}

void frmMain::BuildChannelPopup(ports::ChannelKind kind, const std::string& rowKey) {
  ui::Band& band = bar_.RecreateBand(tools::kChannelPopUp, ui::BandKind::PopUp);
  const ui::ChannelList& list = List(kind);
  const ui::ListRow* row = list.Row(rowKey);
  // Parameter columns follow the row text and the module column.
  for (size_t column = 2; column < list.Columns().size(); ++column) {
    const std::string& text = list.Columns()[column].text;
    const bool filled = row && column < row->cells.size() && !row->cells[column].empty();
    band.tools.push_back({.id = tools::ColumnToolBase(kind) + static_cast<int32_t>(column) + 1,
                          .name = text,
                          .caption = text,
                          .description = text,
                          .tooltip = list.Columns()[column].description,
                          .enabled = filled});
  }
  BandChanged(tools::kChannelPopUp);
}
