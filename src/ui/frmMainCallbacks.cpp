// The window as a callback sink of its object. The window follows the model
// through its own operations, so every notification is acknowledged and
// otherwise ignored.
#include "ui/frmMain.h"

HRESULT frmMain::Created() {
  return S_OK;
}
HRESULT frmMain::CDBChanged(LONG, LONG, LONG) {
  return S_OK;
}
HRESULT frmMain::Destroied() {
  return S_OK;
}
HRESULT frmMain::AttributeChanged(BSTR) {
  return S_OK;
}
HRESULT frmMain::AppObjectUserNameChanged(BSTR) {
  return S_OK;
}
HRESULT frmMain::NVNameChanged(BSTR, BSTR) {
  return S_OK;
}
HRESULT frmMain::CPNameChanged(BSTR, BSTR) {
  return S_OK;
}
HRESULT frmMain::NVTypeChanged(BSTR, BSTR) {
  return S_OK;
}
HRESULT frmMain::CPTypeChanged(BSTR, BSTR) {
  return S_OK;
}
HRESULT frmMain::RefInTypeChanged(BSTR) {
  return S_OK;
}
HRESULT frmMain::RefInAdded(BSTR) {
  return S_OK;
}
HRESULT frmMain::RefInRemoved(BSTR) {
  return S_OK;
}
HRESULT frmMain::RefOutAdded(BSTR) {
  return S_OK;
}
HRESULT frmMain::RefOutRemoved(BSTR) {
  return S_OK;
}
HRESULT frmMain::RefOutTypeChanged(BSTR) {
  return S_OK;
}
HRESULT frmMain::ConnectionDeleted(BSTR) {
  return S_OK;
}
HRESULT frmMain::ConnectionToBeDeleted(BSTR) {
  return S_OK;
}
HRESULT frmMain::RefOutAddedBefore(BSTR, BSTR) {
  return S_OK;
}
HRESULT frmMain::RefreshObj() {
  return S_OK;
}
HRESULT frmMain::NumObjectsChanged(LONG) {
  return S_OK;
}
HRESULT frmMain::AvailableDimsChanged() {
  return S_OK;
}
HRESULT frmMain::RemoveGatewayObject(BSTR) {
  return S_OK;
}
HRESULT frmMain::LoadGatewayDevices() {
  return S_OK;
}
HRESULT frmMain::Gateways(IDispatch** result) {
  if (result) *result = nullptr;
  return S_OK;
}
HRESULT frmMain::Ioms(IDispatch** result) {
  if (result) *result = nullptr;
  return S_OK;
}
HRESULT frmMain::RemoveIomInternalObject(BSTR) {
  return S_OK;
}
HRESULT frmMain::LoadIoms() {
  return S_OK;
}
