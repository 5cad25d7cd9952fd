#include "catalogue/TextGrid.h"

#include <stdexcept>

namespace veldora {

namespace {
const QString kEmpty;
}

const QString &TextGrid::cellRef(int column, int row) const {
    if (column < 0 || column >= columns_ || row < 0 || row >= storedRows()) return kEmpty;
    return cells_[row * columns_ + column];
}

void TextGrid::setCell(int column, int row, const QString &text) {
    if (column < 0 || column >= columns_ || row < 0)
        throw std::out_of_range("TextGrid::setCell outside the table");
    if (row >= storedRows()) cells_.resize((row + 1) * columns_);
    cells_[row * columns_ + column] = text;
}

}  // namespace veldora
