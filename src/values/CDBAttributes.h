#pragma once

#include <string>

#include "com/ComObject.h"
#include "com/Members.h"
#include "faces/Attribute.h"
#include "values/CDBAttribute.h"
#include "values/KeyedCollection.h"

// Own interface of CDBAttributes.
#define TQ_CDBATTRIBUTES(GET, PUT, CALL, FUNC) GET(_NewEnum, IUnknown** enumerator)
struct _CDBAttributes : IDispatch {
  QCOM_IDENTITY(IDispatch, "91071737-A900-46AC-A675-1739484546FB");
  QCOM_MEMBERS(TQ_CDBATTRIBUTES)

 protected:
  ~_CDBAttributes() = default;
};

// The parameters of one owner (the application object or a channel), in
// definition order, keyed by name.
class CDBAttributes final : public qcom::ComObject<_CDBAttributes, IAttributes> {
 public:
  // Creates a parameter from its definition element and adds it under name;
  // null when the name is already taken (the new parameter is dropped).
  qcom::ComPtr<CDBAttribute> AddFromXML(const std::string& name, IXMLDOMNode* node);
  // The same from a definition already read.
  qcom::ComPtr<CDBAttribute> AddDefined(const std::string& name,
                                        const values::ParameterReading& reading);
  size_t Count() const { return items_.Count(); }
  // Room for that many parameters in all.
  void Reserve(size_t count) { items_.Reserve(count); }
  // By name, else by 1-based position read from the key; null when neither.
  qcom::ComPtr<CDBAttribute> Item(std::string_view key) const { return items_.Item(key); }
  const values::KeyedCollection<CDBAttribute>& Items() const { return items_; }
  // Stores the key and gives every parameter the key & "\" & its name.
  void SetGlobalKey(std::string key);
  void SetExtendedKey(std::string key);
  const std::string& GlobalKeyText() const { return globalKey_; }
  const std::string& ExtendedKeyText() const { return extendedKey_; }

  // IAttributes (get__NewEnum also serves the own interface)
  HRESULT get_Count(LONG* count) override;
  HRESULT get_Item(VARIANT key, IAttribute** item) override;
  HRESULT get__NewEnum(IUnknown** enumerator) override;
  HRESULT get_GlobalKey(BSTR* key) override;
  HRESULT get_ExtendedKey(BSTR* key) override;

 private:
  std::string globalKey_;
  std::string extendedKey_;
  values::KeyedCollection<CDBAttribute> items_;
};
