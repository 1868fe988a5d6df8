#include "points/CDBCompatibleSNVTs.h"

#include "com/Boundary.h"
#include "com/EnumVariant.h"
#include "com/ErrorRecord.h"
#include "com/OutParam.h"
#include "platform/MessagePump.h"
#include "values/FieldText.h"

namespace {
constexpr const char* kSource = "O_TQ4600.CDBCompatibleSNVTs";
}

void CDBCompatibleSNVTs::AddOne(std::string_view id) {
  auto entry = qcom::Make<CDBCompatibleSNVT>();
  entry->SetID(std::string(id));
  // A number already in the list keeps its first entry.
  items_.Add(id, entry);
}

void CDBCompatibleSNVTs::Add(std::string_view ids) {
  if (ids.empty()) return;
  if (ids.find(',') == std::string_view::npos) {
    AddOne(ids);
    return;
  }
  // The list ends at the first empty field, so "1,,2" holds only 1 and a
  // trailing "," adds nothing.
  for (int32_t index = 0;; ++index) {
    std::string field = values::GetField(ids, index, ",");
    if (field.empty()) break;
    AddOne(field);
    // Long lists must not freeze the editor or the host.
    platform::PumpMessages();
  }
}

std::string CDBCompatibleSNVTs::ToText() const {
  std::string text;
  for (const auto& entry : items_) {
    if (!text.empty()) text += ",";
    text += entry.item->Id();
  }
  return text;
}

HRESULT CDBCompatibleSNVTs::get_Count(LONG* count) {
  return qcom::ReturnValue(static_cast<LONG>(items_.Count()), count);
}

HRESULT CDBCompatibleSNVTs::get_Item(LONG index, ICompatibleSNVT** item) {
  return qcom::ReturnObject<ICompatibleSNVT>(items_.At(index), item);
}

HRESULT CDBCompatibleSNVTs::get__NewEnum(IUnknown** enumerator) {
  if (!enumerator) return E_POINTER;
  return qcom::Guarded([&] {
    std::vector<qcom::Variant> all;
    for (const auto& entry : items_)
      all.emplace_back(static_cast<IDispatch*>(static_cast<ICompatibleSNVT*>(entry.item.get())));
    *enumerator = qcom::MakeVariantEnumerator(std::move(all)).detach();
    return S_OK;
  });
}

HRESULT CDBCompatibleSNVTs::Add(BSTR ids) {
  return qcom::Guarded([&] { Add(qcom::BstrToUtf8(ids)); });
}

HRESULT CDBCompatibleSNVTs::Remove(BSTR id) {
  return qcom::Guarded([&] {
    std::string key = qcom::BstrToUtf8(id);
    if (items_.Remove(key)) return S_OK;
    return qcom::RecordError(E_INVALIDARG, kSource, "The list holds no SNVT '" + key + "'.");
  });
}

HRESULT CDBCompatibleSNVTs::get_ToString(BSTR* text) {
  return qcom::Guarded([&] { return qcom::ReturnText(ToText(), text); });
}

HRESULT CDBCompatibleSNVTs::get_Exists(BSTR id, VARIANT_BOOL* exists) {
  return qcom::Guarded([&] { return qcom::ReturnBool(Exists(qcom::BstrToUtf8(id)), exists); });
}

HRESULT CDBCompatibleSNVTs::get_Merge(ICompatibleSNVTs* other, ICompatibleSNVTs** merged) {
  if (!merged) return E_POINTER;
  *merged = nullptr;
  if (!other) return E_INVALIDARG;
  return qcom::Guarded([&] {
    // The other list may be the host's own, so it is read through its interface.
    auto result = qcom::Make<CDBCompatibleSNVTs>();
    LONG count = 0;
    other->get_Count(&count);
    for (LONG i = 1; i <= count; ++i) {
      qcom::ComPtr<ICompatibleSNVT> entry;
      if (FAILED(other->get_Item(i, entry.put())) || !entry) continue;
      qcom::Bstr id;
      if (FAILED(entry->get_ID(id.out()))) continue;
      std::string text = id.utf8();
      if (Exists(text)) result->AddOne(text);
    }
    return qcom::ReturnObject<ICompatibleSNVTs>(result, merged);
  });
}

HRESULT CDBCompatibleSNVTs::Clone(IDispatch** copy) {
  if (!copy) return E_POINTER;
  return qcom::Guarded([&] {
    auto result = qcom::Make<CDBCompatibleSNVTs>();
    for (const auto& entry : items_) result->Add(entry.item->Id());
    return qcom::ReturnObject<IDispatch>(static_cast<_CDBCompatibleSNVTs*>(result.get()), copy);
  });
}
