#pragma once

#include "catalogue/Category.h"
#include "catalogue/ItemColumns.h"
#include "catalogue/TextGrid.h"

#include <optional>

namespace veldora {

// In-memory copy of one item category. Row 0 stays empty; rows 1..N hold the
// catalogue items in ascending required level; appended rows (forged, enchanted
// and custom copies) follow N. Row numbers are 8-bit in the game's data model, so
// a table never holds more than kMaxItemRows item rows and no row number wraps.
class CategoryTable {
public:
    static constexpr int kMaxItemRows = 255;

    explicit CategoryTable(Category category = Category::Weapons)
        : category_(category), grid_(kItemColumnCount) {}

    Category category() const { return category_; }

    QString cell(int column, int row) const { return grid_.cell(column, row); }
    const QString &cellRef(int column, int row) const { return grid_.cellRef(column, row); }
    void setCell(int column, int row, const QString &text) { grid_.setCell(column, row, text); }

    // N + 1 for N catalogue items; appended rows lie beyond it.
    int rowCount() const { return rowCount_; }
    void setRowCount(int n) { rowCount_ = n; }

    // The first row, counting from 1, whose column 1 is empty; nullopt when that
    // row would be beyond kMaxItemRows (the table is full). Callers must handle it.
    std::optional<int> firstFreeRow() const;

    // Copies `cells` (indexed by column, 0..135) into the first free row and
    // returns it, or returns nullopt and changes nothing when the table is full.
    std::optional<int> appendRow(const QVector<QString> &cells);
    // Columns 0..135 of `row`, as appendRow takes them.
    QVector<QString> rowCells(int row) const;

    bool operator==(const CategoryTable &) const = default;

private:
    Category category_;
    TextGrid grid_;
    int rowCount_ = 1;
};

}  // namespace veldora
