#pragma once

#include <string>
#include <utility>
#include <vector>

#include "com/Bstr.h"
#include "com/ComObject.h"
#include "com/OutParam.h"
#include "faces/AppObject.h"
#include "faces/HostObjects.h"
#include "support/AppObjectStub.h"

// A host's macro objects for tests of IsMacroConnected, and the application
// object the macro walk starts from: application object -> get_Parent (the
// device) -> IMacroContainer -> macro set -> the parameter, input or output
// list, whose entries' items are compared by global key. For example:
//   auto device = testing_support::MacroDevice::Make();
//   device->Set()->Inputs()->AddGroup({"OBJ\\RIN\\b"}, {{"OBJ\\RIN\\c"}});
//   auto app = qcom::Make<testing_support::HostedAppObject>();
//   app->SetParent(device.get());
namespace testing_support {

// The host's macro collections count from 1; an index outside them fails.
template <class I, class T>
HRESULT ReturnOneBased(const std::vector<qcom::ComPtr<T>>& items, LONG index, I** out) {
  if (index < 1 || index > static_cast<LONG>(items.size())) return E_INVALIDARG;
  return qcom::ReturnObject<I>(items[static_cast<size_t>(index - 1)], out);
}

class MacroItem final : public qcom::ComObject<IMacroItem> {
 public:
  explicit MacroItem(std::string key) : key_(std::move(key)) {}
  HRESULT get_Key(BSTR* globalKey) override { return qcom::ReturnText(key_, globalKey); }

 private:
  std::string key_;
};

class MacroItems final : public qcom::ComObject<IMacroItems> {
 public:
  explicit MacroItems(const std::vector<std::string>& keys) {
    for (const auto& key : keys) items_.push_back(qcom::Make<MacroItem>(key));
  }
  HRESULT get_Count(LONG* count) override { return qcom::ReturnValue(LONG(items_.size()), count); }
  HRESULT get_Item(LONG index, IMacroItem** item) override {
    return ReturnOneBased(items_, index, item);
  }

 private:
  std::vector<qcom::ComPtr<MacroItem>> items_;
};

class MacroList;

// An entry of a macro list: an item collection (parameter and input entries),
// possibly with sub-entries (a group), or a single item (output entries). A
// member the entry does not have fails, as the host's would.
class MacroEntry final : public qcom::ComObject<IMacroEntry> {
 public:
  qcom::ComPtr<MacroItems> items;
  qcom::ComPtr<MacroList> subEntries;
  qcom::ComPtr<MacroItem> single;

  HRESULT get_Items(IMacroItems** out) override {
    return items ? qcom::ReturnObject<IMacroItems>(items, out) : E_FAIL;
  }
  HRESULT get_IsGroup(VARIANT_BOOL* group) override {
    return qcom::ReturnBool(static_cast<bool>(subEntries), group);
  }
  HRESULT get_SubEntries(IMacroList** out) override;
  HRESULT get_Item(IMacroItem** out) override {
    return single ? qcom::ReturnObject<IMacroItem>(single, out) : E_FAIL;
  }
};

class MacroList final : public qcom::ComObject<IMacroList> {
 public:
  // An entry holding an item collection with these keys.
  MacroList& AddItems(const std::vector<std::string>& keys) {
    NewEntry().items = qcom::Make<MacroItems>(keys);
    return *this;
  }
  // A group entry: its own items, and one sub-entry per key list.
  MacroList& AddGroup(const std::vector<std::string>& keys,
                      const std::vector<std::vector<std::string>>& subEntries) {
    MacroEntry& entry = NewEntry();
    entry.items = qcom::Make<MacroItems>(keys);
    entry.subEntries = qcom::Make<MacroList>();
    for (const auto& sub : subEntries) entry.subEntries->AddItems(sub);
    return *this;
  }
  // An entry holding a single item (the shape of output entries).
  MacroList& AddSingle(const std::string& key) {
    NewEntry().single = qcom::Make<MacroItem>(key);
    return *this;
  }

  HRESULT get_Count(LONG* count) override {
    return qcom::ReturnValue(LONG(entries_.size()), count);
  }
  HRESULT get_Entry(LONG index, IMacroEntry** entry) override {
    return ReturnOneBased(entries_, index, entry);
  }

 private:
  MacroEntry& NewEntry() { return *entries_.emplace_back(qcom::Make<MacroEntry>()); }

  std::vector<qcom::ComPtr<MacroEntry>> entries_;
};

inline HRESULT MacroEntry::get_SubEntries(IMacroList** out) {
  return subEntries ? qcom::ReturnObject<IMacroList>(subEntries, out) : E_FAIL;
}

class MacroSet final : public qcom::ComObject<IMacroSet> {
 public:
  MacroList* Parameters() const { return parameters_.get(); }
  MacroList* Inputs() const { return inputs_.get(); }
  MacroList* Outputs() const { return outputs_.get(); }

  HRESULT get_ParameterList(IMacroList** list) override {
    return qcom::ReturnObject<IMacroList>(parameters_, list);
  }
  HRESULT get_InputList(IMacroList** list) override {
    return qcom::ReturnObject<IMacroList>(inputs_, list);
  }
  HRESULT get_OutputList(IMacroList** list) override {
    return qcom::ReturnObject<IMacroList>(outputs_, list);
  }

 private:
  qcom::ComPtr<MacroList> parameters_ = qcom::Make<MacroList>();
  qcom::ComPtr<MacroList> inputs_ = qcom::Make<MacroList>();
  qcom::ComPtr<MacroList> outputs_ = qcom::Make<MacroList>();
};

// The device that holds the macros: the parent of an application object.
class MacroDevice final : public qcom::ComObject<IMacroContainer> {
 public:
  static qcom::ComPtr<MacroDevice> Make() { return qcom::Make<MacroDevice>(); }
  MacroSet* Set() const { return set_.get(); }

  HRESULT get_MacroSet(IMacroSet** set) override {
    return qcom::ReturnObject<IMacroSet>(set_, set);
  }

 private:
  qcom::ComPtr<MacroSet> set_ = qcom::Make<MacroSet>();
};

// An application object that answers only Parent and ExportIndex; every other
// member fails with E_NOTIMPL. Extra interfaces (internal ones the component
// asks its application object for) are listed as template arguments and
// implemented by a derived class.
template <class... Extra>
class BasicHostedAppObject : public AppObjectStub<Extra...> {
 public:
  // Set false to make get_ExportIndex fail.
  bool exportIndexAnswers = true;

  void SetParent(IDispatch* parent) { parent_ = qcom::ComPtr<IDispatch>(parent); }

  HRESULT get_Parent(IDispatch** parent) override { return qcom::ReturnObject(parent_, parent); }
  HRESULT put_Parent(IDispatch* parent) override {
    SetParent(parent);
    return S_OK;
  }
  HRESULT get_ExportIndex(SHORT* index) override {
    if (!exportIndexAnswers) return E_FAIL;
    return qcom::ReturnValue(exportIndex_, index);
  }
  HRESULT put_ExportIndex(SHORT index) override {
    exportIndex_ = index;
    return S_OK;
  }

 private:
  qcom::ComPtr<IDispatch> parent_;
  SHORT exportIndex_ = 0;
};

class HostedAppObject final : public BasicHostedAppObject<> {};

}  // namespace testing_support
