#pragma once

#include <QString>
#include <QVector>

namespace veldora {

// A table of text cells addressed by (column, row). A cell never written reads as
// empty text. The column count is fixed; rows grow on demand.
class TextGrid {
public:
    explicit TextGrid(int columnCount = 0) : columns_(columnCount) {}

    int columnCount() const { return columns_; }
    // Rows that hold storage (written or below a written row).
    int storedRows() const { return static_cast<int>(cells_.size() / (columns_ ? columns_ : 1)); }

    QString cell(int column, int row) const {
        if (column < 0 || column >= columns_ || row < 0 || row >= storedRows()) return {};
        return cells_[row * columns_ + column];
    }
    const QString &cellRef(int column, int row) const;

    void setCell(int column, int row, const QString &text);

    bool operator==(const TextGrid &) const = default;

private:
    int columns_;
    QVector<QString> cells_;
};

}  // namespace veldora
