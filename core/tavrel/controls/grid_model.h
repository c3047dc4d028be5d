#pragma once

#include "tavrel/notifier.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tavrel {

// The stake table: text cells addressed by row and column, both counted from 1.
// Rows live in a deque so that appending never moves the rows already there:
// a click costs the same with a million rows as with none.
class GridModel {
public:
    struct Column {
        std::string key;
        std::string caption;
        std::int32_t widthTwips;
        std::optional<std::int32_t> alignment; // 2 = centred; empty = the control's default
    };

    void AddColumn(std::string key, std::string caption, std::int32_t widthTwips,
                   std::optional<std::int32_t> alignment = std::nullopt);
    void AddRow(std::string column1Text);
    std::int32_t RowCount() const { return rowCount_; }
    // Row(row).CellText(column) = text
    void SetCellText(long long row, long long column, std::string text);
    void SetCurrentRow(long long row);
    void ClearRows();
    // Off, the table still counts its rows and tells of every write, but keeps
    // no text: a simulation of millions of spins reads none, and its memory
    // must not grow with them. Cells then read as empty. Set it before the
    // first row.
    void SetKeepsTexts(bool keeps) { keepsTexts_ = keeps; }
    // Takes back the newest row; the current row moves to the new last row if it was beyond it.
    void RemoveLastRow();

    const std::vector<Column>& columns() const { return columns_; }
    const std::string& CellText(long long row, long long column) const;
    std::int32_t CurrentRow() const { return currentRow_; } // 0 when no row is current

    // Every change of the row count is told before and after, so that a view
    // can bracket it the way Qt's item models want.
    Notifier<int> rowAboutToBeAdded; // the new row's index
    Notifier<int> rowAdded;
    Notifier<int, int> cellChanged;  // row, column
    Notifier<> rowsAboutToBeCleared;
    Notifier<> rowsCleared;
    Notifier<int> rowAboutToBeRemoved; // the index of the row going
    Notifier<int> rowRemoved;
    Notifier<int> currentRowChanged; // the new current row

private:
    void checkCell(long long row, long long column) const;
    std::vector<std::string>& row(long long index);
    const std::vector<std::string>& row(long long index) const;

    std::vector<Column> columns_;
    std::deque<std::vector<std::string>> rows_; // empty while no texts are kept
    std::int32_t rowCount_ = 0;
    std::int32_t currentRow_ = 0;
    bool keepsTexts_ = true;
};

} // namespace tavrel
