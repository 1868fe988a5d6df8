#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "com/ComPtr.h"
#include "com/TextRules.h"
#include "com/Variant.h"
#include "values/NumberRules.h"

namespace values {

// An ordered, 1-based collection of objects with text keys that compare
// without regard to letter case: the shape of every collection of the system.
template <class T>
class KeyedCollection {
 public:
  struct Entry {
    std::string key;
    std::string upperKey;
    qcom::ComPtr<T> item;
  };

  size_t Count() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }

  // Appends under key, or inserts at the 1-based position `before`; false (and
  // nothing added) when the key is already taken.
  bool Add(std::string_view key, qcom::ComPtr<T> item, size_t before = 0) {
    std::string upper = qcom::text::Upper(key);
    if (Contains(upper)) return false;
    if (index_) index_->emplace(upper, item.get());
    Entry e{std::string(key), std::move(upper), std::move(item)};
    if (before >= 1 && before <= entries_.size())
      entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(before - 1), std::move(e));
    else
      entries_.push_back(std::move(e));
    if (!index_ && entries_.size() >= kIndexedFrom) {
      index_ = std::make_unique<std::unordered_map<std::string, T*>>();
      for (const Entry& entry : entries_) index_->emplace(entry.upperKey, entry.item.get());
    }
    return true;
  }

  // Room for that many entries in all.
  void Reserve(size_t count) { entries_.reserve(count); }

  // 1-based position of the key, 0 when absent.
  size_t PositionOf(std::string_view key) const {
    std::string upper = qcom::text::Upper(key);
    for (size_t i = 0; i < entries_.size(); ++i)
      if (entries_[i].upperKey == upper) return i + 1;
    return 0;
  }

  qcom::ComPtr<T> ByKey(std::string_view key) const {
    if (index_) {
      auto found = index_->find(qcom::text::Upper(key));
      return found == index_->end() ? nullptr : qcom::ComPtr<T>(found->second);
    }
    size_t pos = PositionOf(key);
    return pos ? entries_[pos - 1].item : nullptr;
  }

  // 1-based, without a new reference; null outside the list.
  T* Get(int64_t position) const {
    if (position < 1 || position > static_cast<int64_t>(entries_.size())) return nullptr;
    return entries_[static_cast<size_t>(position - 1)].item.get();
  }

  qcom::ComPtr<T> At(int64_t position) const {
    if (position < 1 || position > static_cast<int64_t>(entries_.size())) return nullptr;
    return entries_[static_cast<size_t>(position - 1)].item;
  }

  // By text key first, else the key read as a number (plain parse) as a
  // position; null when neither finds anything.
  qcom::ComPtr<T> Item(std::string_view key) const {
    if (auto found = ByKey(key)) return found;
    auto pos = RoundToInt32(PlainParse(key));
    return pos ? At(*pos) : nullptr;
  }

  // The same for a key handed over as a variant: numbers are looked up by
  // their decimal text first, as a host's text key would be.
  qcom::ComPtr<T> Item(const VARIANT& key) const {
    switch (key.vt) {
      case VT_BSTR:
        return Item(qcom::BstrToUtf8(key.bstrVal));
      case VT_I2:
        return Item(std::to_string(key.iVal));
      case VT_I4:
        return Item(std::to_string(key.lVal));
      case VT_R8:
        if (auto pos = RoundToInt32(key.dblVal)) return Item(std::to_string(*pos));
        return nullptr;
      default:
        return nullptr;
    }
  }

  bool Remove(std::string_view key) {
    size_t pos = PositionOf(key);
    if (!pos) return false;
    if (index_) index_->erase(entries_[pos - 1].upperKey);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(pos - 1));
    return true;
  }

  void Clear() {
    entries_.clear();
    index_.reset();
  }

  const std::vector<Entry>& Entries() const { return entries_; }
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

 private:
  // From this size on, keys are found through a hash index rather than by
  // searching: an object's points and modules grow with every module placed,
  // while most collections (a channel's parameters) stay a handful.
  static constexpr size_t kIndexedFrom = 16;

  bool Contains(const std::string& upper) const {
    if (index_) return index_->count(upper) != 0;
    for (const Entry& e : entries_)
      if (e.upperKey == upper) return true;
    return false;
  }

  std::vector<Entry> entries_;
  // Upper-cased key -> item; none while the collection is small.
  std::unique_ptr<std::unordered_map<std::string, T*>> index_;
};

}  // namespace values
