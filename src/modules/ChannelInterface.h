#pragma once

#include "com/Members.h"
#include "xml/Dom.h"

// The members every channel kind's default interface declares, in slot order,
// as member lists. Each kind has an interface of its own (its own IID); a
// digital input puts its counter members between the two groups. Property
// values come by reference.
#define TQ_CHANNEL_MEMBERS(GET, PUT, CALL, FUNC)                                       \
  PUT(IndexInModule, LONG* value)                                                      \
  GET(IndexInModule, LONG* value)                                                      \
  PUT(Index, LONG* value)                                                              \
  GET(Index, LONG* value)                                                              \
  PUT(Name, BSTR* value)                                                               \
  GET(Name, BSTR* value)                                                               \
  PUT(GlobalKey, BSTR* value)                                                          \
  GET(GlobalKey, BSTR* value)                                                          \
  CALL(LoadAttributesFromXML, IXMLDOMNode* channelNode, VARIANT_BOOL manageShortFloat) \
  PUT(IsConnected, VARIANT_BOOL* value)                                                \
  GET(IsConnected, VARIANT_BOOL* value)

#define TQ_CHANNEL_PERSISTENCE_MEMBERS(GET, PUT, CALL, FUNC)           \
  CALL(XmlSave, IXMLDOMNode* parentNode, IXMLDOMDocument* document)    \
  CALL(XmlSaveSim, IXMLDOMNode* parentNode, IXMLDOMDocument* document) \
  CALL(XmlLoad, IXMLDOMNode* parentNode)
