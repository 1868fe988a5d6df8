#pragma once

#include <string>

#include "com/ComPtr.h"
#include "faces/Points.h"
#include "values/ChannelLink.h"
#include "values/EditorView.h"
#include "xml/Dom.h"

class CDBInputs;
class CDBOutputs;
class CDBEBTemplates;

// What channels, modules and the module set need of the application object
// that owns them. Internal interface (not in the type library): the object
// reaches them as an IAppObject and asks for this.
struct IAppObjectServices : IEditorOwner {
  QCOM_IDENTITY(IEditorOwner, "4C696E08-5B61-4452-93B3-1594234040C4");
  // Always true: float parameters travel as 2-byte short floats.
  virtual bool ShortFloatSetting() = 0;
  // Creates the host input (AO, DO channels) or output (AI, DI channels) of a
  // channel; null when the point could not be created.
  virtual qcom::ComPtr<IInput> AddChannelInput(const std::string& name, const std::string& snvt,
                                               IChannelLink* channel) = 0;
  virtual qcom::ComPtr<IOutput> AddChannelOutput(const std::string& name, const std::string& snvt,
                                                 IChannelLink* channel) = 0;
  // The host point collections; null before Create and after Destroy.
  virtual CDBInputs* InputSet() = 0;
  virtual CDBOutputs* OutputSet() = 0;
  // The object definition, which holds the configuration tree.
  virtual IXMLDOMDocument* DefinitionDocument() = 0;
  virtual CDBEBTemplates* ModuleTemplates() = 0;
  virtual void UpdateAddableTemplates() = 0;
  virtual void AddMapTypModTag(const std::string& tag) = 0;
  virtual void RemoveLastMapTypModTag() = 0;
  virtual void NotifyCDBChanged() = 0;

 protected:
  ~IAppObjectServices() = default;
};
