#pragma once

#include "modules/Channel.h"

// Default interface of CDBDO.
struct _CDBDO : IDispatch {
  QCOM_IDENTITY(IDispatch, "A1A13ED6-A257-48F7-A94D-A030A7F09E96");
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
  ~_CDBDO() = default;
};

// A digital output of an expansion module; it takes its state from the network
// through inputs of the application object.
class CDBDO final : public Channel<_CDBDO, kDigitalOutputKind> {
 private:
  ~CDBDO() override = default;
};
