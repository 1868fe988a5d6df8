#pragma once

#include "modules/CDBAO.h"
#include "modules/ChannelCollection.h"

// Default interface of CDBAOs.
#define TQ_CDBAOS(GET, PUT, CALL, FUNC)                                                  \
  GET(Count, LONG* count)                                                                \
  GET(Item, BSTR key, _CDBAO** item)                                                     \
  GET(_NewEnum, IUnknown** enumerator)                                                   \
  CALL(Clear)                                                                            \
  CALL(LoadFromXML, IXMLDOMNode* channelNode, IAppObject* appObject, LONG* channelIndex, \
       LONG* indexInModule, LONG* slot)
struct _CDBAOs : IDispatch {
  QCOM_IDENTITY(IDispatch, "C604CD78-64F3-44CB-B2FA-D232053002AD");
  QCOM_MEMBERS(TQ_CDBAOS)

 protected:
  ~_CDBAOs() = default;
};

// The analog outputs of one expansion module.
class CDBAOs final : public ChannelCollection<_CDBAOs, CDBAO> {
 private:
  ~CDBAOs() override = default;
};
