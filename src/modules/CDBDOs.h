#pragma once

#include "modules/CDBDO.h"
#include "modules/ChannelCollection.h"

// Default interface of CDBDOs.
#define TQ_CDBDOS(GET, PUT, CALL, FUNC)                                                  \
  GET(Count, LONG* count)                                                                \
  GET(Item, BSTR key, _CDBDO** item)                                                     \
  GET(_NewEnum, IUnknown** enumerator)                                                   \
  CALL(Clear)                                                                            \
  CALL(LoadFromXML, IXMLDOMNode* channelNode, IAppObject* appObject, LONG* channelIndex, \
       LONG* indexInModule, LONG* slot)
struct _CDBDOs : IDispatch {
  QCOM_IDENTITY(IDispatch, "6270D9A1-0BA0-40CB-9C1E-F68A6FCC7FE8");
  QCOM_MEMBERS(TQ_CDBDOS)

 protected:
  ~_CDBDOs() = default;
};

// The digital outputs of one expansion module.
class CDBDOs final : public ChannelCollection<_CDBDOs, CDBDO> {
 private:
  ~CDBDOs() override = default;
};
