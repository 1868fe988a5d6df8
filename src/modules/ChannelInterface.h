#pragma once

#include "com/Unknown.h"
#include "xml/Dom.h"

// The members every channel kind's default interface declares, in slot order.
// Each kind has an interface of its own (its own IID); a digital input puts
// its counter members between the two groups.
#define TQ_CHANNEL_MEMBERS                                                  \
  virtual HRESULT put_IndexInModule(LONG* value) = 0;                       \
  virtual HRESULT get_IndexInModule(LONG* value) = 0;                       \
  virtual HRESULT put_Index(LONG* value) = 0;                               \
  virtual HRESULT get_Index(LONG* value) = 0;                               \
  virtual HRESULT put_Name(BSTR* value) = 0;                                \
  virtual HRESULT get_Name(BSTR* value) = 0;                                \
  virtual HRESULT put_GlobalKey(BSTR* value) = 0;                           \
  virtual HRESULT get_GlobalKey(BSTR* value) = 0;                           \
  virtual HRESULT LoadAttributesFromXML(IXMLDOMNode* channelNode,           \
                                        VARIANT_BOOL manageShortFloat) = 0; \
  virtual HRESULT put_IsConnected(VARIANT_BOOL* value) = 0;                 \
  virtual HRESULT get_IsConnected(VARIANT_BOOL* value) = 0

#define TQ_CHANNEL_PERSISTENCE_MEMBERS                                                \
  virtual HRESULT XmlSave(IXMLDOMNode* parentNode, IXMLDOMDocument* document) = 0;    \
  virtual HRESULT XmlSaveSim(IXMLDOMNode* parentNode, IXMLDOMDocument* document) = 0; \
  virtual HRESULT XmlLoad(IXMLDOMNode* parentNode) = 0
