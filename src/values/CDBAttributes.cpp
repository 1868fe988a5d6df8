#include "values/CDBAttributes.h"

#include "com/Boundary.h"
#include "com/EnumVariant.h"
#include "com/OutParam.h"

qcom::ComPtr<CDBAttribute> CDBAttributes::AddFromXML(const std::string& name, IXMLDOMNode* node) {
  return AddDefined(name, *values::ReadParameterDefinition(name, node));
}

qcom::ComPtr<CDBAttribute> CDBAttributes::AddDefined(const std::string& name,
                                                     const values::ParameterReading& reading) {
  auto parameter = qcom::Make<CDBAttribute>();
  parameter->SetName(name);
  parameter->Define(reading);
  // The edit dialog is made when the parameter is first edited: most never are.
  if (!items_.Add(name, parameter)) return nullptr;
  return parameter;
}

void CDBAttributes::SetGlobalKey(std::string key) {
  globalKey_ = std::move(key);
  for (const auto& entry : items_)
    entry.item->SetGlobalKey(globalKey_ + "\\" + entry.item->NameText());
}

void CDBAttributes::SetExtendedKey(std::string key) {
  extendedKey_ = std::move(key);
  for (const auto& entry : items_)
    entry.item->SetExtendedKey(extendedKey_ + "\\" + entry.item->NameText());
}

HRESULT CDBAttributes::get_Count(LONG* count) {
  return qcom::ReturnValue(static_cast<LONG>(items_.Count()), count);
}

HRESULT CDBAttributes::get_Item(VARIANT key, IAttribute** item) {
  return qcom::Guarded([&] { return qcom::ReturnObject<IAttribute>(items_.Item(key), item); });
}

HRESULT CDBAttributes::get__NewEnum(IUnknown** enumerator) {
  if (!enumerator) return E_POINTER;
  return qcom::Guarded([&] {
    std::vector<qcom::Variant> all;
    for (const auto& entry : items_)
      all.emplace_back(static_cast<IDispatch*>(static_cast<IAttribute*>(entry.item.get())));
    *enumerator = qcom::MakeVariantEnumerator(std::move(all)).detach();
    return S_OK;
  });
}

HRESULT CDBAttributes::get_GlobalKey(BSTR* key) {
  return qcom::ReturnText(globalKey_, key);
}
HRESULT CDBAttributes::get_ExtendedKey(BSTR* key) {
  return qcom::ReturnText(extendedKey_, key);
}
