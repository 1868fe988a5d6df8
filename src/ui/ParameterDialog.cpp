#include "ui/ParameterDialog.h"

#include <utility>

#include "com/Bstr.h"

namespace ui {

namespace {
DialogViewFactory& Views() {
  static DialogViewFactory factory;
  return factory;
}
}  // namespace

DialogViewFactory SetDialogViewFactory(DialogViewFactory factory) {
  return std::exchange(Views(), std::move(factory));
}

std::string ParameterDialog::ValueOf(CDBAttribute* parameter) {
  qcom::Bstr value;
  parameter->get_Value(value.out());
  return value.utf8();
}

void ParameterDialog::SetDataPoint(CDBAttribute* parameter) {
  if (!parameter) return;
  dataPoint_ = qcom::ComPtr<CDBAttribute>(parameter);
  edited_.push_back(dataPoint_);
  capturedValue_ = ValueOf(parameter);
}

void ParameterDialog::ShowModal() {
  if (dataPoint_ && Load() && Views()) {
    std::unique_ptr<DialogView> view = Views()(*this);
    if (view) {
      view_ = view.get();
      view->ShowModal();
      view_ = nullptr;
    }
  }
  Unload();
}

void ParameterDialog::Unload() {
  if (calledFramModif4_ && dataPoint_) dataPoint_->SetValueText(capturedValue_);
  dataPoint_ = nullptr;
  edited_.clear();
  calledFramModif4_ = false;
  controls_.reset();
}

const std::string& ParameterDialog::Caption() const {
  static const std::string caption = kCaption;
  return caption;
}

const Control& ParameterDialog::cmdCancel() const {
  static const Control cancel{"&Cancel"};
  return cancel;
}

void ParameterDialog::CloseAfterOK() {
  calledFramModif4_ = false;
  Close();
}

void ParameterDialog::Close() {
  if (view_) view_->Close();
}

void ParameterDialog::ControlsChanged() {
  if (view_) view_->ControlsChanged();
}

}  // namespace ui
