#include "catalogue/TextGrid.h"

#include <stdexcept>

namespace veldora {

namespace {
const QString kEmpty;
}

const QString &TextGrid::cellRef(int column, int row) const {
    if (column < 0 || column >= columns_ || row < 0 || row >= storedRows()) return kEmpty;
    const QVector<QString> &cells = rows_.at(row);
    return column < cells.size() ? cells.at(column) : kEmpty;
}

void TextGrid::setCell(int column, int row, const QString &text) {
    if (column < 0 || column >= columns_ || row < 0)
        throw std::out_of_range("TextGrid::setCell outside the table");
    if (row >= storedRows()) rows_.resize(row + 1);
    QVector<QString> &cells = rows_[row];
    // Allocated at its full width at once: a grown vector would keep spare room.
    if (cells.isEmpty()) cells = QVector<QString>(columns_);
    cells[column] = text;
}

bool TextGrid::operator==(const TextGrid &other) const {
    if (columns_ != other.columns_ || rows_.size() != other.rows_.size()) return false;
    if (rows_.constData() == other.rows_.constData()) return true;
    for (qsizetype r = 0; r < rows_.size(); ++r) {
        const QVector<QString> &a = rows_.at(r);
        const QVector<QString> &b = other.rows_.at(r);
        // Rows a snapshot shares with the state it was taken from compare at once.
        if (a.constData() == b.constData() && a.size() == b.size()) continue;
        for (int c = 0; c < columns_; ++c)
            if (cellRef(c, int(r)) != other.cellRef(c, int(r))) return false;
    }
    return true;
}

}  // namespace veldora
