#pragma once

#include "modules/Channel.h"

// Default interface of CDBAO.
struct _CDBAO : IDispatch {
  QCOM_IDENTITY(IDispatch, "8592EA15-1E45-4A1C-BB25-871760DEAB58");
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
  ~_CDBAO() = default;
};

// An analog output of an expansion module; it takes its values from the network
// through inputs of the application object.
class CDBAO final : public Channel<_CDBAO, kAnalogOutputKind> {
 private:
  ~CDBAO() override = default;
};
