#pragma once

#include "modules/CDBAO.h"
#include "modules/ChannelCollection.h"

// Default interface of CDBAOs.
struct _CDBAOs : IDispatch {
  QCOM_IDENTITY(IDispatch, "C604CD78-64F3-44CB-B2FA-D232053002AD");
  virtual HRESULT get_Count(LONG* count) = 0;
  virtual HRESULT get_Item(BSTR key, _CDBAO** item) = 0;
  virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;
  virtual HRESULT Clear() = 0;
  virtual HRESULT LoadFromXML(IXMLDOMNode* channelNode, IAppObject* appObject, LONG* channelIndex,
                              LONG* indexInModule, LONG* slot) = 0;

 protected:
  ~_CDBAOs() = default;
};

// The analog outputs of one expansion module.
class CDBAOs final : public ChannelCollection<_CDBAOs, CDBAO> {
 private:
  ~CDBAOs() override = default;
};
