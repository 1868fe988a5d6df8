#pragma once

#include "modules/Channel.h"

// Default interface of CDBDI.
struct _CDBDI : IDispatch {
  QCOM_IDENTITY(IDispatch, "5697783D-0977-4BC4-9486-8675942094AF");
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
  virtual HRESULT put_IsCounter(VARIANT_BOOL* value) = 0;
  virtual HRESULT get_IsCounter(VARIANT_BOOL* value) = 0;
  virtual HRESULT XmlSave(IXMLDOMNode* parentNode, IXMLDOMDocument* document) = 0;
  virtual HRESULT XmlSaveSim(IXMLDOMNode* parentNode, IXMLDOMDocument* document) = 0;
  virtual HRESULT XmlLoad(IXMLDOMNode* parentNode) = 0;

 protected:
  ~_CDBDI() = default;
};

// A digital input of an expansion module; its states (and, for a pulse counter,
// its count) reach the network through outputs of the application object.
class CDBDI final : public Channel<_CDBDI, kDigitalInputKind> {
 public:
  bool IsCounterFlag() const { return Core().isCounter; }

  HRESULT put_IsCounter(VARIANT_BOOL* value) override;
  HRESULT get_IsCounter(VARIANT_BOOL* value) override;

 private:
  ~CDBDI() override = default;
};
