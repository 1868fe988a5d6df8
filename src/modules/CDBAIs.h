#pragma once

#include "modules/CDBAI.h"
#include "modules/ChannelCollection.h"

// Default interface of CDBAIs.
#define TQ_CDBAIS(GET, PUT, CALL, FUNC)                                                  \
  GET(Count, LONG* count)                                                                \
  GET(Item, BSTR key, _CDBAI** item)                                                     \
  GET(_NewEnum, IUnknown** enumerator)                                                   \
  CALL(Clear)                                                                            \
  CALL(LoadFromXML, IXMLDOMNode* channelNode, IAppObject* appObject, LONG* channelIndex, \
       LONG* indexInModule, LONG* slot)
struct _CDBAIs : IDispatch {
  QCOM_IDENTITY(IDispatch, "0BEAD15E-3E7B-46C8-93CE-7153CCD85FB6");
  QCOM_MEMBERS(TQ_CDBAIS)

 protected:
  ~_CDBAIs() = default;
};

// The analog inputs of one expansion module.
class CDBAIs final : public ChannelCollection<_CDBAIs, CDBAI> {
 private:
  ~CDBAIs() override = default;
};
