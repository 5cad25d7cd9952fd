#include "catalogue/CategoryTable.h"

namespace veldora {

std::optional<int> CategoryTable::firstFreeRow() const {
    for (int row = 1; row <= kMaxItemRows; ++row)
        if (grid_.cellRef(col::Name, row).isEmpty()) return row;
    return std::nullopt;
}

std::optional<int> CategoryTable::appendRow(const QVector<QString> &cells) {
    const auto row = firstFreeRow();
    if (!row) return std::nullopt;
    for (int c = 0; c < kItemColumnCount && c < cells.size(); ++c) grid_.setCell(c, *row, cells[c]);
    return row;
}

QVector<QString> CategoryTable::rowCells(int row) const {
    QVector<QString> cells(kItemColumnCount);
    for (int c = 0; c < kItemColumnCount; ++c) cells[c] = grid_.cellRef(c, row);
    return cells;
}

}  // namespace veldora
