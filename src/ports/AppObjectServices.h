#pragma once

#include <string>

#include "com/ComPtr.h"
#include "faces/Points.h"
#include "ports/ChannelLink.h"
#include "ports/EditorView.h"
#include "xml/Dom.h"

class CDBAttributes;
class CDBEBModules;
class CDBEBTemplates;
class CDBInputs;
class CDBOutputs;

// What channels, modules, the module set and the editor need of the
// application object that owns them. They hold the object as an IAppObject and
// ask it for this; an object of another component does not offer it.
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
  // The placed modules and the object's own parameters; null before Init and
  // Create and after Destroy.
  virtual CDBEBModules* ModuleSet() = 0;
  virtual CDBAttributes* AttributeSet() = 0;
  virtual void UpdateAddableTemplates() = 0;
  virtual void AddMapTypModTag(const std::string& tag) = 0;
  virtual void RemoveLastMapTypModTag() = 0;
  virtual void NotifyCDBChanged() = 0;

 protected:
  ~IAppObjectServices() = default;
};
