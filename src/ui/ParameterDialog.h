#pragma once

#include <memory>
#include <string>
#include <vector>

#include "com/ComPtr.h"
#include "ports/EditDialog.h"
#include "ui/DialogControls.h"
#include "values/CDBAttribute.h"

// What the four parameter edit dialogs share: the parameters they are attached
// to, the value captured on attach, the caption and buttons, and the modal
// round of load, user, close and unload. A dialog lives as long as its
// parameter, so everything a shown dialog needs beyond these fields is made at
// load and dropped at unload.
namespace ui {

// Installs the windows dialogs open in; without one (no display) a dialog
// loads and unloads again at once without writing, as if cancelled.
DialogViewFactory SetDialogViewFactory(DialogViewFactory factory);

// The controls every dialog has; each dialog adds its own.
struct CommonControls {
  virtual ~CommonControls() = default;
  Control lblName;
  Control cmdOK{"&OK"};
};

// The user's actions a window forwards are virtual: the widget library is
// loaded at run time and reaches a dialog through the object alone, never by
// linking the dialogs' code.
class ParameterDialog : public ports::EditDialog {
 public:
  static constexpr const char* kCaption = "Edit value";

  virtual ports::DialogKind Kind() const = 0;

  // Appends the parameter to EditedParameters and makes it DataPoint; keeps
  // its Value as CapturedValue.
  void SetDataPoint(CDBAttribute* parameter) override;
  void SetCalledFramModif4(bool called) { calledFramModif4_ = called; }
  // Load, show modally through the installed window, unload.
  void ShowModal() override;

  // Reads DataPoint into the controls; false when the dialog cannot be shown.
  virtual bool Load() = 0;
  virtual void cmdOK_Click() = 0;
  virtual void cmdCancel_Click();
  // Typing into the dialog's text box: a character, a key code before it
  // (Delete), a paste, and the caret or selection placed. Dialogs without a
  // text box ignore them.
  virtual KeyAnswer KeyPress(char32_t key);
  virtual KeyAnswer KeyDown(int keyCode);
  virtual KeyAnswer Paste(std::string_view text);
  virtual void Select(size_t start, size_t length);
  // A click on an entry of the enumeration list; a double-click on a bit.
  virtual void cboEnum_Click(size_t index);
  virtual void bit_DblClick(int index);
  // Writes CapturedValue back when CalledFramModif4 is set, then lets go of
  // the parameters.
  void Unload();

  CDBAttribute* DataPoint() const { return attached_ ? attached_->dataPoint.get() : nullptr; }
  const std::vector<qcom::ComPtr<CDBAttribute>>& EditedParameters() const;
  const std::string& CapturedValue() const;
  bool CalledFramModif4() const { return calledFramModif4_; }

  const char* Caption() const { return kCaption; }
  // The controls, while the dialog is loaded.
  bool Loaded() const { return controls_ != nullptr; }
  const Control& lblName() const { return controls_->lblName; }
  const Control& cmdOK() const { return controls_->cmdOK; }
  const Control& cmdCancel() const { return cmdCancel_; }

 protected:
  // A parameter's Value as the parameter reports it.
  static std::string ValueOf(CDBAttribute* parameter);
  // Ends OK: the flag is cleared and the window closed.
  void CloseAfterOK();
  void Close();
  void ControlsChanged();
  // What a key did in a dialog whose one text box is box, once the window knows.
  KeyAnswer Answered(const TextBox& box, bool accepted) {
    ControlsChanged();
    return {accepted, box.text};
  }
  // Makes the dialog's controls, with lblName showing DataPoint's Name.
  template <class Controls>
  Controls& MakeControls() {
    auto made = std::make_unique<Controls>();
    Controls& controls = *made;
    controls.lblName.text = DataPoint()->NameText();
    controls_ = std::move(made);
    return controls;
  }
  template <class Controls>
  Controls& ControlsOf() const {
    return static_cast<Controls&>(*controls_);
  }

 private:
  // What an attached dialog holds; a parameter's dialog is idle almost all its
  // life, so an idle one holds nothing but two pointers and the flag.
  struct Attachment {
    qcom::ComPtr<CDBAttribute> dataPoint;
    std::vector<qcom::ComPtr<CDBAttribute>> edited;
    std::string capturedValue;
    DialogView* view = nullptr;
  };
  std::unique_ptr<Attachment> attached_;
  bool calledFramModif4_ = false;
  std::unique_ptr<CommonControls> controls_;
  Control cmdCancel_{"&Cancel"};
};

}  // namespace ui
