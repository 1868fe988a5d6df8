#pragma once

#include "modules/CDBDI.h"
#include "modules/ChannelCollection.h"

// Default interface of CDBDIs.
struct _CDBDIs : IDispatch {
  QCOM_IDENTITY(IDispatch, "91A4B1F3-005A-427F-A4DD-2AA18431AA15");
  virtual HRESULT get_Count(LONG* count) = 0;
  virtual HRESULT get_Item(BSTR key, _CDBDI** item) = 0;
  virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;
  virtual HRESULT Clear() = 0;
  virtual HRESULT LoadFromXML(IXMLDOMNode* channelNode, IAppObject* appObject, LONG* channelIndex,
                              LONG* indexInModule, LONG* slot) = 0;

 protected:
  ~_CDBDIs() = default;
};

// The digital inputs of one expansion module.
class CDBDIs final : public ChannelCollection<_CDBDIs, CDBDI> {
 private:
  ~CDBDIs() override = default;
};
