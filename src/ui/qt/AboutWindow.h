#pragma once

#include <QDialog>

#include "ui/frmAbout.h"

// The about box: the component's icon beside its name and version, and OK.
namespace ui::widgets {

class AboutWindow : public QDialog {
 public:
  AboutWindow(const AboutBox& about, QWidget* parent);
};

}  // namespace ui::widgets
