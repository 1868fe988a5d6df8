#include "ui/ChannelList.h"

#include <algorithm>

#include "com/TextRules.h"
#include "values/FieldText.h"

namespace ui {

namespace {

// The module column comes right after the row text, with the first row.
constexpr size_t kModuleColumn = 1;

// Row keys compare without regard to letter case, as every key of the system does.
template <class Rows>
auto FindRow(Rows& rows, const std::unordered_map<std::string, size_t>& index, std::string_view key)
    -> decltype(rows.data()) {
  auto found = index.find(qcom::text::Upper(key));
  return found == index.end() ? nullptr : &rows[found->second];
}

}  // namespace

ChannelList::ChannelList() {
  columns_.push_back({"", "Channel"});
}

void ChannelList::AddColumn(std::string key, std::string text) {
  columns_.push_back({std::move(key), std::move(text)});
  for (ListRow& row : rows_) {
    row.cells.resize(columns_.size());
    row.notes.resize(columns_.size());
  }
}

size_t ChannelList::ValueColumn(std::string_view text) const {
  for (size_t i = 1; i < columns_.size(); ++i)
    if (columns_[i].text == text) return i;
  return 0;
}

ListRow* ChannelList::Find(std::string_view key) {
  return FindRow(rows_, rowIndex_, key);
}

const ListRow* ChannelList::Row(std::string_view key) const {
  return FindRow(rows_, rowIndex_, key);
}

void ChannelList::IndexRows() {
  rowIndex_.clear();
  for (size_t i = 0; i < rows_.size(); ++i) rowIndex_.emplace(qcom::text::Upper(rows_[i].key), i);
}

bool ChannelList::AddRow(const ports::ChannelRowData& channel, std::string_view image) {
  if (columns_.size() == kModuleColumn)
    AddColumn(std::string(kModuleColumnKey), std::string(kModuleColumnText));
  for (const auto& parameter : channel.parameters) {
    const std::string& name = parameter.first;
    const bool named = std::any_of(columns_.begin(), columns_.end(),
                                   [&](const ListColumn& column) { return column.text == name; });
    if (!named) AddColumn(name, name);
  }
  if (Find(channel.globalKey)) return false;

  ListRow row{channel.globalKey, std::string(image), {}};
  row.cells.resize(columns_.size());
  row.notes.resize(columns_.size());
  row.cells[0] = channel.name;
  row.path = channel.globalKey;
  std::replace(row.path.begin(), row.path.end(), '\\', '/');
  // The module key is the first field of the channel key ("EB1\AI\2").
  row.cells[kModuleColumn] = values::GetField(channel.globalKey, 0, "\\");
  rowIndex_.emplace(qcom::text::Upper(row.key), rows_.size());
  rows_.push_back(std::move(row));
  RefreshRow(channel);
  return true;
}

bool ChannelList::RemoveRow(std::string_view key) {
  ListRow* row = Find(key);
  if (!row) return false;
  rows_.erase(rows_.begin() + (row - rows_.data()));
  IndexRows();
  return true;
}

void ChannelList::RefreshRow(const ports::ChannelRowData& channel) {
  ListRow* row = Find(channel.globalKey);
  if (!row) return;
  for (const auto& [name, display] : channel.parameters)
    if (size_t column = ValueColumn(name)) row->cells[column] = display;
}

void ChannelList::SetImage(std::string_view key, std::string_view image) {
  if (ListRow* row = Find(key)) row->image = std::string(image);
}

bool ChannelList::SetCell(std::string_view key, size_t column, std::string text) {
  ListRow* row = Find(key);
  if (!row || column >= row->cells.size()) return false;
  row->cells[column] = std::move(text);
  return true;
}

void ChannelList::Describe(std::string_view key, const std::string& parameter, CellNote note,
                           const std::string& unit, const std::string& description) {
  ListRow* row = Find(key);
  const size_t column = ValueColumn(parameter);
  if (!row || !column) return;
  row->notes[column] = std::move(note);
  ListColumn& header = columns_[column];
  if (header.unit.empty()) header.unit = unit;
  if (header.description.empty()) header.description = description;
}

void ChannelList::Select(const std::vector<std::string>& keys) {
  for (ListRow& row : rows_) row.selected = false;
  for (const std::string& key : keys)
    if (ListRow* row = Find(key)) row->selected = true;
}

std::vector<std::string> ChannelList::SelectedKeys() const {
  std::vector<std::string> keys;
  for (const ListRow& row : rows_)
    if (row.selected) keys.push_back(row.key);
  return keys;
}

std::string ChannelList::Cell(std::string_view rowKey, std::string_view columnText) const {
  const ListRow* row = Row(rowKey);
  if (!row) return {};
  for (size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i].text == columnText) return row->cells[i];
  return {};
}

std::vector<std::string> ChannelList::ColumnTexts() const {
  std::vector<std::string> texts;
  for (const ListColumn& column : columns_) texts.push_back(column.text);
  return texts;
}

}  // namespace ui
