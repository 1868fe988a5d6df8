#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ports/EditorView.h"

namespace ui {

struct ListColumn {
  std::string key;
  std::string text;
  // What a parameter column's header adds to its text: the parameter's unit
  // and, on pointing at it, its description.
  std::string unit{};
  std::string description{};
};

// What a row tells of a parameter cell beyond its text.
struct CellNote {
  bool changed = false;  // the value differs from the parameter's default
  std::string defaultValue{};
};

struct ListRow {
  std::string key;
  // Key of the row's image in the window's image list.
  std::string image;
  // One text per column of the list, the row text (column "Channel") first.
  std::vector<std::string> cells;
  bool selected = false;
  // The channel as commands and the report name it: EB1/AI/2 for EB1\AI\2.
  std::string path{};
  // One per column, as cells.
  std::vector<CellNote> notes{};
};

// One channel list of the editor: a row per channel keyed by the channel's
// global key, a column "Channel", a column "EB Module" that comes with the
// first row, and one column per parameter name in order of first appearance.
// Columns are never removed; a cell of a parameter a channel lacks stays empty.
class ChannelList {
 public:
  ChannelList();

  // Adds the channel's missing columns and its row with that image. Row keys
  // are unique: when the key is listed already, the columns still grow but
  // that row stays as it is, and false is returned.
  bool AddRow(const ports::ChannelRowData& channel, std::string_view image);
  // False when no row has the key.
  bool RemoveRow(std::string_view key);
  // Writes the display texts of the channel's parameters into the row of its
  // key; parameters without a column and an unlisted key change nothing.
  void RefreshRow(const ports::ChannelRowData& channel);
  void SetImage(std::string_view key, std::string_view image);
  // Writes the cell at the 0-based column of the row of that key; false when
  // either is missing.
  bool SetCell(std::string_view key, size_t column, std::string text);
  // Notes what the view tells of a parameter's cell and column beyond their
  // texts; a parameter without a column, or an unlisted key, changes nothing.
  void Describe(std::string_view key, const std::string& parameter, CellNote note,
                const std::string& unit, const std::string& description);
  // Exactly the rows of these keys are selected afterwards.
  void Select(const std::vector<std::string>& keys);
  // Keys of the selected rows, in row order.
  std::vector<std::string> SelectedKeys() const;

  void SwitchOn(bool on) { switchedOn_ = on; }
  // Whether the list takes part in the window (takes the focus).
  bool SwitchedOn() const { return switchedOn_; }

  const std::vector<ListColumn>& Columns() const { return columns_; }
  const std::vector<ListRow>& Rows() const { return rows_; }
  bool Empty() const { return rows_.empty(); }
  // Null when no row has the key.
  const ListRow* Row(std::string_view key) const;
  // The 0-based column with that text after the row text; 0 when there is none.
  size_t ColumnOf(std::string_view text) const { return ValueColumn(text); }
  // The row's text in the first column with that text; "" when either is missing.
  std::string Cell(std::string_view rowKey, std::string_view columnText) const;
  // Column texts, in column order.
  std::vector<std::string> ColumnTexts() const;

  static constexpr std::string_view kModuleColumnKey = "EBModule";
  static constexpr std::string_view kModuleColumnText = "EB Module";

 private:
  void AddColumn(std::string key, std::string text);
  // Position of the first cell column (the row text excluded) with that
  // text; 0 when there is none.
  size_t ValueColumn(std::string_view text) const;
  ListRow* Find(std::string_view key);
  void IndexRows();

  std::vector<ListColumn> columns_;
  std::vector<ListRow> rows_;
  // Upper-cased row key -> position in rows_: a list holds a row for every
  // channel of its kind, and each placed module looks its rows up.
  std::unordered_map<std::string, size_t> rowIndex_;
  bool switchedOn_ = false;
};

}  // namespace ui
