#pragma once

#include "com/Bstr.h"
#include "com/Variant.h"
#include "faces/Attribute.h"
#include "faces/Callback.h"
#include "faces/Points.h"

struct IXMLDOMNode;
struct IXMLDOMDocument;
struct IPicture;

// The application object as the host drives it. The slot order is the host's
// and must not change: a host calls members by position.
struct IAppObject : IDispatch {
  QCOM_IDENTITY(IDispatch, "D35B121D-BFE2-4EC4-A615-D549C5E1E9A1");
  virtual HRESULT get_IsPlugInActive(VARIANT_BOOL* active) = 0;
  virtual HRESULT put_Path(BSTR filename) = 0;
  virtual HRESULT get_Path(BSTR* path) = 0;
  virtual HRESULT get_ExecTime(LONG* time) = 0;
  virtual HRESULT get_MaxInstances(LONG* count) = 0;
  virtual HRESULT get_CDBDimension(LONG* bytes) = 0;
  virtual HRESULT get_Color(LONG* color) = 0;
  virtual HRESULT put_Color(LONG color) = 0;
  virtual HRESULT SetColor(BSTR name) = 0;
  virtual HRESULT get_Width(LONG* width) = 0;
  virtual HRESULT get_InputWidth(LONG* width) = 0;
  virtual HRESULT get_DDBDimension(LONG* bytes) = 0;
  virtual HRESULT get_SDBDimension(LONG* bytes) = 0;
  virtual HRESULT ClearReferences() = 0;
  virtual HRESULT ViewDatasheet(VARIANT windowHandle) = 0;
  virtual HRESULT get_DatasheetAvailable(VARIANT_BOOL* available) = 0;
  virtual HRESULT get_PlugInAvailable(VARIANT_BOOL* available) = 0;
  virtual HRESULT get_UserName(BSTR* name) = 0;
  virtual HRESULT get_UniqueIDString(BSTR* name) = 0;
  virtual HRESULT put_OwnerDeviceXML(IXMLDOMDocument* document) = 0;
  virtual HRESULT get_OwnerDeviceXML(IXMLDOMDocument** document) = 0;
  virtual HRESULT put_UserName(BSTR name) = 0;
  virtual HRESULT get_Name(BSTR* name) = 0;
  virtual HRESULT get_NodeType(LONG* type) = 0;
  virtual HRESULT get_Tag(BSTR* tag) = 0;
  virtual HRESULT put_Tag(BSTR tag) = 0;
  virtual HRESULT get_GlobalKey(BSTR* key) = 0;
  virtual HRESULT put_GlobalKey(BSTR key) = 0;
  virtual HRESULT get_Key(BSTR* key) = 0;
  virtual HRESULT put_Key(BSTR key) = 0;
  virtual HRESULT get_ID(BSTR* id) = 0;
  virtual HRESULT get_UniqueID(BSTR* id) = 0;
  virtual HRESULT put_UniqueID(BSTR id) = 0;
  virtual HRESULT get_Description(BSTR* text) = 0;
  virtual HRESULT get_Icon(IPicture** picture) = 0;
  virtual HRESULT get_Category(BSTR* category) = 0;
  virtual HRESULT Create() = 0;
  virtual HRESULT Show(IUnknown* ownerWindow) = 0;
  virtual HRESULT ObjectDebug() = 0;
  virtual HRESULT Save(VARIANT target) = 0;
  virtual HRESULT Load(VARIANT source) = 0;
  virtual HRESULT get_Stream(BSTR* stream) = 0;
  virtual HRESULT get_IntelStream(BSTR* stream) = 0;
  virtual HRESULT put_Stream(BSTR stream) = 0;
  virtual HRESULT get_Inputs(IInputs** inputs) = 0;
  virtual HRESULT get_Outputs(IOutputs** outputs) = 0;
  virtual HRESULT get_Attributes(IAttributes** attributes) = 0;
  virtual HRESULT get_Language(LONG* language) = 0;
  virtual HRESULT put_Language(LONG language) = 0;
  virtual HRESULT Destroy() = 0;
  virtual HRESULT get_ProgrammaticId(BSTR* progId) = 0;
  virtual HRESULT XmlSNVTDoc(IXMLDOMDocument* catalogue) = 0;
  virtual HRESULT XmlSave(IXMLDOMNode* parentNode, IXMLDOMDocument* document) = 0;
  virtual HRESULT XMLSaveSim(IXMLDOMNode* parentNode, IXMLDOMDocument* document) = 0;
  virtual HRESULT XMLSaveForInteroperability(IXMLDOMNode* parentNode,
                                             IXMLDOMDocument* document) = 0;
  virtual HRESULT XmlLoad(IXMLDOMNode* objectElement) = 0;
  virtual HRESULT CallBack(IcbkAppObject* sink) = 0;
  virtual HRESULT get_Parent(IDispatch** parent) = 0;
  virtual HRESULT put_Parent(IDispatch* parent) = 0;
  virtual HRESULT get_XPosition(double* x) = 0;
  virtual HRESULT put_XPosition(double x) = 0;
  virtual HRESULT get_YPosition(double* y) = 0;
  virtual HRESULT put_YPosition(double y) = 0;
  virtual HRESULT put_ManageShortFloat(VARIANT_BOOL manage) = 0;
  // errorCode is the host's and is left untouched.
  virtual HRESULT Init(BSTR uniqueIdString, VARIANT* errorCode, VARIANT_BOOL* ok) = 0;
  virtual HRESULT get_ExportIndex(SHORT* index) = 0;
  virtual HRESULT put_ExportIndex(SHORT index) = 0;
  virtual HRESULT get_NumObjects(LONG* count) = 0;
  virtual HRESULT get_ExtendedKey(BSTR* key) = 0;
  virtual HRESULT put_ExtendedKey(BSTR key) = 0;
  virtual HRESULT get_IsDeviceDependent(VARIANT_BOOL* is) = 0;
  virtual HRESULT get_UsesDeviceClock(VARIANT_BOOL* uses) = 0;
  virtual HRESULT get_IsHidden(VARIANT_BOOL* hidden) = 0;
  virtual HRESULT get_IsVirtual(VARIANT_BOOL* isVirtual) = 0;

 protected:
  ~IAppObject() = default;
};

// Objects that can fill a documentation report of themselves.
struct IReportSource : IDispatch {
  QCOM_IDENTITY(IDispatch, "E4AF5F95-B82C-4390-8C02-B6D98D495DC1");
  // Returns the filled document, or null when its template could not be opened.
  virtual HRESULT GetDoc(IDispatch* wordApp, IDispatch* localizer, IDispatch** document) = 0;

 protected:
  ~IReportSource() = default;
};
