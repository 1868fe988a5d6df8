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
  if (!attached_) attached_ = std::make_unique<Attachment>();
  attached_->dataPoint = qcom::ComPtr<CDBAttribute>(parameter);
  attached_->edited.push_back(attached_->dataPoint);
  attached_->capturedValue = ValueOf(parameter);
}

void ParameterDialog::ShowModal() {
  if (DataPoint() && Load() && Views()) {
    std::unique_ptr<DialogView> view = Views()(*this);
    if (view) {
      attached_->view = view.get();
      view->ShowModal();
      if (attached_) attached_->view = nullptr;
    }
  }
  Unload();
}

void ParameterDialog::Unload() {
  if (calledFramModif4_ && DataPoint()) DataPoint()->SetValueText(attached_->capturedValue);
  attached_.reset();
  calledFramModif4_ = false;
  controls_.reset();
}

const std::vector<qcom::ComPtr<CDBAttribute>>& ParameterDialog::EditedParameters() const {
  static const std::vector<qcom::ComPtr<CDBAttribute>> none;
  return attached_ ? attached_->edited : none;
}

const std::string& ParameterDialog::CapturedValue() const {
  static const std::string none;
  return attached_ ? attached_->capturedValue : none;
}

void ParameterDialog::cmdCancel_Click() {
  Close();
}

KeyAnswer ParameterDialog::KeyPress(char32_t) {
  return {};
}

KeyAnswer ParameterDialog::KeyDown(int) {
  return {};
}

KeyAnswer ParameterDialog::Paste(std::string_view) {
  return {};
}

void ParameterDialog::Select(size_t, size_t) {}

void ParameterDialog::cboEnum_Click(size_t) {}

void ParameterDialog::bit_DblClick(int) {}

void ParameterDialog::CloseAfterOK() {
  calledFramModif4_ = false;
  Close();
}

void ParameterDialog::Close() {
  if (attached_ && attached_->view) attached_->view->Close();
}

void ParameterDialog::ControlsChanged() {
  if (attached_ && attached_->view) attached_->view->ControlsChanged();
}

}  // namespace ui
