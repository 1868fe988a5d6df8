#pragma once

#include "com/Bstr.h"
#include "com/Members.h"
#include "com/Variant.h"
#include "faces/Attribute.h"
#include "faces/Callback.h"
#include "faces/Points.h"
#include "platform/Picture.h"
#include "xml/DomInterfaces.h"

namespace qcom {

// The application object as the host drives it. The slot order is the host's
// and must not change: a host calls members by position.
//
// Who holds what:
// - Every object pointer a member hands out carries a reference the caller
//   releases. Inputs, Outputs and Attributes are the object's own, live
//   collections, not copies: they change as modules are placed and removed.
//   Destroy lets go of them; a collection the host still holds stays usable
//   but belongs to no object any more.
// - A sink registered with CallBack (here, on a collection, on an input,
//   output or parameter) is held with a reference until Destroy, or until
//   what it was registered with goes: a host may hand over a sink it keeps no
//   reference to. Only a sink that answers IOwnedSink (faces/CallbackList.h,
//   the component's own editor window) is held without one.
// - Parts never keep their owner alive: a collection, point or parameter
//   refers to its object without a reference, so an object the host releases
//   without calling Destroy is still freed.
#define QORDB_IAPPOBJECT(GET, PUT, CALL, FUNC)                                         \
  GET(IsPlugInActive, VARIANT_BOOL* active)                                            \
  PUT(Path, BSTR filename)                                                             \
  GET(Path, BSTR* path)                                                                \
  GET(ExecTime, LONG* time)                                                            \
  GET(MaxInstances, LONG* count)                                                       \
  GET(CDBDimension, LONG* bytes)                                                       \
  GET(Color, LONG* color)                                                              \
  PUT(Color, LONG color)                                                               \
  CALL(SetColor, BSTR name)                                                            \
  GET(Width, LONG* width)                                                              \
  GET(InputWidth, LONG* width)                                                         \
  GET(DDBDimension, LONG* bytes)                                                       \
  GET(SDBDimension, LONG* bytes)                                                       \
  CALL(ClearReferences)                                                                \
  CALL(ViewDatasheet, VARIANT windowHandle)                                            \
  GET(DatasheetAvailable, VARIANT_BOOL* available)                                     \
  GET(PlugInAvailable, VARIANT_BOOL* available)                                        \
  GET(UserName, BSTR* name)                                                            \
  GET(UniqueIDString, BSTR* name)                                                      \
  PUT(OwnerDeviceXML, IXMLDOMDocument* document)                                       \
  GET(OwnerDeviceXML, IXMLDOMDocument** document)                                      \
  PUT(UserName, BSTR name)                                                             \
  GET(Name, BSTR* name)                                                                \
  GET(NodeType, LONG* type)                                                            \
  GET(Tag, BSTR* tag)                                                                  \
  PUT(Tag, BSTR tag)                                                                   \
  GET(GlobalKey, BSTR* key)                                                            \
  PUT(GlobalKey, BSTR key)                                                             \
  GET(Key, BSTR* key)                                                                  \
  PUT(Key, BSTR key)                                                                   \
  GET(ID, BSTR* id)                                                                    \
  GET(UniqueID, BSTR* id)                                                              \
  PUT(UniqueID, BSTR id)                                                               \
  GET(Description, BSTR* text)                                                         \
  GET(Icon, IPicture** picture)                                                        \
  GET(Category, BSTR* category)                                                        \
  CALL(Create)                                                                         \
  CALL(Show, IUnknown* ownerWindow)                                                    \
  CALL(ObjectDebug)                                                                    \
  CALL(Save, VARIANT target)                                                           \
  CALL(Load, VARIANT source)                                                           \
  GET(Stream, BSTR* stream)                                                            \
  GET(IntelStream, BSTR* stream)                                                       \
  PUT(Stream, BSTR stream)                                                             \
  GET(Inputs, IInputs** inputs)                                                        \
  GET(Outputs, IOutputs** outputs)                                                     \
  GET(Attributes, IAttributes** attributes)                                            \
  GET(Language, LONG* language)                                                        \
  PUT(Language, LONG language)                                                         \
  CALL(Destroy)                                                                        \
  GET(ProgrammaticId, BSTR* progId)                                                    \
  CALL(XmlSNVTDoc, IXMLDOMDocument* catalogue)                                         \
  CALL(XmlSave, IXMLDOMNode* parentNode, IXMLDOMDocument* document)                    \
  CALL(XMLSaveSim, IXMLDOMNode* parentNode, IXMLDOMDocument* document)                 \
  CALL(XMLSaveForInteroperability, IXMLDOMNode* parentNode, IXMLDOMDocument* document) \
  CALL(XmlLoad, IXMLDOMNode* objectElement)                                            \
  CALL(CallBack, IcbkAppObject* sink)                                                  \
  GET(Parent, IDispatch** parent)                                                      \
  PUT(Parent, IDispatch* parent)                                                       \
  GET(XPosition, double* x)                                                            \
  PUT(XPosition, double x)                                                             \
  GET(YPosition, double* y)                                                            \
  PUT(YPosition, double y)                                                             \
  PUT(ManageShortFloat, VARIANT_BOOL manage)                                           \
  /* errorCode is the host's and is left untouched. */                                 \
  FUNC(Init, BSTR uniqueIdString, VARIANT* errorCode, VARIANT_BOOL* ok)                \
  GET(ExportIndex, SHORT* index)                                                       \
  PUT(ExportIndex, SHORT index)                                                        \
  GET(NumObjects, LONG* count)                                                         \
  GET(ExtendedKey, BSTR* key)                                                          \
  PUT(ExtendedKey, BSTR key)                                                           \
  GET(IsDeviceDependent, VARIANT_BOOL* is)                                             \
  GET(UsesDeviceClock, VARIANT_BOOL* uses)                                             \
  GET(IsHidden, VARIANT_BOOL* hidden)                                                  \
  GET(IsVirtual, VARIANT_BOOL* isVirtual)
struct IAppObject : IDispatch {
  QCOM_IDENTITY(IDispatch, "D35B121D-BFE2-4EC4-A615-D549C5E1E9A1");
  QCOM_MEMBERS(QORDB_IAPPOBJECT)

 protected:
  ~IAppObject() = default;
};

// Objects that can fill a documentation report of themselves.
#define QORDB_IREPORTSOURCE(GET, PUT, CALL, FUNC)                                   \
  /* Returns the filled document, or null when its template could not be opened. */ \
  FUNC(GetDoc, IDispatch* wordApp, IDispatch* localizer, IDispatch** document)
struct IReportSource : IDispatch {
  QCOM_IDENTITY(IDispatch, "E4AF5F95-B82C-4390-8C02-B6D98D495DC1");
  QCOM_MEMBERS(QORDB_IREPORTSOURCE)

 protected:
  ~IReportSource() = default;
};

}  // namespace qcom
