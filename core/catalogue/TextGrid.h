#pragma once

#include <QString>
#include <QVector>

namespace veldora {

// A table of text cells addressed by (column, row). A cell never written reads as
// empty text. The column count is fixed; rows grow on demand.
//
// Each row is its own implicitly shared vector, so a copy of the grid (a snapshot
// of the planner's state) shares every row with the original, and writing one row
// afterwards copies that row and the list of rows, not the whole table.
class TextGrid {
public:
    explicit TextGrid(int columnCount = 0) : columns_(columnCount) {}

    int columnCount() const { return columns_; }
    // Rows that hold storage (written or below a written row).
    int storedRows() const { return static_cast<int>(rows_.size()); }

    QString cell(int column, int row) const { return cellRef(column, row); }
    const QString &cellRef(int column, int row) const;

    void setCell(int column, int row, const QString &text);

    // Equal when the column counts, the stored rows and every cell are equal; a row
    // never written equals one whose cells are all empty.
    bool operator==(const TextGrid &other) const;

private:
    int columns_;
    // A row not yet written is an empty vector; a written one holds every column.
    QVector<QVector<QString>> rows_;
};

}  // namespace veldora
