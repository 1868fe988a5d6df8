#pragma once

#include "modules/CDBAI.h"
#include "modules/ChannelCollection.h"

// Default interface of CDBAIs.
struct _CDBAIs : IDispatch {
  QCOM_IDENTITY(IDispatch, "0BEAD15E-3E7B-46C8-93CE-7153CCD85FB6");
  virtual HRESULT get_Count(LONG* count) = 0;
  virtual HRESULT get_Item(BSTR key, _CDBAI** item) = 0;
  virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;
  virtual HRESULT Clear() = 0;
  virtual HRESULT LoadFromXML(IXMLDOMNode* channelNode, IAppObject* appObject, LONG* channelIndex,
                              LONG* indexInModule, LONG* slot) = 0;

 protected:
  ~_CDBAIs() = default;
};

// The analog inputs of one expansion module.
class CDBAIs final : public ChannelCollection<_CDBAIs, CDBAI> {
 private:
  ~CDBAIs() override = default;
};
