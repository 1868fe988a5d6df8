#pragma once

#include "modules/CDBDO.h"
#include "modules/ChannelCollection.h"

// Default interface of CDBDOs.
struct _CDBDOs : IDispatch {
  QCOM_IDENTITY(IDispatch, "6270D9A1-0BA0-40CB-9C1E-F68A6FCC7FE8");
  virtual HRESULT get_Count(LONG* count) = 0;
  virtual HRESULT get_Item(BSTR key, _CDBDO** item) = 0;
  virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;
  virtual HRESULT Clear() = 0;
  virtual HRESULT LoadFromXML(IXMLDOMNode* channelNode, IAppObject* appObject, LONG* channelIndex,
                              LONG* indexInModule, LONG* slot) = 0;

 protected:
  ~_CDBDOs() = default;
};

// The digital outputs of one expansion module.
class CDBDOs final : public ChannelCollection<_CDBDOs, CDBDO> {
 private:
  ~CDBDOs() override = default;
};
