#pragma once

#include "com/ComObject.h"
#include "faces/AppObject.h"

namespace testing_support {

// An application object on which every member fails with E_NOTIMPL: a fake
// derives from it and overrides only what its tests look at. Extra interfaces
// (internal ones the component asks its application object for) are listed as
// template arguments and implemented by the derived class.
template <class... Extra>
class AppObjectStub : public qcom::ComObject<IAppObject, Extra...> {
 public:
  HRESULT get_IsPlugInActive(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT put_Path(BSTR) override { return E_NOTIMPL; }
  HRESULT get_Path(BSTR*) override { return E_NOTIMPL; }
  HRESULT get_ExecTime(LONG*) override { return E_NOTIMPL; }
  HRESULT get_MaxInstances(LONG*) override { return E_NOTIMPL; }
  HRESULT get_CDBDimension(LONG*) override { return E_NOTIMPL; }
  HRESULT get_Color(LONG*) override { return E_NOTIMPL; }
  HRESULT put_Color(LONG) override { return E_NOTIMPL; }
  HRESULT SetColor(BSTR) override { return E_NOTIMPL; }
  HRESULT get_Width(LONG*) override { return E_NOTIMPL; }
  HRESULT get_InputWidth(LONG*) override { return E_NOTIMPL; }
  HRESULT get_DDBDimension(LONG*) override { return E_NOTIMPL; }
  HRESULT get_SDBDimension(LONG*) override { return E_NOTIMPL; }
  HRESULT ClearReferences() override { return E_NOTIMPL; }
  HRESULT ViewDatasheet(VARIANT) override { return E_NOTIMPL; }
  HRESULT get_DatasheetAvailable(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT get_PlugInAvailable(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT get_UserName(BSTR*) override { return E_NOTIMPL; }
  HRESULT get_UniqueIDString(BSTR*) override { return E_NOTIMPL; }
  HRESULT put_OwnerDeviceXML(IXMLDOMDocument*) override { return E_NOTIMPL; }
  HRESULT get_OwnerDeviceXML(IXMLDOMDocument**) override { return E_NOTIMPL; }
  HRESULT put_UserName(BSTR) override { return E_NOTIMPL; }
  HRESULT get_Name(BSTR*) override { return E_NOTIMPL; }
  HRESULT get_NodeType(LONG*) override { return E_NOTIMPL; }
  HRESULT get_Tag(BSTR*) override { return E_NOTIMPL; }
  HRESULT put_Tag(BSTR) override { return E_NOTIMPL; }
  HRESULT get_GlobalKey(BSTR*) override { return E_NOTIMPL; }
  HRESULT put_GlobalKey(BSTR) override { return E_NOTIMPL; }
  HRESULT get_Key(BSTR*) override { return E_NOTIMPL; }
  HRESULT put_Key(BSTR) override { return E_NOTIMPL; }
  HRESULT get_ID(BSTR*) override { return E_NOTIMPL; }
  HRESULT get_UniqueID(BSTR*) override { return E_NOTIMPL; }
  HRESULT put_UniqueID(BSTR) override { return E_NOTIMPL; }
  HRESULT get_Description(BSTR*) override { return E_NOTIMPL; }
  HRESULT get_Icon(IPicture**) override { return E_NOTIMPL; }
  HRESULT get_Category(BSTR*) override { return E_NOTIMPL; }
  HRESULT Create() override { return E_NOTIMPL; }
  HRESULT Show(IUnknown*) override { return E_NOTIMPL; }
  HRESULT ObjectDebug() override { return E_NOTIMPL; }
  HRESULT Save(VARIANT) override { return E_NOTIMPL; }
  HRESULT Load(VARIANT) override { return E_NOTIMPL; }
  HRESULT get_Stream(BSTR*) override { return E_NOTIMPL; }
  HRESULT get_IntelStream(BSTR*) override { return E_NOTIMPL; }
  HRESULT put_Stream(BSTR) override { return E_NOTIMPL; }
  HRESULT get_Inputs(IInputs**) override { return E_NOTIMPL; }
  HRESULT get_Outputs(IOutputs**) override { return E_NOTIMPL; }
  HRESULT get_Attributes(IAttributes**) override { return E_NOTIMPL; }
  HRESULT get_Language(LONG*) override { return E_NOTIMPL; }
  HRESULT put_Language(LONG) override { return E_NOTIMPL; }
  HRESULT Destroy() override { return E_NOTIMPL; }
  HRESULT get_ProgrammaticId(BSTR*) override { return E_NOTIMPL; }
  HRESULT XmlSNVTDoc(IXMLDOMDocument*) override { return E_NOTIMPL; }
  HRESULT XmlSave(IXMLDOMNode*, IXMLDOMDocument*) override { return E_NOTIMPL; }
  HRESULT XMLSaveSim(IXMLDOMNode*, IXMLDOMDocument*) override { return E_NOTIMPL; }
  HRESULT XMLSaveForInteroperability(IXMLDOMNode*, IXMLDOMDocument*) override { return E_NOTIMPL; }
  HRESULT XmlLoad(IXMLDOMNode*) override { return E_NOTIMPL; }
  HRESULT CallBack(IcbkAppObject*) override { return E_NOTIMPL; }
  HRESULT get_Parent(IDispatch**) override { return E_NOTIMPL; }
  HRESULT put_Parent(IDispatch*) override { return E_NOTIMPL; }
  HRESULT get_XPosition(double*) override { return E_NOTIMPL; }
  HRESULT put_XPosition(double) override { return E_NOTIMPL; }
  HRESULT get_YPosition(double*) override { return E_NOTIMPL; }
  HRESULT put_YPosition(double) override { return E_NOTIMPL; }
  HRESULT put_ManageShortFloat(VARIANT_BOOL) override { return E_NOTIMPL; }
  HRESULT Init(BSTR, VARIANT*, VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT get_ExportIndex(SHORT*) override { return E_NOTIMPL; }
  HRESULT put_ExportIndex(SHORT) override { return E_NOTIMPL; }
  HRESULT get_NumObjects(LONG*) override { return E_NOTIMPL; }
  HRESULT get_ExtendedKey(BSTR*) override { return E_NOTIMPL; }
  HRESULT put_ExtendedKey(BSTR) override { return E_NOTIMPL; }
  HRESULT get_IsDeviceDependent(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT get_UsesDeviceClock(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT get_IsHidden(VARIANT_BOOL*) override { return E_NOTIMPL; }
  HRESULT get_IsVirtual(VARIANT_BOOL*) override { return E_NOTIMPL; }

 protected:
  ~AppObjectStub() override = default;
};

}  // namespace testing_support
