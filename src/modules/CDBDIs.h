#pragma once

#include "modules/CDBDI.h"
#include "modules/ChannelCollection.h"

// Default interface of CDBDIs.
#define TQ_CDBDIS(GET, PUT, CALL, FUNC)                                                  \
  GET(Count, LONG* count)                                                                \
  GET(Item, BSTR key, _CDBDI** item)                                                     \
  GET(_NewEnum, IUnknown** enumerator)                                                   \
  CALL(Clear)                                                                            \
  CALL(LoadFromXML, IXMLDOMNode* channelNode, IAppObject* appObject, LONG* channelIndex, \
       LONG* indexInModule, LONG* slot)
struct _CDBDIs : IDispatch {
  QCOM_IDENTITY(IDispatch, "91A4B1F3-005A-427F-A4DD-2AA18431AA15");
  QCOM_MEMBERS(TQ_CDBDIS)

 protected:
  ~_CDBDIs() = default;
};

// The digital inputs of one expansion module.
class CDBDIs final : public ChannelCollection<_CDBDIs, CDBDI> {
 private:
  ~CDBDIs() override = default;
};
