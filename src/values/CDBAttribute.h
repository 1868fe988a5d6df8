#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "com/ComObject.h"
#include "com/Members.h"
#include "faces/Attribute.h"
#include "faces/CallbackList.h"
#include "ports/EditDialog.h"
#include "values/CDBSNVTType.h"
#include "values/ParameterDefinition.h"
#include "xml/Dom.h"

// Own dispatch interface of CDBAttribute.
#define TQ_CDBATTRIBUTE(GET, PUT, CALL, FUNC) \
  CALL(BackToDefault)                         \
  GET(DefaultValue, BSTR* value)              \
  GET(Description, BSTR* text)                \
  GET(DispDefault, BSTR* text)                \
  GET(DispMax, BSTR* text)                    \
  GET(DispMin, BSTR* text)                    \
  GET(DispValue, BSTR* text)                  \
  GET(Name, BSTR* name)                       \
  PUT(Name, BSTR name)                        \
  GET(SNVTType, ISNVType** type)              \
  CALL(ResetValue)                            \
  PUT(Value, BSTR value)                      \
  GET(Value, BSTR* value)
struct _CDBAttribute : IDispatch {
  QCOM_IDENTITY(IDispatch, "0C5C742A-DD36-4D71-9D92-7B2E32A28AD3");
  QCOM_MEMBERS(TQ_CDBATTRIBUTE)

 protected:
  ~_CDBAttribute() = default;
};

// One configuration parameter: its definition (shared with every parameter of
// the same definition element), its current value as text in engineering
// units, and the keys the host knows it by.
class CDBAttribute final : public qcom::ComObject<_CDBAttribute, IAttribute> {
 public:
  CDBAttribute();

  // Reads the parameter's definition element; warnings go to the user.
  void LoadFromXML(IXMLDOMNode* node);
  // Takes a definition already read, showing its warnings as reading it would.
  void Define(const values::ParameterReading& reading);
  // Makes the edit dialog the type's kind asks for (Edit makes it when needed).
  void CreateEditDialog();
  // Opens the edit dialog for this parameter, if it has one.
  void Edit();
  // The value encoded for the configuration stream; nullopt when a scaling
  // coefficient does not fit 16 bits.
  std::optional<std::string> StreamValue() const;
  // Shortens a float type to the 2-byte short float of the stream.
  void ForceShortFloat();
  void SetGlobalKey(std::string key) { More().globalKey = std::move(key); }
  void SetExtendedKey(std::string key) { More().extendedKey = std::move(key); }
  void SetName(std::string name) { name_ = std::move(name); }
  // Stores a value as the host's Value put does.
  void SetValueText(std::string_view value);

  const std::string& NameText() const { return name_; }
  // The stored value, before display localisation.
  const std::string& StoredValue() const { return value_; }
  const std::string& GlobalKeyText() const;
  // The type object the host is handed; made when first asked for.
  CDBSNVTType& Type() const;
  const values::SnvtFields& TypeFields() const { return *definition_->type; }
  const values::ParameterDefinition& Definition() const { return *definition_; }
  // The same, shared: it never changes once read.
  const std::shared_ptr<const values::ParameterDefinition>& SharedDefinition() const {
    return definition_;
  }
  ports::DialogKind EditDialogKind() const { return definition_->dialogKind; }
  std::string DisplayValue() const { return DisplayText(value_); }
  // The value as the host reads it (Value), in the user's decimal separator.
  std::string ValueText() const;

  // _CDBAttribute (own members; shared names are declared once below)
  HRESULT put_Name(BSTR name) override;
  HRESULT ResetValue() override;

  // IAttribute, in slot order
  HRESULT get_Parent(IDispatch** appObject) override;
  HRESULT get_Visible(VARIANT_BOOL* visible) override;
  HRESULT SetValue() override;
  HRESULT get_IsUnit(VARIANT_BOOL* is) override;
  HRESULT get_Description(BSTR* text) override;
  HRESULT get_Value(BSTR* value) override;
  HRESULT get_DispValue(BSTR* text) override;
  HRESULT get_DispMin(BSTR* text) override;
  HRESULT get_DispMax(BSTR* text) override;
  HRESULT get_DispDefault(BSTR* text) override;
  HRESULT put_Value(BSTR value) override;
  HRESULT get_Name(BSTR* name) override;
  HRESULT get_NodeType(LONG* type) override;
  HRESULT get_GlobalKey(BSTR* key) override;
  HRESULT get_SNVTType(ISNVType** type) override;
  HRESULT BackToDefault() override;
  HRESULT get_DefaultValue(BSTR* value) override;
  HRESULT get_Tag(BSTR* tag) override;
  HRESULT put_Tag(BSTR tag) override;
  HRESULT get_Fields(IDispatch** fields) override;
  HRESULT put_CallBack(IcbkAppObject* sink) override;
  HRESULT get_CDBPosition(LONG* position) override;
  HRESULT get_ToolOnly(VARIANT_BOOL* only) override;
  HRESULT get_IsDeviceDependent(VARIANT_BOOL* is) override;
  HRESULT get_IsUnitDependent(VARIANT_BOOL* is) override;
  HRESULT get_DeviceKey(BSTR* key) override;
  HRESULT get_IsKeepFloatStandard(VARIANT_BOOL* is) override;
  HRESULT get_DividedBy(LONG* divisor) override;
  HRESULT get_IsType(VARIANT_BOOL* is) override;
  HRESULT get_Min(BSTR* min) override;
  HRESULT get_Max(BSTR* max) override;
  HRESULT get_ExtendedKey(BSTR* key) override;
  HRESULT get_IsMacroConnected(VARIANT_BOOL* connected) override;

 private:
  ~CDBAttribute() override;
  std::string DisplayText(const std::string& text) const;
  std::string DisplayLimit(const std::string& limit) const;
  bool IsNumericKind() const;
  bool SearchMacros() const;

  std::shared_ptr<const values::ParameterDefinition> definition_;
  std::string name_;
  std::string value_;
  // What few parameters ever get, made when first needed: a project holds
  // tens of thousands of parameters.
  struct Extras {
    std::string globalKey, extendedKey, tag;
    qcom::ComPtr<CDBSNVTType> snvtType;
    std::unique_ptr<ports::EditDialog> editDialog;
    qcom::WeakRef<IDispatch> parent;
    faces::CallbackList callBacks;
  };
  Extras& More() const;
  mutable std::unique_ptr<Extras> extras_;
};
