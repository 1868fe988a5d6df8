#include "values/MacroSearch.h"

#include "com/Bstr.h"
#include "com/ComPtr.h"
#include "faces/AppObject.h"
#include "faces/HostObjects.h"

namespace values {

namespace {

using qcom::ComPtr;

ComPtr<IMacroSet> MacroSetOf(IDispatch* appObject) {
  auto app = qcom::QueryAs<IAppObject>(appObject);
  if (!app) return nullptr;
  ComPtr<IDispatch> device;
  if (FAILED(app->get_Parent(device.put())) || !device) return nullptr;
  auto container = qcom::QueryAs<IMacroContainer>(device.get());
  if (!container) return nullptr;
  ComPtr<IMacroSet> set;
  if (FAILED(container->get_MacroSet(set.put()))) return nullptr;
  return set;
}

bool ItemHasKey(IMacroItem* item, const std::string& key) {
  qcom::Bstr text;
  return item && SUCCEEDED(item->get_Key(text.out())) && text.utf8() == key;
}

bool ItemsHold(IMacroEntry* entry, const std::string& key) {
  ComPtr<IMacroItems> items;
  if (!entry || FAILED(entry->get_Items(items.put())) || !items) return false;
  LONG count = 0;
  items->get_Count(&count);
  for (LONG j = 1; j <= count; ++j) {
    ComPtr<IMacroItem> item;
    if (SUCCEEDED(items->get_Item(j, item.put())) && ItemHasKey(item.get(), key)) return true;
  }
  return false;
}

template <class Visit>
bool AnyEntry(IMacroList* list, Visit visit) {
  if (!list) return false;
  LONG count = 0;
  list->get_Count(&count);
  for (LONG i = 1; i <= count; ++i) {
    ComPtr<IMacroEntry> entry;
    if (SUCCEEDED(list->get_Entry(i, entry.put())) && entry && visit(entry.get())) return true;
  }
  return false;
}

template <class Getter>
ComPtr<IMacroList> ListOf(IDispatch* appObject, Getter getter) {
  auto set = MacroSetOf(appObject);
  ComPtr<IMacroList> list;
  if (set) ((*set).*getter)(list.put());
  return list;
}

}  // namespace

bool MacroParameterReferences(IDispatch* appObject, const std::string& globalKey) {
  auto list = ListOf(appObject, &IMacroSet::get_ParameterList);
  return AnyEntry(list.get(), [&](IMacroEntry* e) { return ItemsHold(e, globalKey); });
}

bool MacroInputReferences(IDispatch* appObject, const std::string& globalKey) {
  auto list = ListOf(appObject, &IMacroSet::get_InputList);
  return AnyEntry(list.get(), [&](IMacroEntry* e) {
    if (ItemsHold(e, globalKey)) return true;
    VARIANT_BOOL group = VARIANT_FALSE;
    if (FAILED(e->get_IsGroup(&group)) || !group) return false;
    ComPtr<IMacroList> subEntries;
    if (FAILED(e->get_SubEntries(subEntries.put()))) return false;
    return AnyEntry(subEntries.get(), [&](IMacroEntry* sub) { return ItemsHold(sub, globalKey); });
  });
}

bool MacroOutputReferences(IDispatch* appObject, const std::string& globalKey) {
  auto list = ListOf(appObject, &IMacroSet::get_OutputList);
  return AnyEntry(list.get(), [&](IMacroEntry* e) {
    ComPtr<IMacroItem> item;
    return SUCCEEDED(e->get_Item(item.put())) && ItemHasKey(item.get(), globalKey);
  });
}

}  // namespace values
