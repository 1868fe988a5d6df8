#pragma once

#include "modules/Channel.h"

// Default interface of CDBAI.
struct _CDBAI : IDispatch {
  QCOM_IDENTITY(IDispatch, "FAD74D5F-A8C8-4643-8246-947B73EEA368");
  virtual HRESULT put_IndexInModule(LONG* value) = 0;
  virtual HRESULT get_IndexInModule(LONG* value) = 0;
  virtual HRESULT put_Index(LONG* value) = 0;
  virtual HRESULT get_Index(LONG* value) = 0;
  virtual HRESULT put_Name(BSTR* value) = 0;
  virtual HRESULT get_Name(BSTR* value) = 0;
  virtual HRESULT put_GlobalKey(BSTR* value) = 0;
  virtual HRESULT get_GlobalKey(BSTR* value) = 0;
  virtual HRESULT LoadAttributesFromXML(IXMLDOMNode* channelNode,
                                        VARIANT_BOOL manageShortFloat) = 0;
  virtual HRESULT put_IsConnected(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_IsConnected(VARIANT_BOOL* value) = 0;
  virtual HRESULT XmlSave(IXMLDOMNode* parentNode, IXMLDOMDocument* document) = 0;
  virtual HRESULT XmlSaveSim(IXMLDOMNode* parentNode, IXMLDOMDocument* document) = 0;
  virtual HRESULT XmlLoad(IXMLDOMNode* parentNode) = 0;

 protected:
  ~_CDBAI() = default;
};

// An analog input of an expansion module; its values reach the network through
// outputs of the application object.
class CDBAI final : public Channel<_CDBAI, kAnalogInputKind> {
 private:
  ~CDBAI() override = default;
};
