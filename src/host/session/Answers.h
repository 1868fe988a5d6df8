#pragma once

#include <string>
#include <vector>

#include "com/Bstr.h"
#include "com/ComPtr.h"
#include "com/Variant.h"
#include "faces/Engineering.h"

// Reading the engineering interface's answers: the host asks the object for
// everything the model knows and only prints what it is told.
namespace host {

template <class I>
std::string TextOf(I* of, HRESULT (I::*getter)(BSTR*)) {
  qcom::Bstr text;
  if (of) (of->*getter)(text.out());
  return text.utf8();
}

template <class I>
LONG NumberOf(I* of, HRESULT (I::*getter)(LONG*)) {
  LONG value = 0;
  if (of) (of->*getter)(&value);
  return value;
}

template <class I>
bool FlagOf(I* of, HRESULT (I::*getter)(VARIANT_BOOL*)) {
  VARIANT_BOOL value = VARIANT_FALSE;
  if (of) (of->*getter)(&value);
  return value != VARIANT_FALSE;
}

// The items of a list, in order, as the interface the caller names.
template <class I>
std::vector<qcom::ComPtr<I>> ItemsOf(IEngineeringList* list) {
  std::vector<qcom::ComPtr<I>> items;
  const LONG count = NumberOf(list, &IEngineeringList::get_Count);
  for (LONG i = 1; i <= count; ++i) {
    qcom::Variant item;
    list->get_Item(qcom::Variant(int32_t{i}).raw(), item.out());
    if (auto answer = qcom::QueryAs<I>(item.object())) items.push_back(answer);
  }
  return items;
}

// The items of the list a member hands out.
template <class I, class Of>
std::vector<qcom::ComPtr<I>> ListOf(Of* of, HRESULT (Of::*getter)(IEngineeringList**)) {
  qcom::ComPtr<IEngineeringList> list;
  if (of) (of->*getter)(list.put());
  return list ? ItemsOf<I>(list.get()) : std::vector<qcom::ComPtr<I>>{};
}

class PlacedObject;

// A parameter as get, export, import and diff show it, the object's answer.
struct ParameterRow {
  std::string path;  // "Priority", "EB1/AI/2/sensortype"
  std::string value, unit, defaultValue, snvtId;
  bool changed = false;  // the value is not the default
};

ParameterRow RowOf(IEngineeringParameter* parameter);

// Every parameter of the object, device parameters first.
std::vector<ParameterRow> ParameterRows(const PlacedObject& object);

// The parameter a path names, letter case aside; false with problem set to
// why it names none, with the names there are.
bool FindParameterRow(const PlacedObject& object, const std::string& path, ParameterRow& row,
                      std::string& problem);

}  // namespace host
