#pragma once

#include <optional>
#include <string>
#include <vector>

#include "com/ComObject.h"
#include "faces/AppObject.h"
#include "faces/CallbackList.h"
#include "faces/Engineering.h"
#include "modules/CDBEBModules.h"
#include "modules/CDBEBTemplates.h"
#include "modules/CDBMapTypMod.h"
#include "plugin/Dimensions.h"
#include "plugin/ServiceUnits.h"
#include "plugin/StreamWriter.h"
#include "plugin/TypeLibrary.h"
#include "points/CDBInputs.h"
#include "points/CDBOutputs.h"
#include "ports/AppObjectServices.h"
#include "values/CDBAttributes.h"
#include "xml/Dom.h"

// The placed I/O extension of a controller: the object the host places,
// initialises from its definition, and drives through IAppObject.
class CDBAppObject final : public qcom::ComObject<_CDBAppObject, IAppObject, IReportSource,
                                                  IEngineering, IAppObjectServices> {
 public:
  CDBAppObject();

  // _CDBAppObject
  HRESULT StringID(BSTR stringId, VARIANT_BOOL* ok) override;
  HRESULT get_MapTypMod(BSTR* tag) override;

  // IAppObject, in slot order
  HRESULT get_IsPlugInActive(VARIANT_BOOL* active) override;
  HRESULT put_Path(BSTR filename) override;
  HRESULT get_Path(BSTR* path) override;
  HRESULT get_ExecTime(LONG* time) override;
  HRESULT get_MaxInstances(LONG* count) override;
  HRESULT get_CDBDimension(LONG* bytes) override;
  HRESULT get_Color(LONG* color) override;
  HRESULT put_Color(LONG color) override;
  HRESULT SetColor(BSTR name) override;
  HRESULT get_Width(LONG* width) override;
  HRESULT get_InputWidth(LONG* width) override;
  HRESULT get_DDBDimension(LONG* bytes) override;
  HRESULT get_SDBDimension(LONG* bytes) override;
  HRESULT ClearReferences() override;
  HRESULT ViewDatasheet(VARIANT windowHandle) override;
  HRESULT get_DatasheetAvailable(VARIANT_BOOL* available) override;
  HRESULT get_PlugInAvailable(VARIANT_BOOL* available) override;
  HRESULT get_UserName(BSTR* name) override;
  HRESULT get_UniqueIDString(BSTR* name) override;
  HRESULT put_OwnerDeviceXML(IXMLDOMDocument* document) override;
  HRESULT get_OwnerDeviceXML(IXMLDOMDocument** document) override;
  HRESULT put_UserName(BSTR name) override;
  HRESULT get_Name(BSTR* name) override;
  HRESULT get_NodeType(LONG* type) override;
  HRESULT get_Tag(BSTR* tag) override;
  HRESULT put_Tag(BSTR tag) override;
  HRESULT get_GlobalKey(BSTR* key) override;
  HRESULT put_GlobalKey(BSTR key) override;
  HRESULT get_Key(BSTR* key) override;
  HRESULT put_Key(BSTR key) override;
  HRESULT get_ID(BSTR* id) override;
  HRESULT get_UniqueID(BSTR* id) override;
  HRESULT put_UniqueID(BSTR id) override;
  HRESULT get_Description(BSTR* text) override;
  HRESULT get_Icon(IPicture** picture) override;
  HRESULT get_Category(BSTR* category) override;
  HRESULT Create() override;
  HRESULT Show(IUnknown* ownerWindow) override;
  HRESULT ObjectDebug() override;
  HRESULT Save(VARIANT target) override;
  HRESULT Load(VARIANT source) override;
  HRESULT get_Stream(BSTR* stream) override;
  HRESULT get_IntelStream(BSTR* stream) override;
  HRESULT put_Stream(BSTR stream) override;
  HRESULT get_Inputs(IInputs** inputs) override;
  HRESULT get_Outputs(IOutputs** outputs) override;
  HRESULT get_Attributes(IAttributes** attributes) override;
  HRESULT get_Language(LONG* language) override;
  HRESULT put_Language(LONG language) override;
  HRESULT Destroy() override;
  HRESULT get_ProgrammaticId(BSTR* progId) override;
  HRESULT XmlSNVTDoc(IXMLDOMDocument* catalogue) override;
  HRESULT XmlSave(IXMLDOMNode* parentNode, IXMLDOMDocument* document) override;
  HRESULT XMLSaveSim(IXMLDOMNode* parentNode, IXMLDOMDocument* document) override;
  HRESULT XMLSaveForInteroperability(IXMLDOMNode* parentNode, IXMLDOMDocument* document) override;
  HRESULT XmlLoad(IXMLDOMNode* objectElement) override;
  HRESULT CallBack(IcbkAppObject* sink) override;
  HRESULT get_Parent(IDispatch** parent) override;
  HRESULT put_Parent(IDispatch* parent) override;
  HRESULT get_XPosition(double* x) override;
  HRESULT put_XPosition(double x) override;
  HRESULT get_YPosition(double* y) override;
  HRESULT put_YPosition(double y) override;
  HRESULT put_ManageShortFloat(VARIANT_BOOL manage) override;
  HRESULT Init(BSTR uniqueIdString, VARIANT* errorCode, VARIANT_BOOL* ok) override;
  HRESULT get_ExportIndex(SHORT* index) override;
  HRESULT put_ExportIndex(SHORT index) override;
  HRESULT get_NumObjects(LONG* count) override;
  HRESULT get_ExtendedKey(BSTR* key) override;
  HRESULT put_ExtendedKey(BSTR key) override;
  HRESULT get_IsDeviceDependent(VARIANT_BOOL* is) override;
  HRESULT get_UsesDeviceClock(VARIANT_BOOL* uses) override;
  HRESULT get_IsHidden(VARIANT_BOOL* hidden) override;
  HRESULT get_IsVirtual(VARIANT_BOOL* isVirtual) override;

  // IReportSource
  HRESULT GetDoc(IDispatch* wordApp, IDispatch* localizer, IDispatch** document) override;

  // IEngineering (AppObjectEngineering.cpp)
  HRESULT ExplainStream(IStreamExplanation** explanation) override;
  HRESULT get_Parameters(IEngineeringList** parameters) override;
  HRESULT get_Parameter(BSTR path, IEngineeringParameter** parameter) override;
  HRESULT get_PathProblem(BSTR path, BSTR* problem) override;
  HRESULT CheckValue(BSTR path, BSTR text, LONG unitSystem, IValueCheck** check) override;
  HRESULT SetValue(BSTR path, BSTR text, LONG unitSystem, VARIANT_BOOL force,
                   IValueCheck** check) override;
  HRESULT get_AddableTemplates(IEngineeringList** templates) override;
  HRESULT get_NextTemplates(BSTR chain, IEngineeringList** templates) override;
  HRESULT get_ModuleTemplates(IEngineeringList** templates) override;
  HRESULT get_SnvtTypes(IEngineeringList** types) override;
  // (AppObjectEngineeringStructure.cpp)
  HRESULT AddModule(BSTR templateId, BSTR* key) override;
  HRESULT RemoveModule(BSTR* refusal) override;
  HRESULT get_Points(IEngineeringList** points) override;

  // Operations offered to the component's own classes (IAppObjectServices and more).
  bool ShortFloatSetting() override { return shortFloatSetting_; }
  IEditorView* EditorView() override { return editor_.get(); }
  qcom::ComPtr<IInput> AddChannelInput(const std::string& name, const std::string& snvt,
                                       IChannelLink* channel) override;
  qcom::ComPtr<IOutput> AddChannelOutput(const std::string& name, const std::string& snvt,
                                         IChannelLink* channel) override;
  CDBInputs* InputSet() override { return inputs_.get(); }
  CDBOutputs* OutputSet() override { return outputs_.get(); }
  IXMLDOMDocument* DefinitionDocument() override { return definitionDoc_.get(); }
  CDBEBTemplates* ModuleTemplates() override { return templates_.get(); }
  CDBEBModules* ModuleSet() override { return modules_.get(); }
  void UpdateAddableTemplates() override;
  // Whether the placed chain begins with a chain found to select no node of
  // the configuration tree.
  bool ChainLeftTree() const;
  // The channel of an editor row key ("EB1\\AI\\2"); null when the key names none.
  qcom::ComPtr<IDispatch> ChannelByKey(const std::string& kind, const std::string& key) const;
  // The parameters of that channel; null when the key names none.
  CDBAttributes* ChannelAttributes(const std::string& kind, const std::string& key) const;
  void AddMapTypModTag(const std::string& tag) override;
  void RemoveLastMapTypModTag() override;
  void NotifyCDBChanged() override;
  // Attaches the editor window (null detaches it).
  void SetEditor(IEditorView* editor) { editor_ = qcom::ComPtr<IEditorView>(editor); }
  // The window's answer to every close request: the object is no longer
  // edited, tells the window to close for good, lets go of it and keeps later
  // channel changes from reaching it.
  void ReleaseEditor();
  CDBAttributes* AttributeSet() override { return attributes_.get(); }
  std::string MapTypMod() const;
  const std::string& DatasheetPath() const { return datasheetPath_; }
  const std::string& LastStreamText() const { return lastStream_; }
  // Builds the configuration block into the writer, as Stream does, and keeps
  // it as the last stream; false (the export message shown) when the object
  // cannot be exported.
  bool WriteStream(plugin::StreamWriter& out);

 private:
  ~CDBAppObject() override;

  bool InitFrom(const std::string& name, bool createModuleCollections);
  void LoadFixedAttributes();
  qcom::ComPtr<IXMLDOMNode> SaveHeader(IXMLDOMNode* parent, IXMLDOMDocument* document,
                                       bool withPlacement) const;
  void SaveModules(IXMLDOMNode* element, IXMLDOMDocument* document, bool simulatorForm) const;
  void SaveOutputFlags(IXMLDOMNode* element, IXMLDOMDocument* document) const;
  void LoadModules(IXMLDOMNode* modulesElement);
  void LoadOutputFlags(IXMLDOMNode* outputsElement);
  void RegisterSinksWith(CDBInputs& inputs) const;
  void RegisterSinksWith(CDBOutputs& outputs) const;
  void KeyPointCollections();
  void LoadObjectDefinition();
  void FindDatasheet();
  // Lets the host's container of placed objects bring its view up to date.
  void RefreshParentContainer() const;
  std::vector<plugin::ModuleCounts> PlacedModules() const;
  // The value check of CheckValue and SetValue; writes when it may (or must).
  HRESULT CheckAndSet(BSTR path, BSTR text, LONG unitSystem, bool set, bool force,
                      IValueCheck** check);

  // State, in the order the object declares it.
  bool isPlugInActive_ = false;
  int32_t maxInstances_ = 0;
  int32_t execTime_ = 0;
  int32_t width_ = 0;
  bool datasheetAvailable_ = false;
  std::string datasheetPath_;
  std::string path_;
  double xPosition_ = 0, yPosition_ = 0;
  int32_t language_ = 0;
  std::string name_, id_, description_, category_;
  std::string colorName_;
  std::string uniqueIdString_;
  std::string key_, globalKey_, userName_, uniqueId_, tag_, extendedKey_;
  qcom::WeakRef<IDispatch> parent_;
  qcom::ComPtr<IXMLDOMDocument> definitionDoc_;
  faces::CallbackList callBacks_;
  std::optional<std::vector<qcom::ComPtr<CDBMapTypMod>>> mapTypModTags_;
  int32_t cdbLength_ = 0, ddbLength_ = 0;
  int32_t fixedDDB_ = 0, fixedSHDB_ = 0;
  qcom::ComPtr<CDBOutputs> outputs_;
  qcom::ComPtr<CDBInputs> inputs_;
  qcom::ComPtr<IXMLDOMDocument> ownerDeviceXml_;
  std::string lastStream_;
  int32_t powerlineFreq_ = 0, behaviourOnCommFailure_ = 0;
  qcom::ComPtr<IEditorView> editor_;
  qcom::ComPtr<CDBEBTemplates> templates_;
  qcom::ComPtr<CDBEBModules> modules_;
  // The shortest placed chain seen to select no node of the configuration
  // tree, by its length and last module. While that module stays in place the
  // tree is not searched again: a saved element may list far more modules
  // than the tree has levels.
  size_t deadChainLength_ = 0;
  qcom::WeakRef<CDBEBModule> deadChainEnd_;
  bool shortFloatSetting_ = false;
  qcom::ComPtr<CDBAttributes> attributes_;
  int16_t exportIndex_ = 0;
  // The unit service the value check asks for US customary units, made when
  // first needed and kept for the catalogue it was handed.
  std::unique_ptr<plugin::ServiceUnits> usUnits_;
};
