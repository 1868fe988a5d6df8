#pragma once

#include <string>
#include <vector>

namespace ui {

struct DetailRow {
  std::string property;
  std::string value;
  // What the view shows on pointing at the row: the whole value, which the
  // list may cut, and what the property is.
  std::string tooltip{};
  bool operator==(const DetailRow&) const = default;
};

// The property/value list beside the channel lists: what is known of the
// device or of the chosen module.
class DetailsList {
 public:
  void Clear() { rows_.clear(); }
  void Add(std::string property, std::string value, std::string tooltip = {}) {
    rows_.push_back({std::move(property), std::move(value), std::move(tooltip)});
  }
  const std::vector<DetailRow>& Rows() const { return rows_; }

 private:
  std::vector<DetailRow> rows_;
};

}  // namespace ui
